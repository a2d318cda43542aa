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

// Playing: heard at its volume. Stopping: cut by StopVoice and fading out,
// no longer the channel's voice. Ended: ran past its last frame. Stopped:
// faded out after a cut. Ended and Stopped voices are finished: silent,
// they wait for TakeFinished.
enum class VoiceState { Playing, Stopping, Ended, Stopped };

// Device frames over which a cut voice fades to silence (5 ms), so that a
// cut makes no click.
constexpr Long FadeFrames(Int deviceRate) { return deviceRate / 200; }

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
  Long fadeLeft = 0;  // when Stopping: device frames of the fade still to mix
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
// until TakeFinished) and is silent from then on. A Stopping voice's gain falls
// linearly from its volume towards 0 by one FadeFrames-th per device frame;
// once the fade (or its sound) is over it is Stopped.
void Mix(Mixer& mixer, std::span<float> out);

// Whether any voice is heard: Playing, or Stopping while it fades out.
bool AnySounding(const Mixer& mixer);

// The playing voice of a channel, or nullptr (also while it fades out).
Voice* FindPlaying(Mixer& mixer, Long id);
// Cuts a channel's playing voice: it is Stopping from now on, so FindPlaying
// no longer finds it, and fades out over FadeFrames(deviceRate). False when
// no voice of that id is playing.
bool StopVoice(Mixer& mixer, Long id);
// Removes and returns the Ended and Stopped voices, in start order (no
// allocation when there are none).
std::vector<Voice> TakeFinished(Mixer& mixer);

}  // namespace platform::mixer
