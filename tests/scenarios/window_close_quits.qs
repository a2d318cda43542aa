# A window close ends the program in the logic step of that pass with
# status 0; that pass draws nothing.
run 2
expect draws ~ draw image Data/thistlebane.png
close
run 1
expect ended == 1
expect exit == 0
expect frame == 3
expect draws ==
# No further pass runs once the game has ended.
run 5
expect frame == 3
