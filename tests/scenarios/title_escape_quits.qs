# Escape on the title screen ends the program with status 0; that pass
# draws nothing. A Space hit with it is never seen.
tap SPACE
run 1
expect screen == Title
tap ESC SPACE
run 1
expect ended == 1
expect exit == 0
expect screen == Title
expect draws ==
expect stderr ==
