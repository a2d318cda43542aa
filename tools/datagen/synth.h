// Sound synthesis building blocks: mono float signals at 44.1 kHz,
// oscillators, filters, envelopes, echo and reverb, and the WAV writer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace datagen {

constexpr int kSampleRate = 44100;
using Signal = std::vector<float>;
// A value that changes over time (seconds from the start of the signal).
using Curve = std::function<float(float)>;

int Frames(float seconds);
float Seconds(const Signal& s);
float DbToGain(float db);
float GainToDb(float gain);
float Peak(const Signal& s);

Signal Silence(float seconds);
// Adds `source` times `gain` into `target` from `at` seconds on, growing
// `target` as needed.
void MixInto(Signal& target, const Signal& source, float at, float gain = 1);
// Multiplies every sample by the curve's value at its time.
void Shape(Signal& s, const Curve& gain);

enum class Wave { kSine, kTriangle, kSquare, kPulse25, kSaw };
// A band-limited oscillator whose frequency (Hz) follows a curve.
Signal Tone(float seconds, Wave wave, const Curve& frequency, float phase = 0);
// Uniform white noise in [-1, 1] from a fixed seed.
Signal Noise(float seconds, std::uint64_t seed);

Curve Constant(float v);
// Exponential glide from `from` to `to` over `seconds`, then held.
Curve Glide(float from, float to, float seconds);
// Linear attack to 1, then exponential decay with time constant `tau`.
Curve AttackDecay(float attack, float tau);
// A frequency with sinusoidal vibrato of `cents` at `rate` Hz.
Curve Vibrato(float hz, float rate, float cents, float delay = 0);

enum class FilterType { kLowPass, kHighPass, kBandPass };
// A two-pole filter (cookbook biquad) whose cutoff follows a curve.
void Filter(Signal& s, FilterType type, const Curve& cutoff, float q);
// A Klatt resonator with time-varying centre frequency and bandwidth (unity
// gain at 0 Hz).
void Resonate(Signal& s, const Curve& frequency, const Curve& bandwidth);

// Repeats the signal `repeats` times, each `delay` seconds later, scaled by
// `feedback` per repeat and darkened by a low-pass.
void Echo(Signal& s, float delay, float feedback, int repeats);
// A small, deterministic room: combs and all-passes mixed in at `wet`, with
// `tail` seconds added for the decay.
void Reverb(Signal& s, float wet, float tail);

// Fades in and out over the given times so that the first and last samples
// are silent.
void FadeEdges(Signal& s, float fadeIn, float fadeOut);
// Scales so that the peak is `peakDb` dBFS; a silent signal stays silent.
void Normalize(Signal& s, float peakDb);

// 16-bit PCM mono RIFF/WAVE with the canonical 44-byte header.
void WriteWav(const std::string& path, const Signal& s);
// Reads 16-bit PCM mono samples from WAV bytes (any chunk layout; a data
// size of 0x7fffffff counts as "to the end"); throws when they are not such.
Signal ParseWav(const std::vector<std::uint8_t>& bytes, int& rate);

}  // namespace datagen
