# A missing particlering image is fatal at start-up: its path on standard error,
# exit status 255, no pass run, and only the images loaded before it in the
# bank.
missing Images/particlering.png
run 1
expect ended == 1
expect exit == 255
expect stderr == Error loading image Data/Images/particlering.png
expect frame == 0
expect images == EXPLOSION,FOG,PLAYER,SPIKES,ZUMBEL
