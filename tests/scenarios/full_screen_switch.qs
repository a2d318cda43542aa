# The display opens full screen at depth 32; Control+F switches to a window
# (depth 0) and back; F alone does nothing.
expect fullscreen == 1
expect bitdepth == 32
down LCTRL
tap F
run 1
expect fullscreen == 0
expect bitdepth == 0
tap F
run 1
expect fullscreen == 1
expect bitdepth == 32
up LCTRL
tap F
run 1
expect fullscreen == 1
expect title == Quorvane V0.21
