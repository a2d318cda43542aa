# Drinking refreshes the score and goal rows at once. A zumbel drunk in the
# last seconds raises the shown value by one, with a tick in the same pass;
# one drunk near the limit shows the capped 20 seconds in white, silently.
seed 1
run 1
playlevel 1
until level.timeLeft == 420
expect hud.seconds == 07
expect texts ~ Zumbel|Zumbel|0/5|0/5|
steer zumbel 0
expect level.timeLeft == 470
expect hud.seconds == 08
expect sounds == pickup.wav,yum.wav,blip.wav
expect texts ~ |Zumbel|Zumbel|1/5|1/5|
expect texts ~ |Score|Score|00010|00010|08|08
expect draws ~ colour=255,50,50 alpha=1 scale=0.48,0.72
# A new game: its first zumbel is reached within a second.
playlevel 1
steer zumbel 0
expect level.timeLeft == 1200
expect hud.seconds == 20
expect sounds == pickup.wav,yum.wav
expect texts ~ |Zumbel|Zumbel|1/5|1/5|
expect texts ~ |Score|Score|00010|00010|20|20
expect draws ~ colour=255,255,255 alpha=1 scale=0.48,0.72
