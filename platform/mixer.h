// The software mixer: decoded sample data, the voices that play it and the
// function that mixes them into interleaved stereo float frames. The mixer
// knows no device, clock or lock; audio.cpp drives it from SDL's callback or
// from the platform clock.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/object.h"

// A decoded sound: float samples at the file's own rate, mono, or stereo
// interleaved left then right.
struct SoundData {
  std::vector<float> samples;
  Int channels = 1;  // 1 or 2
  Int rate = 0;      // frames per second

  Long Frames() const { return static_cast<Long>(samples.size()) / channels; }
};

namespace platform::mixer {

// A voice's position counts units of 1 / (deviceRate * kSubframes) source
// frames, so whole-number rates step exactly and a sound ends after exactly
// its length at any source and device rate.
constexpr Long kSubframes = 256;

enum class VoiceState { Playing, Ended };

struct Voice {
  Long id = 0;  // the channel's id
  std::shared_ptr<const SoundData> data;
  std::string path;     // the sound's source, for the sound log
  Float volume = 1.0f;  // gain, taken as 0 to 1 (NaN as 0)
  Float rate = 1.0f;    // 2.0 plays twice as fast and an octave up; <= 0 holds still
  bool loop = false;    // starts again from the beginning at the end
  VoiceState state = VoiceState::Playing;
  Long position = 0;
  Long endFrame = 0;  // when Ended: the device frame count at which it ended
};

struct Mixer {
  Int deviceRate = 48000;
  Long framesMixed = 0;       // device frames produced so far
  std::vector<Voice> voices;  // in start order
};

// Writes out.size() / 2 stereo frames: the sum of every playing voice
// (interpolated linearly at step rate * sourceRate / deviceRate, times its
// gain; mono voices on both sides), clamped to [-1, 1]. Advances the voices;
// a voice that runs past its last frame becomes Ended (it stays in the list
// until TakeEnded) and is silent from then on.
void Mix(Mixer& mixer, std::span<float> out);

// The playing voice of a channel, or nullptr.
Voice* FindPlaying(Mixer& mixer, Long id);
// Removes a channel's voice; false when none has that id.
bool RemoveVoice(Mixer& mixer, Long id);
// Removes and returns the ended voices, in start order (no allocation when
// none has ended).
std::vector<Voice> TakeEnded(Mixer& mixer);

}  // namespace platform::mixer
