# Without the font the game runs on in the platform's default font: the
# title prompts, the credits and the play screen's display are drawn,
# and Escape leaves with status 0.
missing Fonts/mael.ttf
tap SPACE
run 1
expect screen == Title
expect texts ~ Press <Space> to Play
expect draws ~ draw text "Press <Space> to Play" x=
expect draws ~ font=default
tap C
run 1
expect texts ~ Programming and Design
tap SPACE
run 1
tap SPACE
run 1
expect screen == Game
run 10
tap ESC
run 1
tap ESC
run 1
expect ended == 1
expect exit == 0
expect stderr ==
