# The window title is the name, a blank, "V" and the version.
run 1
expect title == Quorvane V0.21
