// The data folder's sound effects: the exact WAV layout, lengths, levels
// and silent edges, read straight from the files, and decoding by the
// platform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "data_files.h"
#include "platform/audio.h"

namespace {

using data_files::Le;

struct SoundCase {
  const char* name;
  double minSeconds, maxSeconds;
  double peakDb;
};

const SoundCase kSounds[] = {
    {"blip.wav", 0.06, 0.09, -9.4},  {"pickup.wav", 0.15, 0.2, -6},
    {"yum.wav", 0.3, 0.4, -7.4},     {"hit.wav", 0.15, 0.25, -5.9},
    {"dead.wav", 1.0, 1.3, -3.8},    {"start.wav", 0.5, 0.7, -6},
    {"success.wav", 1.4, 1.8, -5.4}, {"splashsound.wav", 2.0, 2.9, -6},
    {"select.wav", 0.12, 0.2, -8},   {"quorvane.wav", 1.0, 1.5, -3},
    {"gameover.wav", 2.0, 3.0, -4},
};

std::string PathOf(const std::string& name) { return data_files::kData + "Sound/" + name; }

// The samples of a canonical 44-byte-header 16-bit mono 44.1 kHz PCM file;
// fails the test and returns nothing for any other layout.
std::vector<int> Samples(const std::string& name) {
  const auto b = data_files::ReadBytes(PathOf(name));
  const auto tag = [&](size_t at, const char* t) {
    return b.size() >= at + 4 && std::equal(t, t + 4, b.begin() + at);
  };
  EXPECT_TRUE(b.size() > 44 && tag(0, "RIFF") && tag(8, "WAVE") && tag(12, "fmt ") &&
              tag(36, "data"))
      << name;
  if (b.size() <= 44) return {};
  EXPECT_EQ(Le(b, 4, 4), b.size() - 8) << name;
  EXPECT_EQ(Le(b, 16, 4), 16u) << name;
  EXPECT_EQ(Le(b, 20, 2), 1u) << name << " format";
  EXPECT_EQ(Le(b, 22, 2), 1u) << name << " channels";
  EXPECT_EQ(Le(b, 24, 4), 44100u) << name << " rate";
  EXPECT_EQ(Le(b, 28, 4), 88200u) << name << " byte rate";
  EXPECT_EQ(Le(b, 32, 2), 2u) << name << " block";
  EXPECT_EQ(Le(b, 34, 2), 16u) << name << " bits";
  EXPECT_EQ(Le(b, 40, 4), b.size() - 44) << name << " data size";
  std::vector<int> s;
  for (size_t i = 44; i + 1 < b.size(); i += 2) s.push_back(static_cast<std::int16_t>(Le(b, i, 2)));
  return s;
}

int PeakOf(const std::vector<int>& s) {
  int peak = 0;
  for (const int v : s) peak = std::max(peak, std::abs(v));
  return peak;
}

double Db(int peak) { return 20 * std::log10(peak / 32768.0); }

TEST(DataSounds, LengthsAndLevelsAreAsDesigned) {
  for (const SoundCase& c : kSounds) {
    const std::vector<int> s = Samples(c.name);
    const double seconds = s.size() / 44100.0;
    EXPECT_GE(seconds, c.minSeconds) << c.name;
    EXPECT_LE(seconds, c.maxSeconds) << c.name;
    const int peak = PeakOf(s);
    EXPECT_LT(peak, 32767) << c.name << " reaches full scale";
    EXPECT_NEAR(Db(peak), c.peakDb, 0.5) << c.name;
  }
}

// Faded edges: no click when a sound starts, ends or is cut short.
TEST(DataSounds, StartAndEndAtSilence) {
  for (const SoundCase& c : kSounds) {
    const std::vector<int> s = Samples(c.name);
    if (s.size() < 200) continue;
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_LE(std::abs(s[i]), 16) << c.name << " first samples";
      EXPECT_LE(std::abs(s[s.size() - 1 - i]), 16) << c.name << " last samples";
    }
    const int edge = PeakOf({s.end() - 44, s.end()});
    EXPECT_LE(edge, PeakOf(s) / 8) << c.name << " last millisecond";
  }
}

// Sounds that the game starts in the same frame, summed sample by sample as
// the mixer sums them at full volume.
struct GroupCase {
  std::vector<const char*> names;
  double maxDb;
};

std::string Describe(const GroupCase& g) {
  std::string text;
  for (const char* name : g.names) text += (text.empty() ? "" : " + ") + std::string(name);
  return text;
}

int SumPeak(const GroupCase& g) {
  std::vector<int> sum;
  for (const char* name : g.names) {
    const std::vector<int> s = Samples(name);
    if (sum.size() < s.size()) sum.resize(s.size(), 0);
    for (size_t i = 0; i < s.size(); ++i) sum[i] += s[i];
  }
  return PeakOf(sum);
}

// Every drink, hit and time-out keeps 1 dB of headroom; rarer coincidences
// (a tick in the same frame, a menu key starting the next screen's sound)
// only stay below full scale.
TEST(DataSounds, SoundsPlayedTogetherStayBelowFullScale) {
  const GroupCase groups[] = {
      {{"pickup.wav", "yum.wav"}, -1},
      {{"pickup.wav", "yum.wav", "success.wav"}, -1},
      {{"pickup.wav", "yum.wav", "blip.wav"}, -1},
      {{"hit.wav", "dead.wav"}, -1},
      {{"dead.wav", "blip.wav"}, -1},
      {{"pickup.wav", "yum.wav", "success.wav", "blip.wav"}, 0},
      {{"hit.wav", "dead.wav", "blip.wav"}, 0},
      {{"select.wav", "start.wav"}, 0},
      {{"select.wav", "start.wav", "blip.wav"}, 0},
      {{"select.wav", "quorvane.wav"}, 0},
  };
  for (const GroupCase& g : groups) {
    const int peak = SumPeak(g);
    const double ceiling = 32767 * std::pow(10, g.maxDb / 20);
    EXPECT_LT(peak, ceiling) << Describe(g) << " peaks at " << Db(peak) << " dBFS";
  }
}

TEST(DataSounds, ThePlatformLoadsEverySound) {
  data_files::StartHeadless();
  for (const SoundCase& c : kSounds) {
    EXPECT_TRUE(LoadSound(String(PathOf(c.name)))) << c.name;
  }
}

}  // namespace
