# Without the logo, the title picture and every sound the game still runs
# its whole road: the splash screen draws nothing but its clear colour, the
# title screen only its prompts, and each attempt to play a missing sound
# prints one line on standard output. Escape leaves with status 0.
seed 1
missing thistlebane.png Images/titleimg.jpg Sound/blip.wav Sound/dead.wav Sound/hit.wav Sound/start.wav Sound/yum.wav Sound/pickup.wav Sound/success.wav Sound/splashsound.wav Sound/select.wav Sound/quorvane.wav Sound/gameover.wav
expect nullsounds == 1
run 1
expect screen == Intro
expect draws == draw cls colour=0,0,0
until screen == Title
expect nullsounds == 2
expect texts == Press <Space> to Play|Press <Space> to Play|Press <C> for credits|Press <C> for credits|Press <Esc> to Exit|Press <Esc> to Exit
expect imagesdrawn ==
tap SPACE
run 1
expect screen == Game
expect profile.level == 1
# The select sound, then the level's start sound.
expect nullsounds == 4
steer zumbel 0
# The two sounds of a zumbel drunk.
expect nullsounds == 6
expect profile.score == 10
tap ESC
run 1
expect screen == Title
# The spoken title of the new title screen.
expect nullsounds == 7
tap ESC
run 1
expect ended == 1
expect exit == 0
expect stderr ==
expect playing ==
