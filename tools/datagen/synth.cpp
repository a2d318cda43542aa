// Oscillators, filters, effects and WAV files.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

#include "noise.h"

namespace datagen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

float TimeOf(size_t frame) { return static_cast<float>(frame) / kSampleRate; }

// Correction of a naive step at phase 0 (polynomial band-limited step).
double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

double WaveSample(Wave wave, double phase, double dt) {
  switch (wave) {
    case Wave::kSine:
      return std::sin(kTwoPi * phase);
    case Wave::kTriangle:
      return 4 * std::fabs(phase - 0.5) - 1;
    case Wave::kSquare:
      return (phase < 0.5 ? 1 : -1) + PolyBlep(phase, dt) - PolyBlep(std::fmod(phase + 0.5, 1), dt);
    case Wave::kPulse25:
      return (phase < 0.25 ? 1 : -1) + PolyBlep(phase, dt) -
             PolyBlep(std::fmod(phase + 0.75, 1), dt) + 0.5;
    case Wave::kSaw:
      return 2 * phase - 1 - PolyBlep(phase, dt);
  }
  return 0;
}

struct Biquad {
  double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

  void Design(FilterType type, double cutoff, double q) {
    cutoff = std::clamp(cutoff, 10.0, kSampleRate * 0.45);
    const double w0 = kTwoPi * cutoff / kSampleRate;
    const double cw = std::cos(w0);
    const double alpha = std::sin(w0) / (2 * q);
    const double a0 = 1 + alpha;
    switch (type) {
      case FilterType::kLowPass:
        b0 = (1 - cw) / 2;
        b1 = 1 - cw;
        b2 = (1 - cw) / 2;
        break;
      case FilterType::kHighPass:
        b0 = (1 + cw) / 2;
        b1 = -(1 + cw);
        b2 = (1 + cw) / 2;
        break;
      case FilterType::kBandPass:
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
        break;
    }
    b0 /= a0;
    b1 /= a0;
    b2 /= a0;
    a1 = -2 * cw / a0;
    a2 = (1 - alpha) / a0;
  }

  double Step(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// A feedback comb with a one-pole damping filter in its loop.
class Comb {
 public:
  Comb(float seconds, float feedback) : buffer_(Frames(seconds), 0.0f), feedback_(feedback) {}
  float Step(float x) {
    const float out = buffer_[index_];
    damped_ = out * 0.7f + damped_ * 0.3f;
    buffer_[index_] = x + damped_ * feedback_;
    index_ = (index_ + 1) % buffer_.size();
    return out;
  }

 private:
  std::vector<float> buffer_;
  float feedback_;
  float damped_ = 0;
  size_t index_ = 0;
};

class AllPass {
 public:
  AllPass(float seconds, float gain) : buffer_(Frames(seconds), 0.0f), gain_(gain) {}
  float Step(float x) {
    const float delayed = buffer_[index_];
    const float v = x + delayed * gain_;
    buffer_[index_] = v;
    index_ = (index_ + 1) % buffer_.size();
    return delayed - v * gain_;
  }

 private:
  std::vector<float> buffer_;
  float gain_;
  size_t index_ = 0;
};

void PutLe(std::ofstream& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t GetLe(const std::vector<std::uint8_t>& b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(b.at(at + i)) << (8 * i);
  return v;
}

}  // namespace

int Frames(float seconds) { return static_cast<int>(std::lround(seconds * kSampleRate)); }
float Seconds(const Signal& s) { return static_cast<float>(s.size()) / kSampleRate; }
float DbToGain(float db) { return std::pow(10.0f, db / 20); }
float GainToDb(float gain) { return 20 * std::log10(std::max(gain, 1e-9f)); }

float Peak(const Signal& s) {
  float peak = 0;
  for (const float v : s) peak = std::max(peak, std::fabs(v));
  return peak;
}

Signal Silence(float seconds) { return Signal(Frames(seconds), 0.0f); }

void MixInto(Signal& target, const Signal& source, float at, float gain) {
  const size_t start = Frames(at);
  if (target.size() < start + source.size()) target.resize(start + source.size(), 0.0f);
  for (size_t i = 0; i < source.size(); ++i) target[start + i] += source[i] * gain;
}

void Shape(Signal& s, const Curve& gain) {
  for (size_t i = 0; i < s.size(); ++i) s[i] *= gain(TimeOf(i));
}

Signal Tone(float seconds, Wave wave, const Curve& frequency, float phase) {
  Signal s(Frames(seconds));
  double p = phase;
  for (size_t i = 0; i < s.size(); ++i) {
    const double dt = frequency(TimeOf(i)) / kSampleRate;
    s[i] = static_cast<float>(WaveSample(wave, p, dt));
    p += dt;
    p -= std::floor(p);
  }
  return s;
}

Signal Noise(float seconds, std::uint64_t seed) {
  Pcg32 rng(seed);
  Signal s(Frames(seconds));
  for (float& v : s) v = rng.Signed();
  return s;
}

Curve Constant(float v) {
  return [v](float) { return v; };
}

Curve Glide(float from, float to, float seconds) {
  return [=](float t) { return from * std::pow(to / from, std::min(t / seconds, 1.0f)); };
}

Curve AttackDecay(float attack, float tau) {
  return [=](float t) {
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / tau);
  };
}

Curve Vibrato(float hz, float rate, float cents, float delay) {
  return [=](float t) {
    const float depth = std::min(1.0f, std::max(0.0f, (t - delay) / 0.15f));
    return hz * std::pow(2.0f, depth * cents / 1200 * std::sin(6.2831853f * rate * t));
  };
}

void Filter(Signal& s, FilterType type, const Curve& cutoff, float q) {
  Biquad f;
  for (size_t i = 0; i < s.size(); ++i) {
    if (i % 16 == 0) f.Design(type, cutoff(TimeOf(i)), q);
    s[i] = static_cast<float>(f.Step(s[i]));
  }
}

void Resonate(Signal& s, const Curve& frequency, const Curve& bandwidth) {
  double y1 = 0, y2 = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const float t = TimeOf(i);
    const double r = std::exp(-kTwoPi / 2 * bandwidth(t) / kSampleRate);
    const double c = -r * r;
    const double b = 2 * r * std::cos(kTwoPi * frequency(t) / kSampleRate);
    const double a = 1 - b - c;
    const double y = a * s[i] + b * y1 + c * y2;
    y2 = y1;
    y1 = y;
    s[i] = static_cast<float>(y);
  }
}

void Echo(Signal& s, float delay, float feedback, int repeats) {
  Signal tap = s;
  Signal out = s;
  for (int r = 1; r <= repeats; ++r) {
    Filter(tap, FilterType::kLowPass, Constant(3500), 0.7f);
    MixInto(out, tap, delay * r, std::pow(feedback, static_cast<float>(r)));
  }
  s = std::move(out);
}

void Reverb(Signal& s, float wet, float tail) {
  s.resize(s.size() + Frames(tail), 0.0f);
  const float decay = std::max(tail, 0.2f);
  std::vector<Comb> combs;
  for (const float d : {0.0297f, 0.0371f, 0.0411f, 0.0437f}) {
    combs.emplace_back(d, std::pow(10.0f, -3 * d / decay));
  }
  AllPass a1(0.005f, 0.7f);
  AllPass a2(0.0017f, 0.7f);
  for (float& v : s) {
    float sum = 0;
    for (Comb& c : combs) sum += c.Step(v);
    v += wet * a2.Step(a1.Step(sum * 0.25f));
  }
}

void FadeEdges(Signal& s, float fadeIn, float fadeOut) {
  const size_t in = std::min(s.size(), static_cast<size_t>(Frames(fadeIn)));
  const size_t out = std::min(s.size(), static_cast<size_t>(Frames(fadeOut)));
  for (size_t i = 0; i < in; ++i) {
    const double w = std::sin(kTwoPi / 4 * static_cast<double>(i) / in);
    s[i] *= static_cast<float>(w * w);
  }
  for (size_t i = 0; i < out; ++i) {
    const double w = std::sin(kTwoPi / 4 * static_cast<double>(i) / out);
    s[s.size() - 1 - i] *= static_cast<float>(w * w);
  }
}

void Normalize(Signal& s, float peakDb) {
  const float peak = Peak(s);
  if (peak <= 0) return;
  const float gain = DbToGain(peakDb) / peak;
  for (float& v : s) v *= gain;
}

void WriteWav(const std::string& path, const Signal& s) {
  std::ofstream out(path, std::ios::binary);
  const auto dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  out.write("RIFF", 4);
  PutLe(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, 1, 2);  // mono
  PutLe(out, kSampleRate, 4);
  PutLe(out, kSampleRate * 2, 4);
  PutLe(out, 2, 2);
  PutLe(out, 16, 2);
  out.write("data", 4);
  PutLe(out, dataBytes, 4);
  for (const float v : s) {
    const long q = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
    PutLe(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(q)) & 0xFFFF, 2);
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

Signal ParseWav(const std::vector<std::uint8_t>& bytes, int& rate) {
  const auto tag = [&](size_t at, const char* name) {
    return bytes.size() >= at + 4 && std::equal(name, name + 4, bytes.begin() + at);
  };
  if (!tag(0, "RIFF") || !tag(8, "WAVE")) throw std::runtime_error("not a WAV file");
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    const std::uint32_t size = GetLe(bytes, at + 4, 4);
    if (tag(at, "fmt ")) {
      if (GetLe(bytes, at + 8, 2) != 1 || GetLe(bytes, at + 10, 2) != 1 ||
          GetLe(bytes, at + 22, 2) != 16) {
        throw std::runtime_error("WAV is not 16-bit PCM mono");
      }
      rate = static_cast<int>(GetLe(bytes, at + 12, 4));
      haveFormat = true;
    } else if (tag(at, "data") && haveFormat) {
      const size_t end = std::min<size_t>(bytes.size(), at + 8 + static_cast<size_t>(size));
      Signal s;
      for (size_t i = at + 8; i + 1 < end; i += 2) {
        s.push_back(static_cast<std::int16_t>(GetLe(bytes, i, 2)) / 32768.0f);
      }
      return s;
    }
    at += 8 + size + (size & 1);
  }
  throw std::runtime_error("WAV has no 16-bit PCM data");
}

}  // namespace datagen
