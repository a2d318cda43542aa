// A small cascade formant synthesiser (glottal pulses through three moving
// resonators) and the espeak-ng run for the spoken title.
#include "voices.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// A piecewise-linear curve through (time, value) keys, held at both ends.
Curve Track(std::vector<std::pair<float, float>> keys) {
  return [keys](float t) {
    if (t <= keys.front().first) return keys.front().second;
    for (size_t i = 1; i < keys.size(); ++i) {
      if (t <= keys[i].first) {
        const float u = (t - keys[i - 1].first) / (keys[i].first - keys[i - 1].first);
        return keys[i - 1].second + (keys[i].second - keys[i - 1].second) * u;
      }
    }
    return keys.back().second;
  };
}

// A band-limited glottal pulse train: harmonics up to 5 kHz falling 6 dB
// per octave (source and lip radiation together).
Signal Glottal(float seconds, const Curve& f0) {
  Signal s(Frames(seconds));
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double hz = f0(static_cast<float>(i) / kSampleRate);
    const int harmonics = static_cast<int>(5000 / hz);
    double sum = 0;
    for (int k = 1; k <= harmonics; ++k) sum += std::sin(k * phase) / k;
    s[i] = static_cast<float>(sum * 0.5);
    phase = std::fmod(phase + kTwoPi * hz / kSampleRate, kTwoPi);
  }
  return s;
}

std::vector<std::uint8_t> RunEspeak(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) throw std::runtime_error("cannot run espeak-ng");
  std::vector<std::uint8_t> bytes;
  unsigned char buffer[4096];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  if (pclose(pipe) != 0) throw std::runtime_error("espeak-ng failed: " + command);
  return bytes;
}

// Drops the silence before the first and after the last sample above
// `threshold` of the peak, keeping `margin` seconds on each side.
void TrimSilence(Signal& s, float threshold, float margin) {
  const float level = Peak(s) * threshold;
  const auto loud = [level](float v) { return std::fabs(v) > level; };
  const auto first = std::find_if(s.begin(), s.end(), loud);
  if (first == s.end()) throw std::runtime_error("espeak-ng produced silence");
  const auto last = std::find_if(s.rbegin(), s.rend(), loud).base();
  const auto keep = static_cast<std::ptrdiff_t>(margin * kSampleRate);
  const auto begin = std::max(s.begin(), first - keep);
  const auto end = std::min(s.end(), last + keep);
  s = Signal(begin, end);
}

double Lanczos(double x, int a) {
  if (x == 0) return 1;
  if (std::fabs(x) >= a) return 0;
  const double px = kTwoPi / 2 * x;
  return a * std::sin(px) * std::sin(px / a) / (px * px);
}

// Resamples to the output rate, played `speed` times as fast (below 1:
// slower and deeper).
Signal Resample(const Signal& in, int rate, double speed) {
  const double step = rate * speed / kSampleRate;
  const auto frames = static_cast<size_t>(in.size() / step);
  const int a = 6;
  Signal out(frames);
  for (size_t n = 0; n < frames; ++n) {
    const double x = n * step;
    const auto base = static_cast<long>(std::floor(x));
    double sum = 0;
    for (long k = base - a + 1; k <= base + a; ++k) {
      if (k >= 0 && k < static_cast<long>(in.size())) sum += in[k] * Lanczos(x - k, a);
    }
    out[n] = static_cast<float>(sum);
  }
  return out;
}

}  // namespace

void RequireSpeechTool() {
  const char* path = std::getenv("PATH");
  std::stringstream dirs(path ? path : "");
  std::string dir;
  while (std::getline(dirs, dir, ':')) {
    if (!dir.empty() && std::filesystem::exists(std::filesystem::path(dir) / "espeak-ng")) return;
  }
  throw std::runtime_error("missing espeak-ng (install the Debian package espeak-ng)");
}

Signal MakeYum() {
  const float length = 0.35f;
  Signal s = Glottal(length, Track({{0, 230}, {0.12f, 262}, {0.35f, 245}}));
  // "y" glide into the open vowel, closing into the nasal "m".
  Resonate(s, Track({{0.04f, 280}, {0.11f, 660}, {0.2f, 640}, {0.25f, 260}}),
           Track({{0.2f, 80}, {0.25f, 160}}));
  Resonate(s, Track({{0.04f, 2250}, {0.11f, 1300}, {0.2f, 1200}, {0.25f, 1100}}), Constant(110));
  Resonate(s, Track({{0.04f, 2900}, {0.11f, 2550}, {0.25f, 2300}}), Constant(160));
  Filter(s, FilterType::kLowPass, Track({{0.2f, 6000}, {0.25f, 900}}), 0.7f);
  Shape(s, Track({{0, 0}, {0.02f, 0.55f}, {0.1f, 1}, {0.2f, 1}, {0.25f, 0.55f}, {0.35f, 0}}));
  FadeEdges(s, 0.003f, 0.02f);
  return s;
}

Signal MakeSpokenTitle() {
  int rate = 0;
  Signal s = ParseWav(
      RunEspeak("espeak-ng --stdout -v en-us+m4 -p 30 -s 130 \"[[kw'o@v,eIn]]\" 2>/dev/null"),
      rate);
  TrimSilence(s, 0.01f, 0.01f);
  s = Resample(s, rate, 0.93);
  Filter(s, FilterType::kHighPass, Constant(70), 0.7f);
  Echo(s, 0.12f, 0.22f, 2);
  // Keep the spoken title between one and one and a half seconds.
  s.resize(std::clamp<size_t>(s.size(), Frames(1.0f), Frames(1.45f)), 0.0f);
  FadeEdges(s, 0.004f, 0.1f);
  return s;
}

}  // namespace datagen
