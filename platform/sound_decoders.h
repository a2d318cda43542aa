// Sound file decoders, recognised by content: WAV, then Ogg Vorbis.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/object.h"

struct SoundData;

namespace platform::detail {

// The most samples a decoded sound may hold: ten minutes of 48 kHz stereo
// (230 MB of floats). The cap counts the file's own samples, every channel
// before the mix-down to stereo, so that decoding time, which grows with
// them, stays bounded too. A longer sound is refused like a damaged one.
constexpr Long kMaxSoundSamples = Long{600} * 48000 * 2;

// The highest sample rate a decoded sound may have: 384 kHz, the highest
// rate in common audio use. A file at a higher rate is refused like a
// damaged one.
constexpr Int kMaxSoundRate = 384000;

// The file's samples as floats at its own rate, whole frames only (more than
// two channels are mixed down to stereo); nullptr when the file is missing,
// empty, truncated or corrupt (an Ogg that decodes to another length than
// its last page states included), has a rate outside 1 to kMaxSoundRate,
// holds more than kMaxSoundSamples samples over all its channels, or does not
// fit in the memory at hand. Memory besides the file's bytes: the decoded
// floats, at most kMaxSoundSamples of them (an Ogg's allocated once, at the
// length it states, and kept only when it decodes to that); for a WAV, also
// SDL's copy of its samples and, while samples mixed down to stereo are
// trimmed to size, a second copy of the stereo ones. Prints nothing.
std::shared_ptr<const SoundData> DecodeSoundFile(const std::string& path);

// As DecodeSoundFile, from the file's bytes, with the cap given; allocation
// failures propagate.
std::shared_ptr<const SoundData> DecodeSound(std::span<const Byte> file, Long maxSamples);

// Whether the bytes start as a RIFF WAVE file whose every chunk, up to the
// end the RIFF header gives (the file's end when it gives 0), claims no more
// bytes than the file has left after it; chunks of odd size are followed by a
// pad byte.
bool WavChunksFit(std::span<const Byte> file);

// Appends frames of planar samples (one array per channel, at least one) to
// interleaved ones: one channel stays mono; more are mixed down to stereo,
// each side the mean of the channels on it (Vorbis channel order: centre and
// LFE on both sides; beyond eight channels, alternately left and right).
void AppendDownmixed(std::vector<float>& out, std::span<const float* const> planes, Long frames);

}  // namespace platform::detail
