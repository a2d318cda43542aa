# A level won by steering onto its zumbels: after the 70-frame success
# animation the level-complete screen shows the level just finished, the
# score, the time that was left (697 frames: 11.61 secs) and its bonus (two
# points for each whole second, 22); Space adds the bonus and starts level 2.
seed 1
tap SPACE
run 1
tap SPACE
run 1
expect screen == Game
expect profile.level == 1
run 700
steer zumbel 0
steer zumbel 0
steer zumbel 0
steer zumbel 0
expect player.collected == 5
expect profile.lives == 3
expect level.timeLeft == 697
expect screen == Game
until screen == Level Complete within 71
expect player.successAnimCounter == 0
expect level.timeLeft == 697
run 1
expect cls == 0,50,0
expect texts == Level 1 Complete!|Level 1 Complete!|Current Score:|Current Score:|Time Left:|Time Left:|Time Bonus:|Time Bonus:|00050|00050|11.61 secs|11.61 secs|+ 22 points|+ 22 points|Press <Space> to Continue|Press <Space> to Continue
expect profile.score == 50
expect profile.level == 1
# Nothing closes the screen but its keys and mouse buttons.
run 600
expect screen == Level Complete
tap SPACE
run 1
expect screen == Game
expect sounds ~ select.wav
expect profile.level == 2
expect profile.score == 72
expect profile.lives == 3
expect level.timeLimit == 1080
expect level.timeLeft == 1080
expect level.goal == 6
expect level.zumbels == 7
expect level.hazards == 6
expect player.collected == 0
