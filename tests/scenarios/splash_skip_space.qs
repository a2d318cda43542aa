# Space skips the splash screen at once: the splash sound stops, the title
# screen is drawn in the same pass and speaks the title.
run 10
tap SPACE
run 1
expect screen == Title
expect frame == 11
expect sounds == quorvane.wav
expect playing == quorvane.wav
expect texts ~ Press <Space> to Play
# The Space that skipped does not reach the title screen.
run 1
expect screen == Title
