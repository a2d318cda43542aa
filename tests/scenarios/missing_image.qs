# A shared image that does not load ends start-up through the fatal-error
# path: its path on standard error exactly, exit status 255 (-1), no pass run.
# The images before it in the loading order are in the bank; none after it.
missing Images/spikes.png
run 1
expect ended == 1
expect exit == 255
expect stderr == Error loading image Data/Images/spikes.png
expect frame == 0
expect images == FOG,PLAYER,ZUMBEL
