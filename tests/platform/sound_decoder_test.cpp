// The sound decoders' guards against hostile files: the WAV chunk walk run
// before SDL's reader, and the cap on decoded samples as many channels are
// mixed down to stereo.
#include <gtest/gtest.h>

#include <array>

#include "platform/mixer.h"
#include "platform/sound_decoders.h"

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

// A RIFF WAVE file: a format chunk (8-bit mono, 8000 Hz), then the chunks.
Bytes Wav(const std::vector<Chunk>& chunks, Long riffSize = -1) {
  Bytes body = {'W', 'A', 'V', 'E'};
  Put(body, "fmt ", 16);
  body.insert(body.end(), {1, 0, 1, 0, 0x40, 0x1F, 0, 0, 0x40, 0x1F, 0, 0, 1, 0, 8, 0});
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

TEST(SoundDecoders, MixDownToStereoWithinTheCap) {
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
    EXPECT_FALSE(AppendDownmixed(out, pointers, 2, 2 * size));
    ASSERT_EQ(out.size(), 1u) << "nothing appended past the cap";
    ASSERT_TRUE(AppendDownmixed(out, pointers, 2, 1 + 2 * size));
    for (Long i = 0; i < size; ++i) {
      EXPECT_FLOAT_EQ(out[1 + i], c.out[i]) << c.frame.size() << " channels";
      EXPECT_FLOAT_EQ(out[1 + size + i], c.out[i] / 2) << c.frame.size() << " channels";
    }
  }
}

}  // namespace
