// The mixing function on small buffers: gain, rate, interpolation, clipping,
// voice ends, and the fade-out of a cut voice.
#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace {

using platform::mixer::Mixer;
using platform::mixer::Voice;
using platform::mixer::VoiceState;

std::shared_ptr<const SoundData> Data(std::vector<float> samples, Int rate = 48000,
                                      Int channels = 1) {
  auto data = std::make_shared<SoundData>();
  data->samples = std::move(samples);
  data->rate = rate;
  data->channels = channels;
  return data;
}

Voice MakeVoice(Long id, std::shared_ptr<const SoundData> data, Float volume = 1.0f,
                Float rate = 1.0f) {
  return Voice{.id = id, .data = std::move(data), .path = "tone", .volume = volume, .rate = rate};
}

// Mixes frames stereo frames in one call; returns the interleaved output.
std::vector<float> MixFrames(Mixer& mixer, Long frames) {
  std::vector<float> out(2 * frames, 123.0f);
  platform::mixer::Mix(mixer, out);
  return out;
}

std::vector<float> LeftOf(const std::vector<float>& stereo) {
  std::vector<float> left;
  for (size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i]);
  return left;
}

std::vector<float> Sine(Int frames, Double period, float peak) {
  std::vector<float> samples;
  for (Int i = 0; i < frames; ++i) {
    samples.push_back(peak *
                      static_cast<float>(std::sin(2 * std::numbers::pi * (i + 0.3) / period)));
  }
  return samples;
}

TEST(Mixer, VolumeScalesThePeak) {
  const struct {
    Float volume;
    float gain;
  } cases[] = {{1.0f, 1.0f},
               {0.5f, 0.5f},
               {0.0f, 0.0f},
               {-1.0f, 0.0f},
               {std::numeric_limits<Float>::quiet_NaN(), 0.0f},
               {3.0f, 1.0f}};  // 1.0 is full volume
  const std::vector<float> sine = Sine(64, 16, 0.8f);
  float sourcePeak = 0;
  for (float s : sine) sourcePeak = std::max(sourcePeak, std::fabs(s));
  for (const auto& c : cases) {
    Mixer mixer;
    mixer.voices.push_back(MakeVoice(1, Data(sine), c.volume));
    float peak = 0;
    for (float s : MixFrames(mixer, 64)) peak = std::max(peak, std::fabs(s));
    EXPECT_FLOAT_EQ(peak, c.gain * sourcePeak) << "volume " << c.volume;
  }
}

// Checked sample by sample: a NaN sample would not show in a peak.
TEST(Mixer, NaNVolumeMixesSilence) {
  Mixer mixer;
  mixer.voices.push_back(
      MakeVoice(1, Data(Sine(64, 16, 0.8f)), std::numeric_limits<Float>::quiet_NaN()));
  for (const float sample : MixFrames(mixer, 64)) ASSERT_EQ(sample, 0.0f);
}

TEST(Mixer, RateChangesLengthAndPitch) {
  const struct {
    Float rate;
    Long frames;
    Double period;  // distance between rising zero crossings
  } cases[] = {{1.0f, 256, 32}, {2.0f, 128, 16}, {0.5f, 512, 64}, {4.0f, 64, 8}};
  for (const auto& c : cases) {
    Mixer mixer;
    mixer.voices.push_back(MakeVoice(1, Data(Sine(256, 32, 1.0f)), 1.0f, c.rate));
    const std::vector<float> left = LeftOf(MixFrames(mixer, 1024));
    EXPECT_EQ(mixer.voices[0].endFrame, c.frames) << "rate " << c.rate;
    std::vector<Long> rising;
    for (Long i = 1; i < c.frames; ++i) {
      if (left[i - 1] < 0 && left[i] >= 0) rising.push_back(i);
    }
    ASSERT_GE(rising.size(), 2u) << "rate " << c.rate;
    const Double period = static_cast<Double>(rising.back() - rising.front()) /
                          static_cast<Double>(rising.size() - 1);
    EXPECT_NEAR(period, c.period, 0.01) << "rate " << c.rate;
  }
}

TEST(Mixer, ResamplesByLinearInterpolation) {
  const struct {
    Int sourceRate;
    std::vector<float> samples;
    std::vector<float> left;
  } cases[] = {
      {24000, {0.0f, 1.0f}, {0.0f, 0.5f, 1.0f, 0.5f, 0.0f, 0.0f}},  // then silence
      {96000, {0.0f, 0.25f, 0.5f, 0.75f}, {0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f}},
      {12000, {0.8f}, {0.8f, 0.6f, 0.4f, 0.2f, 0.0f, 0.0f}},
  };
  for (const auto& c : cases) {
    Mixer mixer;
    mixer.voices.push_back(MakeVoice(1, Data(c.samples, c.sourceRate)));
    const std::vector<float> left = LeftOf(MixFrames(mixer, 6));
    for (size_t i = 0; i < left.size(); ++i) {
      EXPECT_FLOAT_EQ(left[i], c.left[i]) << "source rate " << c.sourceRate << " frame " << i;
    }
  }
}

TEST(Mixer, EndsAfterExactlyItsLength) {
  const struct {
    Int sourceRate, deviceRate;
    Long frames;
    Float rate;
    Long deviceFrames;
  } cases[] = {{44100, 48000, 441, 1.0f, 480}, {22050, 48000, 2205, 1.0f, 4800},
               {48000, 48000, 100, 2.0f, 50},  {48000, 48000, 101, 2.0f, 51},
               {44100, 48000, 441, 0.5f, 960}, {8000, 48000, 1, 1.0f, 6},
               {48000, 44100, 480, 1.0f, 441}, {11025, 48000, 0, 1.0f, 0}};
  for (const auto& c : cases) {
    Mixer mixer;
    mixer.deviceRate = c.deviceRate;
    mixer.voices.push_back(
        MakeVoice(1, Data(std::vector<float>(c.frames, 0.5f), c.sourceRate), 1.0f, c.rate));
    // Mixed in uneven pieces, as the silent device does.
    for (Long piece : {7, 300, 1000, 4000}) MixFrames(mixer, piece);
    EXPECT_EQ(mixer.voices[0].state, VoiceState::Ended);
    EXPECT_EQ(mixer.voices[0].endFrame, c.deviceFrames)
        << c.frames << " frames at " << c.sourceRate << " Hz, rate " << c.rate;
  }
}

TEST(Mixer, EndedVoiceIsSilentAndLeaves) {
  Mixer mixer;
  mixer.voices.push_back(MakeVoice(1, Data(std::vector<float>(10, 0.5f))));
  mixer.voices.push_back(MakeVoice(2, Data(std::vector<float>(100, 0.25f))));
  const std::vector<float> left = LeftOf(MixFrames(mixer, 20));
  EXPECT_FLOAT_EQ(left[9], 0.75f);
  EXPECT_FLOAT_EQ(left[10], 0.25f);
  EXPECT_EQ(platform::mixer::FindPlaying(mixer, 1), nullptr);
  EXPECT_NE(platform::mixer::FindPlaying(mixer, 2), nullptr);

  const std::vector<Voice> ended = platform::mixer::TakeFinished(mixer);
  ASSERT_EQ(ended.size(), 1u);
  EXPECT_EQ(ended[0].id, 1);
  EXPECT_EQ(ended[0].endFrame, 10);
  ASSERT_EQ(mixer.voices.size(), 1u);
  EXPECT_EQ(mixer.voices[0].id, 2);
  EXPECT_TRUE(platform::mixer::TakeFinished(mixer).empty());
}

// A cut voice stops being its channel's at once, but what was heard falls
// linearly to 0 over 5 ms (across mixing calls) rather than with a click;
// then it leaves as Stopped, not Ended, whether its fade or its sound ran out.
TEST(Mixer, StoppedVoiceFadesOutThenLeaves) {
  for (const Int deviceRate : {48000, 44100, 22050}) {
    const Long fade = deviceRate / 200;
    Mixer mixer;
    mixer.deviceRate = deviceRate;
    mixer.voices.push_back(MakeVoice(1, Data(std::vector<float>(2 * fade, 0.1f), deviceRate)));
    mixer.voices.push_back(
        MakeVoice(2, Data(std::vector<float>(4 * fade, 0.5f), deviceRate), 0.8f, 1.0f));
    mixer.voices.push_back(MakeVoice(3, Data(std::vector<float>(20, 0.3f), deviceRate)));
    MixFrames(mixer, 10);
    EXPECT_TRUE(platform::mixer::StopVoice(mixer, 2));
    EXPECT_TRUE(platform::mixer::StopVoice(mixer, 3));
    EXPECT_FALSE(platform::mixer::StopVoice(mixer, 2)) << "already cut";
    EXPECT_EQ(platform::mixer::FindPlaying(mixer, 2), nullptr);
    std::vector<float> left = LeftOf(MixFrames(mixer, 7));
    for (float s : LeftOf(MixFrames(mixer, fade + 3))) left.push_back(s);
    for (Long i = 0; i < fade + 10; ++i) {
      const float tail = i < fade ? 0.4f * static_cast<float>(fade - i) / fade : 0.0f;
      const float shortVoice = i < 10 ? 0.3f * static_cast<float>(fade - i) / fade : 0.0f;
      ASSERT_NEAR(left[i], 0.1f + tail + shortVoice, 1e-6) << deviceRate << " Hz, frame " << i;
    }
    const std::vector<Voice> ended = platform::mixer::TakeFinished(mixer);
    ASSERT_EQ(ended.size(), 2u) << deviceRate;
    for (const Voice& voice : ended) EXPECT_EQ(voice.state, VoiceState::Stopped);
    ASSERT_EQ(mixer.voices.size(), 1u);
    EXPECT_EQ(mixer.voices[0].id, 1);
  }
}

TEST(Mixer, FullScaleVoicesClipNotWrap) {
  const struct {
    float a, b, sum;
  } cases[] = {{1.0f, 1.0f, 1.0f},
               {-1.0f, -1.0f, -1.0f},
               {0.9f, 0.9f, 1.0f},
               {0.75f, -0.25f, 0.5f},
               {-0.5f, -0.25f, -0.75f}};
  for (const auto& c : cases) {
    Mixer mixer;
    mixer.voices.push_back(MakeVoice(1, Data(std::vector<float>(8, c.a))));
    mixer.voices.push_back(MakeVoice(2, Data(std::vector<float>(8, c.b))));
    for (float s : MixFrames(mixer, 4)) EXPECT_FLOAT_EQ(s, c.sum) << c.a << " + " << c.b;
  }
}

TEST(Mixer, MonoOnBothSidesStereoKeepsItsSides) {
  Mixer mixer;
  mixer.voices.push_back(MakeVoice(1, Data({0.3f, 0.3f})));
  mixer.voices.push_back(MakeVoice(2, Data({0.2f, -0.4f, 0.2f, -0.4f}, 48000, 2)));
  const std::vector<float> out = MixFrames(mixer, 2);
  EXPECT_FLOAT_EQ(out[0], 0.5f);
  EXPECT_FLOAT_EQ(out[1], -0.1f);
  EXPECT_FLOAT_EQ(out[2], 0.5f);
  EXPECT_FLOAT_EQ(out[3], -0.1f);
}

}  // namespace
