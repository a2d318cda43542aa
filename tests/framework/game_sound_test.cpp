// Sounds on caller-owned channels and the music channel of the game object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/game.h"
#include "platform/headless_start.h"
#include "platform/testing.h"

namespace test = platform::test;

namespace {

constexpr const char* NULL_SOUND_LINE = "PlayGameSound tried to play a null sound\n";

class GameSoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform_test::RestartHeadless();
    test::ClearSoundLog();
    test::SetStdoutSink([this](const std::string& text) { printed += text; });
    game = TGame::Create();
    blip = game->LoadGameSound("blip.wav", 0);
    yum = game->LoadGameSound("yum.wav", 0);
    ASSERT_TRUE(blip && yum) << "Data/Sound/ is missing";
  }
  void TearDown() override {
    test::SetStdoutSink(nullptr);
    game = nullptr;
  }

  // Lets every sound play to its end.
  static void PlayOut() {
    test::AdvanceClock(60000);
    platform::UpdateAudio();
  }

  static std::vector<test::SoundEvent> Events() {
    std::vector<test::SoundEvent> events;
    for (const auto& record : test::SoundLog()) {
      if (record.event != test::SoundEvent::Load) events.push_back(record.event);
    }
    return events;
  }

  std::string printed;
  Ref<TSound> blip;
  Ref<TSound> yum;
};

TEST_F(GameSoundTest, PlayCuesSetsVolumeAndRateThenResumes) {
  Ref<TChannel> channel;
  game->PlayGameSound(blip, channel, 0.5f, 2.0f);
  ASSERT_TRUE(channel);
  EXPECT_TRUE(ChannelPlaying(channel));
  using E = test::SoundEvent;
  EXPECT_EQ(Events(), (std::vector<E>{E::Cue, E::Volume, E::Rate, E::Resume}));
  EXPECT_EQ(test::SoundLog().back().path, "Data/Sound/blip.wav");
}

TEST_F(GameSoundTest, SameChannelRestartsOtherChannelsOverlap) {
  Ref<TChannel> first;
  Ref<TChannel> second;
  game->PlayGameSound(blip, first, 1.0f, 1.0f);
  const Ref<TChannel> cut = first;
  game->PlayGameSound(blip, first, 1.0f, 1.0f);
  EXPECT_NE(first, cut);
  EXPECT_FALSE(ChannelPlaying(cut));
  EXPECT_EQ(test::PlayingSounds().size(), 1u);

  game->PlayGameSound(blip, second, 1.0f, 1.0f);
  EXPECT_TRUE(ChannelPlaying(first));
  EXPECT_TRUE(ChannelPlaying(second));
  EXPECT_EQ(test::PlayingSounds().size(), 2u);
}

TEST_F(GameSoundTest, NullSoundPrintsAndLeavesTheChannel) {
  Ref<TChannel> empty;
  game->PlayGameSound(nullptr, empty, 1.0f, 1.0f);
  EXPECT_FALSE(empty);

  Ref<TChannel> channel;
  game->PlayGameSound(blip, channel, 1.0f, 1.0f);
  const Ref<TChannel> before = channel;
  game->PlayGameSound(nullptr, channel, 1.0f, 1.0f);
  EXPECT_EQ(channel, before);
  EXPECT_TRUE(ChannelPlaying(channel));
  EXPECT_EQ(printed, std::string(NULL_SOUND_LINE) + NULL_SOUND_LINE);
}

TEST_F(GameSoundTest, StopSoundClearsOnlyAPlayingChannel) {
  Ref<TChannel> none;
  game->StopSound(none);
  EXPECT_FALSE(none);

  Ref<TChannel> finished;
  game->PlayGameSound(blip, finished, 1.0f, 1.0f);
  PlayOut();
  ASSERT_FALSE(ChannelPlaying(finished));
  game->StopSound(finished);
  EXPECT_TRUE(finished);

  Ref<TChannel> playing;
  game->PlayGameSound(yum, playing, 1.0f, 1.0f);
  const Ref<TChannel> voice = playing;
  game->StopSound(playing);
  EXPECT_FALSE(playing);
  EXPECT_FALSE(ChannelPlaying(voice));
}

TEST_F(GameSoundTest, MusicPlaysAtItsVolumeAndRestarts) {
  game->musicPath = game->soundPath;
  game->LoadMusic("yum.wav", 0);
  ASSERT_TRUE(game->currentMusic);
  game->PlayMusic();
  const Ref<TChannel> first = game->musicChannel;
  ASSERT_TRUE(first);
  using E = test::SoundEvent;
  EXPECT_EQ(Events(), (std::vector<E>{E::Cue, E::Volume, E::Resume}));
  for (const auto& record : test::SoundLog()) {
    if (record.event == E::Volume) {
      EXPECT_FLOAT_EQ(record.value, 0.4f);
    }
  }

  game->PlayMusic();
  EXPECT_NE(game->musicChannel, first);
  EXPECT_FALSE(ChannelPlaying(first));
  game->StopMusic();
  EXPECT_FALSE(game->musicChannel);
}

TEST_F(GameSoundTest, MusicOffOrNotLoadedDoesNothing) {
  game->musicPath = game->soundPath;
  game->music = 0;
  game->LoadMusic("yum.wav", 0);
  game->PlayMusic();
  EXPECT_FALSE(game->currentMusic);

  game->music = 1;
  game->PlayMusic();  // nothing loaded
  EXPECT_FALSE(game->musicChannel);
  EXPECT_TRUE(Events().empty());
  EXPECT_TRUE(test::PlayingSounds().empty());
}

}  // namespace
