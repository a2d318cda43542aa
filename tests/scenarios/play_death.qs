# A hazard hit with lives left: "hit.wav" and "dead.wav", the player moved
# to the centre, an 80-frame death zoom on the centre with the timer frozen,
# then the same level goes on from the centre with its fog, zumbels and time.
seed 1
run 1
playlevel 1
steer hazard 0
expect profile.lives == 2
expect sounds == hit.wav,dead.wav
expect texts ~ You Died!
expect player.x == 512
expect player.y == 384
expect player.deathAnimCounter == 79
expect renderer.scaleX == 1.02
expect renderer.scrollX == -10.24
expect renderer.scrollY == -7.68
# The ring, eight explosions and "You Died!" over the goal message.
expect particles == 11
expect level.timeLeft == 1185
expect level.zumbels == 6
expect level.fogCleared == 171
run 39
expect renderer.scaleX == 1.7999992
expect level.timeLeft == 1185
run 39
expect player.deathAnimCounter == 1
expect renderer.scaleX == 2.5799985
expect renderer.scrollX == -808.9592
expect renderer.scrollY == -606.7194
run 1
expect player.deathAnimCounter == 0
expect screen == Game
expect renderer.scaleX == 1
expect renderer.scrollX == 0
expect renderer.scrollY == 0
expect sounds == start.wav
expect texts ~ Find 5 Zumbels
expect player.x == 512
expect player.y == 384
expect level.timeLeft == 1185
expect level.zumbels == 6
expect level.fogCleared == 171
expect profile.lives == 2
run 1
expect level.timeLeft == 1184
expect level.hazards == 5
# Playing again: a zumbel is drunk as before.
steer zumbel 0
expect player.collected > 0
