# An X pressed alone is consumed by the exit test: holding Control in a
# later pass, without pressing X again, does not quit.
run 1
tap X
run 1
down LCTRL
run 5
expect ended == 0
expect frame == 7
up LCTRL
tap X
run 1
expect ended == 0
