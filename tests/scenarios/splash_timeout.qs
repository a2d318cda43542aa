# Without a key the splash screen shows the logo for exactly 180 passes:
# fading in over the first second (alpha counter / 60), opaque, then fading
# out over the last (alpha (180 - counter) / 60); the 180th pass already
# draws the title screen, whose spoken title starts as the splash sound is
# cut off.
expect screen == Intro
expect sounds == splashsound.wav
run 1
expect cls == 0,0,0
expect draws == draw cls colour=0,0,0|draw image Data/thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.0166667 scale=1,1 rot=0
run 29
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.5 scale
run 29
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.983333 scale
run 1
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=1 scale
run 60
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=1 scale
run 1
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.983333 scale
run 58
expect frame == 179
expect screen == Intro
expect draws ~ thistlebane.png frame=0 x=0 y=0 colour=255,255,255 alpha=0.0166667 scale
run 1
expect screen == Title
expect sounds == quorvane.wav
expect playing == quorvane.wav
expect cls == 80,30,0
expect texts == Press <Space> to Play|Press <Space> to Play|Press <C> for credits|Press <C> for credits|Press <Esc> to Exit|Press <Esc> to Exit
expect draws ~ draw image Data/Images/titleimg.jpg frame=0 x=0 y=0 colour=255,255,255 alpha=1
