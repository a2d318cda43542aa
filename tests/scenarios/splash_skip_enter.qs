# A pause holds the splash screen (its fade stands still); Enter skips it as
# Space does.
run 30
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.5 scale
tap P
run 20
expect paused == 1
expect screen == Intro
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.5 scale
tap P
run 1
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.516667 scale
tap ENTER
run 1
expect screen == Title
expect sounds == quorvane.wav
expect playing == quorvane.wav
