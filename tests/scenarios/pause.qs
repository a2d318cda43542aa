# P pauses: the logic stands still (Control+F, the renderer's logic, does
# nothing) while every pass still draws; P resumes and its flush drops the
# F that waited meanwhile. A window close while paused quits.
run 1
tap P
run 1
expect paused == 1
down LCTRL
tap F
run 3
expect fullscreen == 1
expect draws ~ draw image Data/thistlebane.png
up LCTRL
tap P
run 1
expect paused == 0
expect fullscreen == 1
tap P
run 1
expect paused == 1
close
run 1
expect ended == 1
expect exit == 0
