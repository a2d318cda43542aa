# A level played to success on the play screen: steering onto zumbels until
# the goal of 5, then the 70-frame success zoom on the player's position
# (the player hidden), then the level-complete screen and the next level.
seed 1
run 1
playlevel 1
expect screen == Game
expect sounds == start.wav
expect particles == 1
steer zumbel 0
steer zumbel 0
steer zumbel 0
expect player.successAnimCounter == 0
expect renderer.scaleX == 1
steer zumbel 0
# The goal frame: the first zoom step has already run.
expect player.collected == 5
expect profile.lives == 3
expect player.successAnimCounter == 69
expect sounds ~ success.wav
expect texts ~ AWESOME!
expect renderer.scaleX == 1.01
expect renderer.scaleY == 1.01
expect renderer.scrollX == -3.7199965
expect renderer.scrollY == -5.139995
# The player stands at (372, 514): scroll = -(1024 x 1.69 - 1024) x 372 / 1024
# and -(768 x 1.69 - 768) x 514 / 768 (the y offset also uses scaleX).
run 68
expect screen == Game
expect player.successAnimCounter == 1
expect renderer.scaleX == 1.6899993
expect renderer.scrollX == -256.67975
expect renderer.scrollY == -354.6596
# Level 1 held 20 seconds of time; the timer stood still during the zoom.
expect level.timeLeft == 1200
run 1
expect screen == Level Complete
expect renderer.scaleX == 1
expect renderer.scaleY == 1
expect renderer.scrollX == 0
expect renderer.scrollY == 0
expect texts ~ Level 1 Complete!
# The level-complete screen goes on to level 2 on a new play screen.
tap SPACE
run 1
expect screen == Game
expect profile.level == 2
expect profile.lives == 3
expect player.collected == 0
expect player.goal == 6
expect texts ~ Find 6 Zumbels
