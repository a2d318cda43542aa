// Sounds and channels on a software mixer. The device is opened on first
// use: the system's audio output, or a silent device driven by the platform
// clock when that fails or when running headless.
#pragma once

#include "platform/string.h"

struct SoundData;  // decoded samples, shared with the mixer's voices

class TSound : public Object {
 public:
  std::shared_ptr<const SoundData> data;
  String source;
  Int flags = 0;
};

// One voice of a sound. The voice plays on after the last reference to its
// channel or sound is gone; finished voices leave the mixer.
class TChannel : public Object {
 public:
  Long id = 0;
};

constexpr Int SOUND_LOOP = 1;

// WAV, then Ogg Vorbis, by content; Null when neither can read the file.
Ref<TSound> LoadSound(const String& path, Int flags = 0);
// A new channel for the sound, paused, so volume and rate can be set first.
// Null for a Null sound.
Ref<TChannel> CueSound(const Ref<TSound>& sound);
// Cues and resumes at once.
Ref<TChannel> PlaySound(const Ref<TSound>& sound);
void SetChannelVolume(const Ref<TChannel>& channel, Float volume);  // 1.0 full
void SetChannelRate(const Ref<TChannel>& channel, Float rate);      // 1.0 natural
// Starts a cued channel from the start of its sound.
void ResumeChannel(const Ref<TChannel>& channel);
// Stops the channel at once: it no longer plays. What was heard fades out
// over 5 ms instead of breaking off with a click.
void StopChannel(const Ref<TChannel>& channel);
// True while the channel plays; false once finished or stopped.
Int ChannelPlaying(const Ref<TChannel>& channel);

namespace platform {
// Advances the silent device to the platform clock's time (no-op otherwise).
void UpdateAudio();
}  // namespace platform
