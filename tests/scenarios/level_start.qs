# A level-1 start: 20 seconds, goal 5, six zumbels and five hazards, all
# inside the field between the bars, clear of the start square and of one
# another; the player stands at the centre with a vision radius of 190.
# (playlevel starts a new game at that level on a new play screen.)
seed 1
run 1
playlevel 1
expect profile.level == 1
expect profile.lives == 3
expect profile.score == 0
expect level.timeLimit == 1200
expect level.timeLeft == 1200
expect level.goal == 5
expect level.zumbels == 6
expect level.hazards == 5
expect level.misplaced == 0
expect level.fogCleared == 0
expect player.x == 512
expect player.y == 384
expect player.goal == 5
expect player.collected == 0
expect player.visionRadius == 190
run 1
expect level.timeLeft == 1199
# Level 6: the largest counts and the shortest limit.
playlevel 6
expect level.timeLimit == 600
expect level.goal == 10
expect level.zumbels == 12
expect level.hazards == 10
expect level.misplaced == 0
expect player.visionRadius == 140
