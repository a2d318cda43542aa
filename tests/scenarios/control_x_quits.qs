# Control+X ends the program with status 0 at the top of a pass: that
# pass's logic never runs (the P pressed with it does not pause) and it
# draws nothing.
run 2
down LCTRL
tap X P
run 1
expect ended == 1
expect exit == 0
expect frame == 3
expect paused == 0
expect texts ==
expect stderr ==
