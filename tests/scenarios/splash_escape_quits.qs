# Escape on the splash screen ends the program with status 0 after that
# pass's logic; the pass draws nothing.
run 5
tap ESC
run 1
expect ended == 1
expect exit == 0
expect frame == 6
expect screen == Intro
expect draws ==
expect stderr ==
