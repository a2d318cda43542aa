# A held arrow moves the player 10 pixels a pass and stops it against the
# edge (x 32) and the bottom bar (y 768 - 32 - 50 = 686).
seed 1
run 1
playlevel 1
down LEFT
run 1
expect player.x == 502
expect player.y == 384
run 60
expect player.x == 32
up LEFT
down DOWN
run 1
expect player.y == 394
run 40
expect player.y == 686
expect player.x == 32
up DOWN
run 1
expect player.y == 686
# A point reached by steering.
steer 300 200
expect player.x > 290
expect player.x < 310
expect player.y > 190
expect player.y < 210
