// The sound decoders' guards against hostile files: the WAV chunk walk run
// before SDL's reader, the checks every decoded sound meets, and the cap on
// decoded samples, counted before many channels are mixed down to stereo.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "platform/mixer.h"
#include "platform/sound_decoders.h"
#include "platform/testing.h"

namespace {

using Bytes = std::vector<Byte>;
using platform::detail::AppendDownmixed;
using platform::detail::DecodeSound;

void Put(Bytes& bytes, const std::string& tag, Long size) {
  bytes.insert(bytes.end(), tag.begin(), tag.end());
  for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<Byte>(size >> (8 * i)));
}

struct Chunk {
  std::string id;
  Long claimed;  // the size in its header
  Bytes body;    // as written, pad byte included
};

// PCM: channels, frames per second, bytes per block, bits per sample.
struct Format {
  Byte channels = 1;
  Long rate = 8000;
  Byte blockAlign = 1;
  Byte bits = 8;
};

// A RIFF WAVE file: a format chunk, then the chunks.
Bytes Wav(const std::vector<Chunk>& chunks, Long riffSize = -1, Format format = {}) {
  Bytes body = {'W', 'A', 'V', 'E'};
  Put(body, "fmt ", 16);
  body.insert(body.end(), {1, 0, format.channels, 0});
  Put(body, "", format.rate);
  Put(body, "", format.rate * format.blockAlign);
  body.insert(body.end(), {format.blockAlign, 0, format.bits, 0});
  for (const Chunk& chunk : chunks) {
    Put(body, chunk.id, chunk.claimed);
    body.insert(body.end(), chunk.body.begin(), chunk.body.end());
  }
  Bytes file;
  Put(file, "RIFF", riffSize < 0 ? static_cast<Long>(body.size()) : riffSize);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

TEST(SoundDecoders, WavChunksMustFitInTheFile) {
  const Bytes six(6, 0xC0);
  Bytes junkAfterRiff = Wav({{"data", 6, six}});
  Put(junkAfterRiff, "junk", 0xFFFFFFFF);
  const struct {
    const char* name;
    Bytes file;
    Long frames;  // -1: refused
  } cases[] = {
      {"plain", Wav({{"data", 6, six}}), 6},
      {"odd list padded", Wav({{"LIST", 3, Bytes(4, 'x')}, {"data", 6, six}}), 6},
      {"odd data last unpadded", Wav({{"data", 5, Bytes(5, 0xC0)}}), 5},
      {"riff size 0", Wav({{"data", 6, six}}, 0), 6},
      {"junk after the riff's end", junkAfterRiff, 6},
      {"data of 2.6 GB", Wav({{"data", 0x9E840000, six}}), -1},
      {"data one byte past the end", Wav({{"data", 7, six}}), -1},
      {"list past the end after data", Wav({{"data", 6, six}, {"LIST", 100, {}}}), -1},
      {"odd list unpadded", Wav({{"LIST", 3, Bytes(3, 'x')}, {"data", 6, six}}), -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::detail::WavChunksFit(c.file), c.frames >= 0) << c.name;
    const auto data = DecodeSound(c.file, platform::detail::kMaxSoundSamples);
    EXPECT_EQ(data ? data->Frames() : -1, c.frames) << c.name;
  }
  EXPECT_EQ(DecodeSound(Wav({{"data", 6, six}}), 5), nullptr) << "over the cap";
}

// A sound holds whole frames at a rate up to the maximum: SDL's reader
// passes a stereo file whose blocks are one byte, and its odd last byte, a
// partial frame, is dropped; with 24-bit samples it would read past them.
TEST(SoundDecoders, WavGivesWholeFramesAtARateWithinTheMaximum) {
  const Long maxRate = platform::detail::kMaxSoundRate;
  const struct {
    Format format;
    Long frames;  // -1: refused
  } cases[] = {
      {{1, maxRate, 1}, 25},
      {{1, maxRate + 1, 1}, -1},
      {{2, 8000, 1}, 12},
      {{2, 8000, 1, 24}, -1},
  };
  for (const auto& c : cases) {
    const auto data = DecodeSound(Wav({{"data", 25, Bytes(26, 0xC0)}}, -1, c.format),
                                  platform::detail::kMaxSoundSamples);
    EXPECT_EQ(data ? data->Frames() : -1, c.frames) << c.format.rate << " Hz";
    if (data) {
      EXPECT_EQ(data->samples.size(), std::size_t(c.frames * data->channels));
    }
  }
}

// An Ogg Vorbis file of noise, written at test time, as bytes; its last page
// states statedFrames frames when that is not negative.
Bytes Ogg(Long frames, Int channels, Long statedFrames = -1) {
  const std::string path =
      ::testing::TempDir() + "quorvane_sound_" + std::to_string(::getpid()) + ".ogg";
  std::vector<float> noise(frames * channels);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = float(i * 7919 % 1000) / 1000 - 0.5f;
  EXPECT_TRUE(platform::test::WriteOggVorbis(path, noise, 44100, channels, statedFrames));
  std::ifstream in(path, std::ios::binary);
  Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::remove(path.c_str());
  return bytes;
}

// The cap counts every channel's samples, since decoding work grows with
// them, though the sound keeps only its stereo mix-down.
TEST(SoundDecoders, OggCapCountsEveryChannel) {
  constexpr Long kFrames = 2000;
  constexpr Int kChannels = 32;
  const Bytes ogg = Ogg(kFrames, kChannels);
  const auto atCap = DecodeSound(ogg, kFrames * kChannels);
  ASSERT_NE(atCap, nullptr);
  EXPECT_EQ(atCap->Frames(), kFrames);
  EXPECT_EQ(atCap->samples.size(), atCap->samples.capacity()) << "allocated once";
  EXPECT_EQ(DecodeSound(ogg, kFrames * kChannels - 1), nullptr);
}

// An Ogg decodes to the length its last page states, or is refused: a claim
// of more frames than it holds would keep a buffer of that length. Chained
// streams decode every link, a short first one included.
TEST(SoundDecoders, OggDecodesToItsStatedLength) {
  constexpr Long kFrames = 20000;
  for (const Long stated : {kFrames, kFrames * 100, kFrames / 2}) {
    const auto data = DecodeSound(Ogg(kFrames, 1, stated), platform::detail::kMaxSoundSamples);
    EXPECT_EQ(data ? data->Frames() : -1, stated == kFrames ? kFrames : -1) << stated;
  }
  Bytes chained = Ogg(1000, 1);
  const Bytes second = Ogg(kFrames, 1);
  chained.insert(chained.end(), second.begin(), second.end());
  const auto data = DecodeSound(chained, platform::detail::kMaxSoundSamples);
  EXPECT_EQ(data ? data->Frames() : -1, 1000 + kFrames);
}

TEST(SoundDecoders, MixDownToStereo) {
  const struct {
    std::vector<float> frame;  // one value per channel
    std::vector<float> out;
  } cases[] = {
      {{0.5f}, {0.5f}},
      {{0.5f, -0.25f}, {0.5f, -0.25f}},
      {{0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f}, {0.325f, 0.4f}},  // 5.1: L C R L R LFE
      {{0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f}, {0.4f, 0.5f}},
  };
  for (const auto& c : cases) {
    std::vector<std::array<float, 2>> planes;  // the frame, then half of it
    for (float v : c.frame) planes.push_back({v, v / 2});
    std::vector<const float*> pointers;
    for (const auto& plane : planes) pointers.push_back(plane.data());
    std::vector<float> out = {9.0f};
    const auto size = static_cast<Long>(c.out.size());
    AppendDownmixed(out, pointers, 2);
    ASSERT_EQ(out.size(), std::size_t(1 + 2 * size));
    for (Long i = 0; i < size; ++i) {
      EXPECT_FLOAT_EQ(out[1 + i], c.out[i]) << c.frame.size() << " channels";
      EXPECT_FLOAT_EQ(out[1 + size + i], c.out[i] / 2) << c.frame.size() << " channels";
    }
  }
}

}  // namespace
