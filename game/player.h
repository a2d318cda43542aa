// TPlayer: the sprite the user steers over the play field with the arrow
// keys. Its Playing-state frame work (movement, bounds, collisions, drinking,
// goal test, fog clearing) lives in player.cpp, its timed sequences (level
// start, loss of a life, death and success animations) in
// player_animation.cpp. The current player is the global `player`.
#pragma once

#include "framework/sprite.h"

class TChannel;
class TSound;
class TZumbel;

class TPlayer : public TSprite {
 public:
  // Pixels moved per frame for each held arrow key.
  static constexpr Int STARTING_SPEED = 10;

  // A new player for the current level at the level's centre: "player"
  // image, shadow (1.5, 1.5, 0.5), hit box (6, 4, 51, 57), speed 10, its
  // seven sounds, the level's goal and a vision radius of 200 - 10 x level
  // (at least 80). Needs the globals level, profile, imageBank and game.
  static Ref<TPlayer> CreatePlayer();

  // Playing state only (both counters 0): CheckKeys, BoundsCheckPlayer,
  // Collision, GoalTest, then the fog cleared around the truncated position.
  // Then, in every state, DeathAnimManage and SuccessAnimManage.
  Int Logic() override;
  // The sprite's own drawing, only in the Playing state.
  Int Draw() override;

  // Keeps the whole image on the screen and between the 50-pixel bars; the
  // tests are strict, so a position on a bound stays.
  Int BoundsCheckPlayer();
  // Moves by the speed for each held arrow key (left, right, up, down), the
  // diagonal not normalised.
  Int CheckKeys();
  // Drinks every zumbel touched (removed from the level first), then takes
  // the hit of the first hazard touched: "hit.wav" and TimeUp.
  Int Collision();
  // Score, collected count, time boost, "pickup.wav" then "yum.wav", a ring
  // and a "+1 Second" text particle at the zumbel's position.
  Int DrinkZumbel(const Ref<TZumbel>& zumbel);
  // 1 when collected has reached the goal and the success animation started.
  Int GoalTest();
  // The level's centre and collected = 0.
  Int ResetVariables();
  // The level's centre only.
  Int ResetVariablesOnDeath();

  // Timed sequences of the player (player_animation.cpp). The state follows
  // from the counters: Playing while both are 0, Dying while
  // deathAnimCounter > 0, Succeeding while successAnimCounter > 0 (both can
  // hold). Each running animation zooms the renderer's camera onto the
  // player's position; its end resets the camera.

  // While dying: counter - 1, game scale + 0.02, camera on the player; 1 in
  // the frame that ended the animation through DeathAnimEnd, else 0.
  Int DeathAnimManage();
  // Camera reset; no lives left: a new game-over screen and 1, otherwise
  // LevelStart and 0.
  Int DeathAnimEnd();
  // Ring and eight explosions at the place of death (32 random draws),
  // the counter set to frames (0: deathAnimCounterMax), the player moved to
  // the level's centre, the lives row refreshed, "dead.wav".
  Int DeathAnimStart(Int frames);
  // "start.wav", the "Find <goal> Zumbels" message, then a key flush.
  Int LevelStart();
  // While succeeding: counter - 1, game scale + 0.01, camera on the player;
  // 1 in the frame that ended the animation through SuccessAnimEnd, else 0.
  Int SuccessAnimManage();
  // Camera reset and a new level-complete screen.
  Int SuccessAnimEnd();
  // The "AWESOME!" message, the counter at successAnimCounterMax,
  // "success.wav".
  Int SuccessAnimStart();
  // A life lost: the profile's lives - 1, an 80-frame death animation, then
  // the "You Died!" message on top of its burst.
  Int TimeUp();

  Int deathAnimCounter = 0;
  Int deathAnimCounterMax = 40;
  Int successAnimCounter = 0;
  Int successAnimCounterMax = 70;
  Ref<TChannel> channelBlip;
  Ref<TSound> soundBlip;
  Ref<TChannel> channelExplosion;
  Ref<TSound> soundExplosion;
  Ref<TChannel> channelHit;
  Ref<TSound> soundHit;
  Ref<TChannel> channelPickup;
  Ref<TSound> soundPickup;
  Ref<TChannel> channelPickup2;
  Ref<TSound> soundPickup2;
  Ref<TChannel> channelStart;
  Ref<TSound> soundStart;
  Ref<TChannel> channelSuccess;
  Ref<TSound> soundSuccess;
  Int collected = 0;
  Int goal = 0;
  Float visionRadius = 80.0f;
};

// The player of the current level; Null until the first play screen.
extern Ref<TPlayer> player;
