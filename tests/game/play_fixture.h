// Test support for the level, its items and the player: the headless
// platform, the globals a level needs (game, renderer, image bank, profile)
// over images and sounds written to a temporary folder, and a level built
// the way the play screen builds one.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <string>

#include "framework/game.h"
#include "framework/image_bank.h"
#include "framework/particle.h"
#include "framework/renderer.h"
#include "game/game_screen.h"
#include "game/hazard.h"
#include "game/hud.h"
#include "game/level.h"
#include "game/player.h"
#include "game/profile.h"
#include "game/zumbel.h"
#include "platform/input.h"
#include "platform/maths.h"
#include "util/headless_images.h"

namespace play_fixture {

// Side of the player, zumbel, hazard and particle images written here.
constexpr Int SPRITE_SIZE = 64;

constexpr const char* SOUNDS[] = {"blip.wav", "dead.wav",   "hit.wav",    "start.wav",
                                  "yum.wav",  "pickup.wav", "success.wav"};

// A short 16-bit mono PCM tone.
inline void WriteWav(const std::string& path) {
  constexpr Int RATE = 22050;
  constexpr Int SAMPLES = RATE / 5;
  auto put32 = [](std::ofstream& out, std::uint32_t v) {
    out.write(reinterpret_cast<char*>(&v), 4);
  };
  auto put16 = [](std::ofstream& out, std::uint16_t v) {
    out.write(reinterpret_cast<char*>(&v), 2);
  };
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  put32(out, 36 + SAMPLES * 2);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1);
  put16(out, 1);
  put32(out, RATE);
  put32(out, RATE * 2);
  put16(out, 2);
  put16(out, 16);
  out.write("data", 4);
  put32(out, SAMPLES * 2);
  for (Int i = 0; i < SAMPLES; ++i) {
    put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(i * 0.1))));
  }
}

// The folder holding the images and sounds, written once per process.
inline const std::string& DataFolder() {
  static const std::string folder = [] {
    const std::string root = "level-data";
    for (const char* name :
         {"player", "zumbel", "spikes", "explosion", "particlering", "particlering2"}) {
      headless_images::WritePng(root + "/Images/" + name + ".png", SPRITE_SIZE, SPRITE_SIZE);
    }
    headless_images::WritePng(root + "/Images/fog.png", TLevel::FOG_SIZE, TLevel::FOG_SIZE);
    const std::string path = headless_images::TempFolder() + "/" + root;
    std::filesystem::create_directories(path + "/Sound");
    for (const char* sound : SOUNDS) WriteWav(path + "/Sound/" + sound);
    return path;
  }();
  return folder;
}

// Replaces the bank's image of that name by a blank one of the given size.
inline void ReplaceImage(const String& name, Int width, Int height) {
  auto image = TGameImage::CreateFromImage(LoadImage(TPixmap::Create(width, height)), name, 1);
  imageBank->Insert(name, image);
}

// True when the text ends with the suffix.
inline bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless_images::StartHeadless();
    const std::string& data = DataFolder();
    game = TGame::Create();
    game->soundPath = data + "/Sound/";
    renderer = New<TRenderer>();
    imageBank = TImageBank::Create(data + "/Images/");
    for (const char* name :
         {"player", "zumbel", "fog", "spikes", "explosion", "particlering", "particlering2"}) {
      imageBank->Load(name, "", -1, 1);
    }
    TZumbel::InitGlobals();
    profile = TProfile::Create();
    FlushKeys();
    SeedRnd(1);
  }

  void TearDown() override {
    for (Int key : {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN}) platform::test::ReleaseKey(key);
    FlushKeys();
  }

  // A level, player, heads-up display and particle list of the profile's
  // level, in the play screen's order.
  static void StartLevel(Int number) {
    profile->level = number;
    level = TLevel::Create();
    level->Init();
    player = TPlayer::CreatePlayer();
    HUD = THUD::Create();
    TGameScreen::particleList = TParticleList::Create();
  }

  // A level with no items, for placing them by hand.
  static void StartEmptyLevel() {
    StartLevel(1);
    level->zumbelList->Clear();
    level->hazardList->Clear();
  }

  static Ref<TZumbel> AddZumbel(Float x, Float y) {
    return AddItem(TZumbel::CreateZumbel(), x, y, level->zumbelList);
  }

  static Ref<THazard> AddHazard(Float x, Float y) {
    return AddItem(THazard::CreateHazard(), x, y, level->hazardList);
  }

 private:
  template <class T>
  static Ref<T> AddItem(Ref<T> item, Float x, Float y, const Ref<TList>& list) {
    item->x = x;
    item->y = y;
    list->AddLast(item);
    return item;
  }
};

}  // namespace play_fixture
