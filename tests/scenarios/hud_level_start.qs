# The display of a level-1 start: the two translucent bars, the rows
# Zumbel 0/5, Level 1, Lives 3 and Score 00000 (each after its black
# shadow, the value 16 pixels after the caption's text), the timer bar
# full and the seconds 20 in white, centred under it. None of it follows
# the camera.
seed 1
run 1
playlevel 1
run 1
expect hud.seconds == 20
expect texts ~ Zumbel|Zumbel|0/5|0/5|Level|Level|1|1|Lives|Lives|3|3|Score|Score|00000|00000|20|20
expect draws ~ draw rect x=0 y=0 w=1024 h=50 colour=0,0,0 alpha=0.7
expect draws ~ draw rect x=0 y=718 w=1024 h=50 colour=0,0,0 alpha=0.7
expect draws ~ draw text "Zumbel" x=413 y=4 font=Data/Fonts/mael.ttf colour=0,0,0 alpha=0.5 scale=0.4,0.6
expect draws ~ draw text "Zumbel" x=412 y=3 font=Data/Fonts/mael.ttf colour=100,255,100 alpha=1 scale=0.4,0.6
expect draws ~ draw text "0/5" x=530 y=3 font=Data/Fonts/mael.ttf colour=100,255,100 alpha=1
expect draws ~ draw text "Level" x=10 y=3 font=Data/Fonts/mael.ttf colour=255,255,100 alpha=1
expect draws ~ draw text "1" x=96 y=3 font=Data/Fonts/mael.ttf colour=255,255,100 alpha=1
expect draws ~ draw text "Lives" x=210 y=3 font=Data/Fonts/mael.ttf colour=255,200,200 alpha=1
expect draws ~ draw text "3" x=294 y=3 font=Data/Fonts/mael.ttf colour=255,200,200 alpha=1
expect draws ~ draw text "Score" x=774 y=3 font=Data/Fonts/mael.ttf colour=255,255,100 alpha=1
expect draws ~ draw text "00000" x=868.4 y=3 font=Data/Fonts/mael.ttf colour=255,255,100 alpha=1
expect draws ~ draw rect x=312 y=723 w=400 h=40 colour=30,30,30 alpha=1
expect draws ~ draw rect x=312 y=723 w=399 h=40 colour=100,50,0 alpha=1
expect draws ~ draw text "20" x=495 y=716 font=Data/Fonts/mael.ttf colour=0,0,0 alpha=0.7 scale=0.48,0.72
expect draws ~ draw text "20" x=494 y=715 font=Data/Fonts/mael.ttf colour=255,255,255 alpha=1 scale=0.48,0.72
expect sounds ==
