// Sounds and channels on the silent device, headless on the virtual clock:
// loading good and damaged files, channel state over time, voices that
// outlive their sound and channel, and the sound log.
#include "platform/audio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/headless_start.h"
#include "platform/mixer.h"
#include "platform/testing.h"

namespace {

using platform::test::SoundEvent;
using Bytes = std::vector<char>;

void Append(Bytes& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void Append(Bytes& bytes, const char* text) { bytes.insert(bytes.end(), text, text + 4); }

// A RIFF WAVE file: format tag (1 PCM, 3 float), channels, rate, bits.
Bytes Wav(Int tag, Int channels, Int rate, Int bits, const Bytes& payload) {
  const Int blockAlign = channels * bits / 8;
  Bytes bytes;
  Append(bytes, "RIFF");
  Append(bytes, static_cast<std::uint32_t>(36 + payload.size()), 4);
  Append(bytes, "WAVE");
  Append(bytes, "fmt ");
  Append(bytes, 16, 4);
  Append(bytes, tag, 2);
  Append(bytes, channels, 2);
  Append(bytes, rate, 4);
  Append(bytes, rate * blockAlign, 4);
  Append(bytes, blockAlign, 2);
  Append(bytes, bits, 2);
  Append(bytes, "data");
  Append(bytes, static_cast<std::uint32_t>(payload.size()), 4);
  bytes.insert(bytes.end(), payload.begin(), payload.end());
  return bytes;
}

Bytes Pcm16(Long count, std::int16_t value) {
  Bytes payload;
  for (Long i = 0; i < count; ++i) Append(payload, static_cast<std::uint16_t>(value), 2);
  return payload;
}

Bytes Float32(const std::vector<float>& samples) {
  Bytes payload(samples.size() * sizeof(float));
  std::memcpy(payload.data(), samples.data(), payload.size());
  return payload;
}

// A folder of its own per process, so parallel test runs do not collide.
std::string TempFolder() {
  return ::testing::TempDir() + "quorvane_audio_" + std::to_string(::getpid()) + "/";
}

std::string TempPath(const std::string& name) { return TempFolder() + name; }

std::string WriteFile(const std::string& name, const Bytes& bytes) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
  return path;
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes OggBytes(Long frames, Int rate, Int channels = 1) {
  std::vector<float> samples;
  for (Long i = 0; i < frames * channels; ++i) samples.push_back(0.5f * std::sin(0.05f * i));
  const std::string path = TempPath("encoded.ogg");
  EXPECT_TRUE(platform::test::WriteOggVorbis(path, samples, rate, channels));
  return ReadFile(path);
}

// A mono 16-bit WAV of the given length, loaded.
Ref<TSound> LoadTone(const std::string& name, Int rate, Long frames, Int flags = 0) {
  return LoadSound(WriteFile(name, Wav(1, 1, rate, 16, Pcm16(frames, 8000))), flags);
}

class Audio : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(TempFolder());
    platform_test::RestartHeadless();
    platform::test::ClearSoundLog();
  }
  void TearDown() override { std::filesystem::remove_all(TempFolder()); }
  static Double Now() { return platform::test::VirtualNow(); }
};

TEST_F(Audio, LoadsGoodFilesAndRefusesDamagedOnes) {
  const Bytes wav = Wav(1, 1, 22050, 16, Pcm16(2205, 16384));
  const Bytes ogg = OggBytes(4000, 32000);
  Bytes flipped = ogg;
  flipped[flipped.size() / 2] ^= 0x5A;
  const struct {
    std::string name;
    Bytes bytes;
    bool loads;
    Long frames;
    Int channels, rate;
  } cases[] = {
      {"pcm16.wav", wav, true, 2205, 1, 22050},
      {"pcm8_stereo.wav", Wav(1, 2, 11025, 8, Bytes(200, '\x80')), true, 100, 2, 11025},
      {"float.wav", Wav(3, 1, 48000, 32, Float32({0.5f, -0.5f, NAN})), true, 3, 1, 48000},
      {"six_channels.wav", Wav(1, 6, 48000, 16, Pcm16(60, 0)), true, 10, 2, 48000},
      {"no_samples.wav", Wav(1, 1, 48000, 16, {}), true, 0, 1, 48000},
      {"vorbis.ogg", ogg, true, 4000, 1, 32000},
      {"32_channels.ogg", OggBytes(4800, 48000, 32), true, 4800, 2, 48000},
      {"truncated_data.wav", Bytes(wav.begin(), wav.end() - 100), false, 0, 0, 0},
      {"truncated_header.wav", Bytes(wav.begin(), wav.begin() + 30), false, 0, 0, 0},
      {"unknown_format.wav", Wav(0x1234, 1, 48000, 16, Pcm16(10, 0)), false, 0, 0, 0},
      {"no_channels.wav", Wav(1, 0, 48000, 16, Pcm16(10, 0)), false, 0, 0, 0},
      {"empty.wav", {}, false, 0, 0, 0},
      {"text.wav", Bytes(200, 'x'), false, 0, 0, 0},
      {"truncated.ogg", Bytes(ogg.begin(), ogg.end() - 40), false, 0, 0, 0},
      {"headers_only.ogg", Bytes(ogg.begin(), ogg.begin() + 200), false, 0, 0, 0},
      {"damaged.ogg", flipped, false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    const std::string path = WriteFile(c.name, c.bytes);
    const Ref<TSound> sound = LoadSound(path);
    EXPECT_EQ(sound != nullptr, c.loads) << c.name;
    const auto& record = platform::test::SoundLog().back();
    EXPECT_EQ(record.event, SoundEvent::Load);
    EXPECT_EQ(record.path, path);
    EXPECT_EQ(record.ok, c.loads) << c.name;
    if (!sound || !c.loads) continue;
    EXPECT_EQ(sound->data->Frames(), c.frames) << c.name;
    EXPECT_EQ(sound->data->channels, c.channels) << c.name;
    EXPECT_EQ(sound->data->rate, c.rate) << c.name;
    EXPECT_EQ(sound->source, String(path));
    for (float sample : sound->data->samples) ASSERT_TRUE(std::isfinite(sample)) << c.name;
  }
  EXPECT_EQ(LoadSound(TempPath("missing.wav")), nullptr);
  EXPECT_FALSE(platform::test::SoundLog().back().ok);
  EXPECT_EQ(LoadSound(TempFolder()), nullptr) << "a folder";
}

TEST_F(Audio, ChannelPlaysForExactlyTheSoundsLength) {
  const struct {
    Int sourceRate;
    Long frames;
    Float rate;
    Double lengthMs;
  } cases[] = {{48000, 4800, 1.0f, 100},
               {22050, 2205, 1.0f, 100},
               {44100, 11025, 2.0f, 125},
               {11025, 441, 0.5f, 80}};
  for (const auto& c : cases) {
    const Ref<TSound> sound = LoadTone("length.wav", c.sourceRate, c.frames);
    ASSERT_NE(sound, nullptr);
    const Ref<TChannel> channel = CueSound(sound);
    platform::test::AdvanceClock(500);
    EXPECT_FALSE(ChannelPlaying(channel)) << "a cued channel is paused";
    SetChannelRate(channel, c.rate);
    ResumeChannel(channel);
    const Double start = Now();
    EXPECT_TRUE(ChannelPlaying(channel));
    platform::test::AdvanceClock(c.lengthMs - 1);
    EXPECT_TRUE(ChannelPlaying(channel)) << c.sourceRate << " Hz, rate " << c.rate;
    platform::test::AdvanceClock(1);
    EXPECT_FALSE(ChannelPlaying(channel)) << c.sourceRate << " Hz, rate " << c.rate;
    const auto& end = platform::test::SoundLog().back();
    EXPECT_EQ(end.event, SoundEvent::End);
    EXPECT_EQ(end.channel, channel->id);
    EXPECT_DOUBLE_EQ(end.timeMs, start + c.lengthMs);
  }
}

TEST_F(Audio, RateChangedMidwayShortensTheRest) {
  const Ref<TChannel> channel = PlaySound(LoadTone("midway.wav", 48000, 9600));  // 200 ms
  platform::test::AdvanceClock(100);
  SetChannelRate(channel, 2.0f);
  SetChannelVolume(channel, 0.5f);
  platform::test::AdvanceClock(49);
  EXPECT_TRUE(ChannelPlaying(channel));
  platform::test::AdvanceClock(1);
  EXPECT_FALSE(ChannelPlaying(channel));
}

TEST_F(Audio, VoiceOutlivesItsSoundAndChannel) {
  Ref<TSound> sound = LoadTone("select.wav", 48000, 4800);
  const std::string path = sound->source.ToUtf8();
  Ref<TChannel> channel = PlaySound(sound);
  const Long id = channel->id;
  const std::weak_ptr<const SoundData> data = sound->data;
  sound = nullptr;
  channel = nullptr;
  platform::test::AdvanceClock(50);
  EXPECT_EQ(platform::test::PlayingSounds(), std::vector<std::string>{path});
  EXPECT_FALSE(data.expired());
  platform::test::AdvanceClock(50);
  EXPECT_TRUE(platform::test::PlayingSounds().empty());
  EXPECT_TRUE(data.expired()) << "the ended voice left the mixer with its samples";
  const auto& end = platform::test::SoundLog().back();
  EXPECT_EQ(end.event, SoundEvent::End);
  EXPECT_EQ(end.channel, id);
}

TEST_F(Audio, RestartOnOneChannelOverlapOnTwo) {
  const Ref<TSound> sound = LoadTone("blip.wav", 48000, 4800);
  Ref<TChannel> first = PlaySound(sound);
  platform::test::AdvanceClock(10);
  StopChannel(first);
  first = PlaySound(sound);
  EXPECT_EQ(platform::test::PlayingSounds().size(), 1u);
  const Ref<TChannel> second = PlaySound(sound);
  EXPECT_EQ(platform::test::PlayingSounds().size(), 2u);
  EXPECT_TRUE(ChannelPlaying(first));
  EXPECT_TRUE(ChannelPlaying(second));
  EXPECT_NE(first->id, second->id);
}

// A stopped voice fades out for 5 ms on the silent device's clock, then
// leaves with its samples and no end in the log.
TEST_F(Audio, StoppedVoiceFadesOutThenLeaves) {
  Ref<TSound> sound = LoadTone("cut.wav", 48000, 48000);
  const std::weak_ptr<const SoundData> data = sound->data;
  StopChannel(PlaySound(sound));
  sound = nullptr;
  for (const Double ms : {4.0, 1.0}) {
    EXPECT_FALSE(data.expired()) << "still fading out";
    platform::test::AdvanceClock(ms);
    platform::UpdateAudio();
  }
  EXPECT_TRUE(data.expired());
  EXPECT_EQ(platform::test::SoundLog().back().event, SoundEvent::Stop);
}

TEST_F(Audio, LoopingSoundPlaysUntilStopped) {
  const Ref<TChannel> channel = PlaySound(LoadTone("music.wav", 48000, 480, SOUND_LOOP));
  platform::test::AdvanceClock(1000);
  EXPECT_TRUE(ChannelPlaying(channel));
  StopChannel(channel);
  EXPECT_FALSE(ChannelPlaying(channel));
  EXPECT_TRUE(platform::test::PlayingSounds().empty());
}

TEST_F(Audio, ChannelsWithoutAVoiceAreHarmless) {
  const Ref<TSound> sound = LoadTone("harmless.wav", 48000, 480);  // 10 ms
  const Ref<TChannel> background = PlaySound(LoadTone("background.wav", 48000, 48000));
  const Ref<TChannel> stopped = PlaySound(sound);
  StopChannel(stopped);
  const Ref<TChannel> stoppedWhileCued = CueSound(sound);
  StopChannel(stoppedWhileCued);
  const Ref<TChannel> finished = PlaySound(sound);
  platform::test::AdvanceClock(20);
  const struct {
    const char* name;
    Ref<TChannel> channel;
  } cases[] = {{"Null", nullptr},
               {"not made by CueSound", New<TChannel>()},
               {"stopped", stopped},
               {"stopped while cued", stoppedWhileCued},
               {"finished", finished}};
  for (const auto& c : cases) {
    SetChannelVolume(c.channel, 0.5f);
    SetChannelRate(c.channel, 2.0f);
    ResumeChannel(c.channel);
    StopChannel(c.channel);
    EXPECT_FALSE(ChannelPlaying(c.channel)) << c.name;
    EXPECT_EQ(platform::test::PlayingSounds().size(), 1u) << c.name;
  }
  EXPECT_TRUE(ChannelPlaying(background));
  EXPECT_EQ(CueSound(nullptr), nullptr);
  EXPECT_EQ(PlaySound(nullptr), nullptr);
}

TEST_F(Audio, SoundLogRecordsEveryCall) {
  const Ref<TSound> sound = LoadTone("log.wav", 48000, 4800);
  const std::string path = sound->source.ToUtf8();
  platform::test::ClearSoundLog();
  const Ref<TChannel> channel = CueSound(sound);
  SetChannelVolume(channel, 0.5f);
  SetChannelRate(channel, 1.5f);
  platform::test::AdvanceClock(5);
  ResumeChannel(channel);
  platform::test::AdvanceClock(30);
  StopChannel(channel);
  const Ref<TChannel> again = PlaySound(sound);
  platform::test::AdvanceClock(200);
  platform::UpdateAudio();

  const struct {
    SoundEvent event;
    Long channel;
    Double timeMs;
    Float value;
  } expected[] = {
      {SoundEvent::Cue, channel->id, 0, 0},     {SoundEvent::Volume, channel->id, 0, 0.5f},
      {SoundEvent::Rate, channel->id, 0, 1.5f}, {SoundEvent::Resume, channel->id, 5, 0},
      {SoundEvent::Stop, channel->id, 35, 0},   {SoundEvent::Cue, again->id, 35, 0},
      {SoundEvent::Resume, again->id, 35, 0},   {SoundEvent::End, again->id, 135, 0}};
  const auto& log = platform::test::SoundLog();
  ASSERT_EQ(log.size(), std::size(expected));
  for (size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].event, expected[i].event) << i;
    EXPECT_EQ(log[i].path, path) << i;
    EXPECT_EQ(log[i].channel, expected[i].channel) << i;
    EXPECT_DOUBLE_EQ(log[i].timeMs, expected[i].timeMs) << i;
    EXPECT_FLOAT_EQ(log[i].value, expected[i].value) << i;
  }
}

}  // namespace
