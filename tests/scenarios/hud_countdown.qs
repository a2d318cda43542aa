# The seconds turn red at 10 and tick once at each change of the shown
# value, in the drawing pass of the frame that changes it. A time-out with
# lives left jumps from 01 to 05 with one tick, and 05 stays red and silent
# while the death animation freezes the timer.
seed 1
run 1
playlevel 1
until level.timeLeft == 601
expect hud.seconds == 11
expect draws ~ colour=255,255,255 alpha=1 scale=0.48,0.72
run 1
expect level.timeLeft == 600
expect hud.seconds == 10
expect sounds == blip.wav
expect draws ~ colour=255,50,50 alpha=1 scale=0.48,0.72
run 1
expect hud.seconds == 10
expect sounds ==
until level.timeLeft == 541
expect hud.seconds == 10
expect sounds ==
run 1
expect hud.seconds == 09
expect sounds == blip.wav
run 1
expect sounds ==
until level.timeLeft == 1
expect hud.seconds == 01
expect draws ~ draw rect x=312 y=723 w=0 h=40 colour=100,50,0
run 1
expect profile.lives == 2
expect level.timeLeft == 300
expect hud.seconds == 05
expect sounds ~ blip.wav
run 1
expect hud.seconds == 05
expect sounds ==
expect draws ~ colour=255,50,50 alpha=1 scale=0.48,0.72
run 40
expect hud.seconds == 05
expect sounds ==
until player.deathAnimCounter == 0
expect level.timeLeft == 300
expect hud.seconds == 05
until level.timeLeft == 240
expect hud.seconds == 04
expect sounds ~ blip.wav
