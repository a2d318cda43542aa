# The timer running out costs a life and starts the 80-frame death zoom;
# the level goes on with 300 frames, which run out again 300 frames after
# the restart.
seed 1
run 1
playlevel 1
run 1199
expect level.timeLeft == 1
expect profile.lives == 3
run 1
expect profile.lives == 2
expect player.deathAnimCounter == 79
expect renderer.scaleX == 1.02
expect level.timeLeft == 300
# No hit.wav; the display ticks as it shows 5 seconds.
expect sounds == dead.wav,blip.wav
expect texts ~ You Died!
run 79
expect player.deathAnimCounter == 0
expect renderer.scaleX == 1
expect level.timeLeft == 300
expect sounds ~ start.wav
run 1
expect level.timeLeft == 299
run 298
expect level.timeLeft == 1
expect profile.lives == 2
run 1
expect profile.lives == 1
expect player.deathAnimCounter == 79
expect level.timeLeft == 300
