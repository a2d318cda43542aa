# Steering onto a zumbel drinks it: 10 points, one collected, a second
# more time up to the limit, "pickup.wav" then "yum.wav", and a ring and a
# "+1 Second" text particle.
seed 1
run 1
playlevel 1
steer zumbel 0
expect level.zumbels == 5
expect profile.score == 10
expect player.collected == 1
expect level.timeLeft == 1200
expect sounds == pickup.wav,yum.wav
# The level's "Find 5 Zumbels" message is still there (alpha 2.0 fading by
# 0.03, it leaves on its 67th step, after this part).
expect particles == 3
# The ring fades by 0.04 from 1.0 and leaves on its 25th step, the text by
# 0.05 from 2.0 on its 41st; the drinking pass was the first step of both.
run 23
expect particles == 3
run 1
expect particles == 2
run 15
expect particles == 2
run 1
expect particles == 1
# Below the limit the full 60 frames are added.
run 60
expect level.timeLeft == 1100
steer zumbel 2 within 59
expect profile.score == 20
expect player.collected == 2
expect level.timeLeft > 1100
expect particles == 2
