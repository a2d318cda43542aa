# A missing particlering2 image is fatal at start-up: its path on standard error,
# exit status 255, no pass run, and only the images loaded before it in the
# bank.
missing Images/particlering2.png
run 1
expect ended == 1
expect exit == 255
expect stderr == Error loading image Data/Images/particlering2.png
expect frame == 0
expect images == EXPLOSION,FOG,PARTICLERING,PLAYER,SPIKES,ZUMBEL
