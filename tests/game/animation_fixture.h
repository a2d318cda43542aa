// Test support for the player's animations and the play screen: a level
// with its objects and the main font, a screen on the game's stack for the
// animations to change from, the camera at rest afterwards, and the sounds
// cued since the fixture started.
#pragma once

#include <string>
#include <vector>

#include "framework/label_fixture.h"
#include "game/main_program.h"
#include "platform/testing.h"
#include "play_fixture.h"

namespace animation_fixture {

class AnimationTest : public play_fixture::PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    mainFont = label_test::GameFont(64);
    ASSERT_TRUE(mainFont);
    Restart();
  }

  void TearDown() override {
    mainFont = nullptr;
    renderer->ResetScale();
    renderer->ResetScrolling();
    PlayTest::TearDown();
  }

  // Only the screen "Before" on the stack, the camera at rest and the sound
  // log cleared.
  static void Restart() {
    game->screenStack = New<TList>();
    auto before = New<TScreen>();
    before->name = "Before";
    game->AddScreenToStack(before);
    renderer->ResetScale();
    renderer->ResetScrolling();
    platform::test::ClearSoundLog();
  }

  // File names of the sounds cued since the log was cleared, in order.
  static std::vector<std::string> CuedSounds() {
    std::vector<std::string> cued;
    for (const auto& record : platform::test::SoundLog()) {
      if (record.event != platform::test::SoundEvent::Cue) continue;
      cued.push_back(record.path.substr(record.path.rfind('/') + 1));
    }
    return cued;
  }

  // The particles of the list, in order.
  static std::vector<Ref<TParticle>> Particles() {
    std::vector<Ref<TParticle>> particles;
    for (const auto& p : TGameScreen::particleList->Each<TParticle>()) particles.push_back(p);
    return particles;
  }

  static Ref<TParticle> LastParticle() { return Particles().back(); }

  static std::string ScreenName() { return game->currentScreen->name.ToUtf8(); }

  static void Tap(Int key) {
    platform::test::PressKey(key);
    platform::test::ReleaseKey(key);
  }
};

}  // namespace animation_fixture
