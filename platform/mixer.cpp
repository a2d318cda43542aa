// The mixing function and the voice list operations of the software mixer.
#include "platform/mixer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace platform::mixer {
namespace {

// One channel of a source frame; past the last frame, silence, or the
// start again for a looping voice.
float SampleAt(const SoundData& data, Long frame, Int channel, bool loop) {
  const Long frames = data.Frames();
  if (frame >= frames) {
    if (!loop) return 0.0f;
    frame -= frames;
  }
  return data.samples[frame * data.channels + std::min(channel, data.channels - 1)];
}

// Position units per device frame, at most the whole sound (so positions
// stay far from overflow even for absurd rates).
Long Step(const Voice& voice, Long end) {
  const Double units = static_cast<Double>(voice.rate) * voice.data->rate * kSubframes;
  if (!(units > 0.0)) return 0;
  return std::llround(std::min(units, static_cast<Double>(end)));
}

// The volume taken as 0 to 1; NaN (which std::max and std::min pass through) is 0.
Float Gain(const Voice& voice) {
  if (!(voice.volume > 0.0f)) return 0.0f;
  return std::min(voice.volume, 1.0f);
}

bool IsSounding(const Voice& voice) {
  return voice.state == VoiceState::Playing || voice.state == VoiceState::Stopping;
}

bool IsFinished(const Voice& voice) { return !IsSounding(voice); }

// A cut voice whose fade or sound is over becomes Stopped; a playing voice
// past its end becomes Ended at the given device frame.
void Finish(Voice& voice, Long end, Long deviceFrame) {
  if (voice.state == VoiceState::Stopping && (voice.fadeLeft == 0 || voice.position >= end)) {
    voice.state = VoiceState::Stopped;
  } else if (voice.state == VoiceState::Playing && voice.position >= end) {
    voice.state = VoiceState::Ended;
    voice.endFrame = deviceFrame;
  }
}

void MixVoice(Voice& voice, std::span<float> out, Int deviceRate, Long firstFrame) {
  const SoundData& data = *voice.data;
  const Long unitsPerFrame = deviceRate * kSubframes;
  const Long end = data.Frames() * unitsPerFrame;
  const Long step = Step(voice, end);
  const Float gain = Gain(voice);
  const bool stopping = voice.state == VoiceState::Stopping;
  const auto fadeFrames = static_cast<float>(FadeFrames(deviceRate));
  // A cut voice mixes only what is left of its fade.
  const Long outFrames = static_cast<Long>(out.size() / 2);
  const Long frames = stopping ? std::min(outFrames, voice.fadeLeft) : outFrames;
  Long frame = 0;
  for (; frame < frames && voice.position < end; ++frame) {
    float frameGain = gain;
    if (stopping) frameGain *= static_cast<float>(voice.fadeLeft--) / fadeFrames;
    const Long index = voice.position / unitsPerFrame;
    const float t =
        static_cast<float>(voice.position % unitsPerFrame) / static_cast<float>(unitsPerFrame);
    for (Int channel = 0; channel < 2; ++channel) {
      const float a = SampleAt(data, index, channel, voice.loop);
      const float b = SampleAt(data, index + 1, channel, voice.loop);
      out[2 * frame + channel] += frameGain * (a + (b - a) * t);
    }
    voice.position += step;
    if (voice.loop && voice.position >= end) voice.position %= end;
  }
  Finish(voice, end, firstFrame + frame);
}

}  // namespace

void Mix(Mixer& mixer, std::span<float> out) {
  std::fill(out.begin(), out.end(), 0.0f);
  for (Voice& voice : mixer.voices) {
    if (IsSounding(voice)) MixVoice(voice, out, mixer.deviceRate, mixer.framesMixed);
  }
  for (float& sample : out) sample = std::clamp(sample, -1.0f, 1.0f);
  mixer.framesMixed += static_cast<Long>(out.size() / 2);
}

bool AnySounding(const Mixer& mixer) {
  return std::any_of(mixer.voices.begin(), mixer.voices.end(), IsSounding);
}

Voice* FindPlaying(Mixer& mixer, Long id) {
  auto found = std::find_if(mixer.voices.begin(), mixer.voices.end(), [id](const Voice& voice) {
    return voice.id == id && voice.state == VoiceState::Playing;
  });
  return found == mixer.voices.end() ? nullptr : &*found;
}

bool StopVoice(Mixer& mixer, Long id) {
  Voice* voice = FindPlaying(mixer, id);
  if (!voice) return false;
  voice->state = VoiceState::Stopping;
  voice->fadeLeft = FadeFrames(mixer.deviceRate);
  return true;
}

std::vector<Voice> TakeFinished(Mixer& mixer) {
  auto& voices = mixer.voices;
  if (std::none_of(voices.begin(), voices.end(), IsFinished)) return {};
  const auto first = std::stable_partition(voices.begin(), voices.end(), IsSounding);
  std::vector<Voice> finished(std::make_move_iterator(first),
                              std::make_move_iterator(voices.end()));
  voices.erase(first, voices.end());
  return finished;
}

}  // namespace platform::mixer
