# Control+D shows the mouse position and the current screen's name at
# (10, 100) and (10, 115) in the default font, every frame, until Control+D
# again. D without Control does nothing, and the toggle's flush means a
# Control held through it must be pressed again.
mouse 200 300
down LCTRL
tap D
run 1
expect debugpanel == 1
expect draws ~ draw text "Mouse: 200,300" x=10 y=100 font=default colour=255,255,255 alpha=1
expect draws ~ draw text "Screen: Intro" x=10 y=115 font=default colour=255,255,255 alpha=1
mouse 5 6
run 1
expect texts == Mouse: 5,6|Screen: Intro
tap D
run 1
expect debugpanel == 1
up LCTRL
down RCTRL
tap D
run 1
expect debugpanel == 0
expect texts ==
expect draws ~ draw image Data/thistlebane.png
