# Escape leaves the play screen for a new title screen with the camera at
# rest; nothing of the level advances in that frame, and an animation that
# was running never changes the screen afterwards.
seed 1
run 1
# In the frame in which the success zoom would end.
playlevel 1
steer zumbel 0
steer zumbel 0
steer zumbel 0
steer zumbel 0
run 68
expect player.successAnimCounter == 1
expect renderer.scaleX > 1.6
tap ESC
run 1
expect screen == Title
expect player.successAnimCounter == 1
expect renderer.scaleX == 1
expect renderer.scaleY == 1
expect renderer.scrollX == 0
expect renderer.scrollY == 0
run 10
expect screen == Title
# During play: the timer, the player and the particles stand still.
playlevel 1
run 10
expect level.timeLeft == 1190
expect particles == 1
down LEFT
tap ESC
run 1
up LEFT
expect screen == Title
expect cls == 80,30,0
expect level.timeLeft == 1190
expect player.x == 512
expect particles == 1
expect ended == 0
# During the death zoom.
playlevel 1
steer hazard 0
run 30
expect player.deathAnimCounter == 49
expect renderer.scaleX > 1.6
tap ESC
run 1
expect screen == Title
expect player.deathAnimCounter == 49
expect renderer.scaleX == 1
expect renderer.scaleY == 1
expect renderer.scrollX == 0
expect renderer.scrollY == 0
run 100
expect screen == Title
expect renderer.scaleX == 1
expect ended == 0
