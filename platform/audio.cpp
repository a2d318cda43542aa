// Sounds and channels on the software mixer, the device that drives the
// mixer, and the sound log. The device is opened on first use: SDL's audio
// output calling the mixer from its own thread, or, headless or when that
// output cannot be opened, the silent device, which runs the same mixer up
// to the platform clock's time whenever the game asks about sound.
#include "platform/audio.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/detail.h"
#include "platform/mixer.h"
#include "platform/sound_decoders.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace {

using platform::mixer::Mixer;
using platform::mixer::Voice;
using platform::mixer::VoiceState;
using platform::test::SoundEvent;
using platform::test::SoundRecord;

// Float stereo at 48 kHz: the native format of desktop sound servers, and a
// float sum that clamps once instead of wrapping. 1024 frames (21 ms) keep
// a cued sound within about a frame of the picture without underruns.
constexpr Int kDeviceRate = 48000;
constexpr Int kDeviceFrames = 1024;

// A channel made by CueSound. Its voice waits here until resumed and then
// plays in the mixer, which holds it from then on.
class MixerChannel final : public TChannel {
 public:
  std::string path;
  std::optional<Voice> cued;
};

struct Device {
  bool open = false;
  SDL_AudioDeviceID output = 0;  // 0: the silent device
  Double startMs = 0;            // silent device: clock time of frame 0
  Mixer mixer;
  std::vector<float> scratch;  // silent device: where the mix goes
};

Device device;
Long lastChannelId = 0;
std::vector<SoundRecord> soundLog;

// The game thread changes voices only while the output's callback is held off.
class DeviceLock {
 public:
  DeviceLock() {
    if (device.output != 0) SDL_LockAudioDevice(device.output);
  }
  ~DeviceLock() {
    if (device.output != 0) SDL_UnlockAudioDevice(device.output);
  }
  DeviceLock(const DeviceLock&) = delete;
  DeviceLock& operator=(const DeviceLock&) = delete;
};

// The log is kept headless only, where tests read it; a long real session
// would only grow it.
void Log(SoundEvent event, const std::string& path, Long channel, Double timeMs, bool ok = true,
         Float value = 0) {
  if (platform::IsHeadless()) soundLog.push_back({event, path, channel, timeMs, ok, value});
}

void Log(SoundEvent event, const MixerChannel& channel, Float value = 0) {
  Log(event, channel.path, channel.id, platform::detail::NowMs(), true, value);
}

void Callback(void*, Uint8* stream, int length) {
  platform::mixer::Mix(device.mixer, {reinterpret_cast<float*>(stream),
                                      static_cast<size_t>(length) / sizeof(float)});
}

// The system's audio output, or 0 when it cannot be opened. Sets the
// mixer's rate to the one the output runs at.
SDL_AudioDeviceID OpenOutput(Mixer& mixer) {
  const platform::detail::QuietStderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want{};
  want.freq = kDeviceRate;
  want.format = AUDIO_F32SYS;
  want.channels = 2;
  want.samples = kDeviceFrames;
  want.callback = Callback;
  SDL_AudioSpec have{};
  const SDL_AudioDeviceID output =
      SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (output == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  mixer.deviceRate = have.freq;
  SDL_PauseAudioDevice(output, 0);
  return output;
}

void OpenDevice() {
  if (device.open) return;
  device.open = true;
  device.mixer = Mixer{};
  device.mixer.deviceRate = kDeviceRate;
  device.output = platform::IsHeadless() ? 0 : OpenOutput(device.mixer);
  device.startMs = platform::detail::NowMs();
}

Double FrameToMs(Long frame) {
  return device.startMs + static_cast<Double>(frame) * 1000.0 / device.mixer.deviceRate;
}

// Mixes up to the clock's current frame; silence needs no mixing.
void AdvanceSilentDevice() {
  Mixer& mixer = device.mixer;
  const Double elapsedMs = platform::detail::NowMs() - device.startMs;
  Long due =
      static_cast<Long>(std::floor(elapsedMs * mixer.deviceRate / 1000.0)) - mixer.framesMixed;
  device.scratch.resize(2 * kDeviceFrames);
  while (due > 0 && platform::mixer::AnySounding(mixer)) {
    const Long frames = std::min<Long>(due, kDeviceFrames);
    platform::mixer::Mix(mixer, std::span(device.scratch).first(2 * frames));
    due -= frames;
  }
  if (due > 0) mixer.framesMixed += due;
}

// Brings the device up to now and lets finished voices leave the mixer,
// logging the ends of those that ran out (at the exact frame on the silent
// device); a stopped voice's fade-out is not part of the log.
void CatchUp() {
  if (!device.open) return;
  if (device.output == 0) AdvanceSilentDevice();
  std::vector<Voice> finished;
  {
    DeviceLock lock;
    finished = platform::mixer::TakeFinished(device.mixer);
  }
  for (const Voice& voice : finished) {
    if (voice.state != VoiceState::Ended) continue;
    const Double timeMs =
        device.output == 0 ? FrameToMs(voice.endFrame) : platform::detail::NowMs();
    Log(SoundEvent::End, voice.path, voice.id, timeMs);
  }
}

// The channel made by CueSound, after bringing the device up to now and
// logging the call; nullptr for Null and for channels made otherwise.
MixerChannel* Record(const Ref<TChannel>& channel, SoundEvent event, Float value = 0) {
  auto* mixerChannel = dynamic_cast<MixerChannel*>(channel.get());
  if (!mixerChannel) return nullptr;
  CatchUp();
  Log(event, *mixerChannel, value);
  return mixerChannel;
}

// Applies a change to the channel's voice, whether cued or playing; a
// channel that has finished or been stopped has none.
template <class Change>
void ChangeVoice(MixerChannel& channel, Change change) {
  if (channel.cued) {
    change(*channel.cued);
    return;
  }
  DeviceLock lock;
  if (Voice* voice = platform::mixer::FindPlaying(device.mixer, channel.id)) change(*voice);
}

}  // namespace

Ref<TSound> LoadSound(const String& path, Int flags) {
  OpenDevice();
  CatchUp();
  const std::string file = path.ToUtf8();
  auto data = platform::detail::DecodeSoundFile(file);
  Log(SoundEvent::Load, file, 0, platform::detail::NowMs(), data != nullptr);
  if (!data) return nullptr;
  auto sound = New<TSound>();
  sound->data = std::move(data);
  sound->source = path;
  sound->flags = flags;
  return sound;
}

Ref<TChannel> CueSound(const Ref<TSound>& sound) {
  if (!sound || !sound->data) return nullptr;
  OpenDevice();
  CatchUp();
  auto channel = New<MixerChannel>();
  channel->id = ++lastChannelId;
  channel->path = sound->source.ToUtf8();
  channel->cued = Voice{.id = channel->id,
                        .data = sound->data,
                        .path = channel->path,
                        .loop = (sound->flags & SOUND_LOOP) != 0};
  Log(SoundEvent::Cue, *channel);
  return channel;
}

Ref<TChannel> PlaySound(const Ref<TSound>& sound) {
  Ref<TChannel> channel = CueSound(sound);
  ResumeChannel(channel);
  return channel;
}

void SetChannelVolume(const Ref<TChannel>& channel, Float volume) {
  if (MixerChannel* mixerChannel = Record(channel, SoundEvent::Volume, volume)) {
    ChangeVoice(*mixerChannel, [volume](Voice& voice) { voice.volume = volume; });
  }
}

void SetChannelRate(const Ref<TChannel>& channel, Float rate) {
  if (MixerChannel* mixerChannel = Record(channel, SoundEvent::Rate, rate)) {
    ChangeVoice(*mixerChannel, [rate](Voice& voice) { voice.rate = rate; });
  }
}

void ResumeChannel(const Ref<TChannel>& channel) {
  MixerChannel* mixerChannel = Record(channel, SoundEvent::Resume);
  if (!mixerChannel || !mixerChannel->cued) return;
  OpenDevice();
  DeviceLock lock;
  device.mixer.voices.push_back(std::move(*mixerChannel->cued));
  mixerChannel->cued.reset();
}

void StopChannel(const Ref<TChannel>& channel) {
  MixerChannel* mixerChannel = Record(channel, SoundEvent::Stop);
  if (!mixerChannel) return;
  if (mixerChannel->cued) {
    mixerChannel->cued.reset();
    return;
  }
  DeviceLock lock;
  platform::mixer::StopVoice(device.mixer, mixerChannel->id);
}

Int ChannelPlaying(const Ref<TChannel>& channel) {
  const auto* mixerChannel = dynamic_cast<const MixerChannel*>(channel.get());
  if (!mixerChannel || mixerChannel->cued) return 0;
  CatchUp();
  DeviceLock lock;
  return platform::mixer::FindPlaying(device.mixer, mixerChannel->id) != nullptr ? 1 : 0;
}

namespace platform {

void UpdateAudio() { CatchUp(); }

namespace detail {

void ShutdownAudio() {
  if (!device.open) return;
  if (device.output != 0) {
    SDL_CloseAudioDevice(device.output);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  device = Device{};
}

}  // namespace detail

namespace test {

const std::vector<SoundRecord>& SoundLog() { return soundLog; }

void ClearSoundLog() { soundLog.clear(); }

std::vector<std::string> PlayingSounds() {
  CatchUp();
  DeviceLock lock;
  std::vector<std::string> paths;
  for (const Voice& voice : device.mixer.voices) {
    if (voice.state == VoiceState::Playing) paths.push_back(voice.path);
  }
  return paths;
}

}  // namespace test
}  // namespace platform
