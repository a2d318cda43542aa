// The sound effects: each design is a small score of oscillators, noise,
// filters and envelopes with silent edges, written at its peak level.
#include "sounds.h"

#include <cmath>

#include "synth.h"
#include "voices.h"

namespace datagen {

namespace {

Signal Voice(float seconds, Wave wave, const Curve& frequency, const Curve& envelope) {
  Signal s = Tone(seconds, wave, frequency);
  Shape(s, envelope);
  return s;
}

// Attack, flat hold, then a linear release to silence at the end.
Curve HoldRelease(float attack, float seconds, float release) {
  return [=](float t) {
    if (t < attack) return t / attack;
    return std::min(1.0f, std::max(0.0f, (seconds - t) / release));
  };
}

// A two-operator FM bell: the modulation index falls as the bell rings.
Signal FmBell(float seconds, float hz, float ratio, float index, float tau) {
  Signal s(Frames(seconds));
  constexpr double kTwoPi = 6.283185307179586;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double depth = index * std::exp(-t / 0.35) + 0.25;
    const double mod = std::sin(kTwoPi * hz * ratio * t);
    s[i] = static_cast<float>(std::sin(kTwoPi * hz * t + depth * mod));
  }
  Shape(s, AttackDecay(0.003f, tau));
  return s;
}

Signal MakeBlip() {
  const float length = 0.075f;
  Signal s = Voice(length, Wave::kSine, Constant(1760), AttackDecay(0.002f, 0.018f));
  MixInto(s, Voice(length, Wave::kSine, Constant(3520), AttackDecay(0.002f, 0.012f)), 0,
          DbToGain(-12));
  Signal click = Noise(0.003f, 1);
  Filter(click, FilterType::kHighPass, Constant(4000), 0.7f);
  Shape(click, AttackDecay(0.0003f, 0.0008f));
  MixInto(s, click, 0.0015f, 0.45f);
  s.resize(Frames(length));
  FadeEdges(s, 0.002f, 0.005f);
  return s;
}

Signal MakePickup() {
  Signal s = Voice(0.09f, Wave::kSine, Constant(1318.5f), AttackDecay(0.002f, 0.045f));
  MixInto(s, Voice(0.09f, Wave::kTriangle, Constant(1318.5f), AttackDecay(0.002f, 0.03f)), 0, 0.3f);
  MixInto(s, Voice(0.125f, Wave::kSine, Constant(1975.5f), AttackDecay(0.002f, 0.055f)), 0.06f);
  MixInto(s, Voice(0.125f, Wave::kTriangle, Constant(1975.5f), AttackDecay(0.002f, 0.035f)), 0.06f,
          0.3f);
  for (const float at : {0.028f, 0.1f}) {
    MixInto(s, Voice(0.03f, Wave::kSine, Constant(5100), AttackDecay(0.001f, 0.006f)), at, 0.16f);
  }
  s.resize(Frames(0.185f));
  FadeEdges(s, 0.002f, 0.01f);
  return s;
}

Signal MakeHit() {
  struct Partial {
    float hz, tau, gain;
  };
  const Partial partials[] = {{523, 0.12f, 1.0f},  {527.5f, 0.1f, 0.35f}, {1230, 0.09f, 0.7f},
                              {1890, 0.06f, 0.5f}, {2710, 0.04f, 0.4f},   {3960, 0.025f, 0.2f}};
  const float length = 0.22f;
  Signal s = Silence(length);
  for (const Partial& p : partials) {
    MixInto(s, Voice(length, Wave::kSine, Constant(p.hz), AttackDecay(0.001f, p.tau)), 0, p.gain);
  }
  Signal burst = Noise(0.012f, 3);
  Filter(burst, FilterType::kBandPass, Constant(3500), 0.9f);
  Shape(burst, AttackDecay(0.0005f, 0.003f));
  MixInto(s, burst, 0, 2.2f);
  FadeEdges(s, 0.002f, 0.02f);
  return s;
}

Signal MakeDead() {
  const float length = 1.2f;
  Signal s = Noise(length, 2);
  Filter(s, FilterType::kLowPass, Glide(3000, 150, 1.1f), 2.2f);
  Shape(s, [](float t) {
    if (t < 0.005f) return t / 0.005f;
    if (t < 0.085f) return 1.0f;
    return std::exp(-(t - 0.085f) / 0.35f);
  });
  MixInto(s, Voice(0.6f, Wave::kSine, Glide(120, 35, 0.4f), AttackDecay(0.003f, 0.18f)), 0, 1.1f);
  Signal wah = Voice(0.9f, Wave::kSquare, Glide(440, 110, 0.8f), AttackDecay(0.01f, 0.3f));
  Filter(wah, FilterType::kLowPass, Glide(2200, 300, 0.8f), 1.4f);
  MixInto(s, wah, 0.02f, DbToGain(-12));
  s.resize(Frames(length));
  FadeEdges(s, 0.002f, 0.15f);
  return s;
}

Signal MakeStart() {
  const float notes[] = {392.0f, 493.9f, 587.3f};
  Signal s;
  for (int i = 0; i < 3; ++i) {
    MixInto(s, Voice(0.1f, Wave::kPulse25, Constant(notes[i]), AttackDecay(0.004f, 0.1f)),
            0.09f * i);
  }
  const float hold = 0.22f;
  MixInto(s,
          Voice(hold, Wave::kPulse25, Vibrato(784, 6, 25, 0.05f), HoldRelease(0.005f, hold, 0.09f)),
          0.27f);
  Filter(s, FilterType::kLowPass, Constant(2800), 0.7f);
  Echo(s, 0.085f, 0.3f, 2);
  FadeEdges(s, 0.002f, 0.03f);
  return s;
}

Signal MakeSuccess() {
  const float fanfare[] = {523.3f, 659.3f, 784.0f};
  Signal s;
  for (int i = 0; i < 3; ++i) {
    const Curve env = HoldRelease(0.005f, 0.12f, 0.03f);
    MixInto(s, Voice(0.12f, Wave::kSquare, Constant(fanfare[i]), env), 0.11f * i, 0.5f);
    MixInto(s, Voice(0.12f, Wave::kSaw, Constant(fanfare[i]), env), 0.11f * i, 0.5f);
  }
  const float chord[] = {1046.5f, 1318.5f, 1568.0f};
  for (int i = 0; i < 3; ++i) {
    const Curve pitch = Vibrato(chord[i], 5, 12, 0.12f);
    const Curve env = AttackDecay(0.01f, 0.45f);
    MixInto(s, Voice(0.85f, Wave::kSquare, pitch, env), 0.33f, 0.3f);
    MixInto(s, Voice(0.85f, Wave::kSaw, pitch, env), 0.33f, 0.3f);
  }
  Filter(s, FilterType::kLowPass, Constant(3000), 0.7f);
  Reverb(s, 0.3f, 0.35f);
  FadeEdges(s, 0.002f, 0.2f);
  return s;
}

Signal MakeSplashSound() {
  const float length = 2.6f;
  Signal swell = Noise(1.08f, 4);
  Filter(swell, FilterType::kBandPass, Glide(300, 3000, 1.0f), 1.4f);
  Shape(swell, [](float t) {
    if (t < 1.0f) return t * t;
    return std::max(0.0f, 1 - (t - 1.0f) / 0.08f);
  });
  Signal s = Silence(length);
  MixInto(s, swell, 0, 0.5f);
  const float bell[] = {440.0f, 659.3f, 880.0f};
  for (int i = 0; i < 3; ++i) {
    MixInto(s, FmBell(length - 1.0f, bell[i], 3.5f, 2.4f, 0.8f - 0.1f * i), 1.0f, 0.42f);
  }
  MixInto(s, Voice(length - 1.0f, Wave::kSine, Constant(110), AttackDecay(0.01f, 0.6f)), 1.0f,
          0.35f);
  Reverb(s, 0.25f, 0);
  s.resize(Frames(length));
  FadeEdges(s, 0.004f, 0.6f);
  return s;
}

Signal MakeSelect() {
  Signal s = Voice(0.05f, Wave::kSquare, Constant(660), AttackDecay(0.002f, 0.025f));
  MixInto(s, Voice(0.09f, Wave::kSquare, Constant(990), AttackDecay(0.002f, 0.035f)), 0.04f);
  Filter(s, FilterType::kLowPass, Constant(2500), 0.7f);
  FadeEdges(s, 0.002f, 0.01f);
  return s;
}

// One note of the sad horn: a saw through a formant that opens ("wah").
Signal HornNote(const Curve& pitch, float seconds, float open, float release) {
  const Signal saw = Voice(seconds, Wave::kSaw, pitch, HoldRelease(0.02f, seconds, release));
  Signal formant = saw;
  Resonate(formant, Glide(400, 900, open), Constant(110));
  Signal body = saw;
  Filter(body, FilterType::kLowPass, Constant(1200), 0.7f);
  MixInto(formant, body, 0, 0.6f);
  return formant;
}

Signal MakeGameOver() {
  const float notes[] = {392.0f, 370.0f, 349.2f};
  Signal s;
  for (int i = 0; i < 3; ++i) {
    MixInto(s, HornNote(Constant(notes[i]), 0.38f, 0.25f, 0.06f), 0.35f * i);
  }
  MixInto(s, HornNote(Vibrato(329.6f, 5, 20, 0.2f), 1.1f, 0.5f, 0.5f), 1.05f);
  Reverb(s, 0.2f, 0.3f);
  FadeEdges(s, 0.003f, 0.2f);
  return s;
}

struct SoundFile {
  const char* name;
  Signal (*make)();
  float peakDb;
};

// Peak levels. The game plays every sound at full volume and the mixer sums
// the sounds that start in the same frame sample by sample. The common
// groups stay below -1 dBFS: a zumbel drunk (pickup + yum), on a countdown
// tick (+ blip), the last one (+ success), a hazard hit (hit + dead) and a
// time-out (dead + blip). The rarer groups stay below full scale: the last
// zumbel on a tick (pickup + yum + success + blip), a hit on a tick
// (hit + dead + blip), a level started from a menu (select + start, with
// blip from level 6 on) and the title after a menu (select + quorvane).
const SoundFile kSoundFiles[] = {
    {"blip.wav", MakeBlip, -9.4f},       {"dead.wav", MakeDead, -3.8f},
    {"hit.wav", MakeHit, -5.9f},         {"start.wav", MakeStart, -6},
    {"yum.wav", MakeYum, -7.4f},         {"pickup.wav", MakePickup, -6},
    {"success.wav", MakeSuccess, -5.4f}, {"splashsound.wav", MakeSplashSound, -6},
    {"select.wav", MakeSelect, -8},      {"quorvane.wav", MakeSpokenTitle, -3},
    {"gameover.wav", MakeGameOver, -4},
};

}  // namespace

std::vector<SoundReport> WriteSounds(const std::filesystem::path& data) {
  const std::filesystem::path folder = data / "Sound";
  std::filesystem::create_directories(folder);
  std::vector<SoundReport> reports;
  for (const SoundFile& f : kSoundFiles) {
    Signal s = f.make();
    Normalize(s, f.peakDb);
    WriteWav((folder / f.name).string(), s);
    reports.push_back({f.name, Seconds(s), GainToDb(Peak(s))});
  }
  return reports;
}

}  // namespace datagen
