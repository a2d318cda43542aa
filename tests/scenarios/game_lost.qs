# A game lost by waiting out the timer: level 1 won, then on level 2 the
# timer runs out three times (1080 frames, then 300 and 300 more after each
# 80-frame death animation). The game-over screen shows the final score and
# the level the game ended on; Space returns to the title, where a new game
# starts at level 1 with 3 lives and score 0.
seed 1
tap SPACE
run 1
tap SPACE
run 1
steer zumbel 0
steer zumbel 0
steer zumbel 0
steer zumbel 0
until screen == Level Complete within 71
tap SPACE
run 1
expect profile.level == 2
expect profile.score == 88
until profile.lives == 2 within 1081
expect level.timeLeft == 300
until profile.lives == 1 within 381
until profile.lives == 0 within 381
expect screen == Game
until screen == Game Over within 81
expect sounds ~ gameover.wav
run 1
expect cls == 50,0,0
expect texts == Game Over|Game Over|Final  Score:|Final  Score:|Final  Level:|Final  Level:|00088|00088|2|2|Press <Space> to Continue|Press <Space> to Continue
tap SPACE
run 1
expect screen == Title
expect sounds == select.wav,quorvane.wav
expect playing ~ select.wav
expect playing == select.wav,quorvane.wav
expect profile.level == 2
tap SPACE
run 1
expect screen == Game
expect profile.level == 1
expect profile.lives == 3
expect profile.score == 0
expect level.timeLeft == 1200
