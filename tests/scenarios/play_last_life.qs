# The last life lost: the lives show 0 from the frame of the hit, the death
# animation runs its 80 frames on the play screen, then the game-over
# screen follows with the camera at rest.
seed 1
run 1
playlevel 1
steer hazard 0
until player.deathAnimCounter == 0
steer hazard 0
until player.deathAnimCounter == 0
expect profile.lives == 1
expect screen == Game
steer hazard 0
expect profile.lives == 0
expect texts ~ Lives|Lives|0|0
expect player.deathAnimCounter == 79
run 78
expect screen == Game
expect renderer.scaleX == 2.5799985
expect level.timeLeft > 0
run 1
expect screen == Game Over
expect renderer.scaleX == 1
expect renderer.scrollX == 0
expect renderer.scrollY == 0
expect profile.lives == 0
