# The first frame clears the fog around the start (512, 384) with radius
# 190: rings 16 to 176 mapped to cells by rounding, so the cleared patch
# reaches one column further right than left and one row further down than
# up.
seed 1
run 1
playlevel 1
expect fog.16.12 == 0
run 1
expect level.fogCleared == 111
expect fog.16.12 == 1
expect fog.22.12 == 1
expect fog.23.12 == 0
expect fog.11.12 == 1
expect fog.10.12 == 0
expect fog.16.7 == 1
expect fog.16.6 == 0
expect fog.16.18 == 1
expect fog.16.19 == 0
# Cleared fog stays cleared once the player has moved on.
down LEFT
run 20
up LEFT
expect fog.22.12 == 1
expect level.fogCleared > 111
