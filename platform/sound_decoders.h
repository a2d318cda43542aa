// Sound file decoders, recognised by content: WAV, then Ogg Vorbis.
#pragma once

#include <memory>
#include <string>

struct SoundData;

namespace platform::detail {

// The file's samples as floats at its own rate (more than two channels are
// mixed down to stereo); nullptr when the file is missing, empty, truncated
// or corrupt. Prints nothing.
std::shared_ptr<const SoundData> DecodeSoundFile(const std::string& path);

}  // namespace platform::detail
