# An arrow held through a restart after a death does not move the player:
# the restart's key flush makes it read as released until pressed again.
seed 1
run 1
playlevel 1
steer hazard 0
down RIGHT
run 79
expect player.deathAnimCounter == 0
expect player.x == 512
run 10
expect player.x == 512
up RIGHT
down RIGHT
run 1
expect player.x == 522
up RIGHT
