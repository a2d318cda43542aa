# C on the title screen opens the credits with the select sound; Escape
# there goes back to a new title screen, which speaks the title again, and
# so does Space. Space and C in one pass on the title start a game.
tap SPACE
run 1
tap C
run 1
expect screen == Credits
expect sounds == select.wav
expect playing == select.wav
expect cls == 0,0,0
expect texts ~ Quorvane|Quorvane|Programming and Design|Programming and Design|Orrindale|Orrindale|Title Screen|Title Screen|Vessmont|Vessmont|Other Graphics|Other Graphics|Orrindale|Orrindale|Sound Design|Sound Design|Orrindale|Orrindale|Press <Space> to go back
expect draws ~ draw text "Sound Design" x=
run 30
expect screen == Credits
tap ESC
run 1
expect ended == 0
expect screen == Title
expect sounds == select.wav,quorvane.wav
tap C
run 1
tap SPACE
run 1
expect screen == Title
expect sounds == select.wav,quorvane.wav
tap C SPACE
run 1
expect screen == Game
expect profile.level == 1
expect profile.lives == 3
expect profile.score == 0
