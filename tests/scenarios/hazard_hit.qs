# Steering onto a hazard plays "hit.wav" and costs a life; the player
# stands at the centre again and the hazard stays on the field.
seed 1
run 1
playlevel 1
steer hazard 0
expect sounds ~ hit.wav
expect profile.lives == 2
expect player.x == 512
expect player.y == 384
expect level.hazards == 5
