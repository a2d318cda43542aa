// Sound files by content (WAV, then Ogg Vorbis) through the decoder behind
// LoadSound: Null or mono/stereo samples at a positive rate.
#include <cstdlib>

#include "fuzz_input.h"
#include "platform/mixer.h"
#include "platform/sound_decoders.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto sound = platform::detail::DecodeSoundFile(fuzz::InputFile(data, size));
  if (!sound) return 0;
  const bool channelsValid = sound->channels == 1 || sound->channels == 2;
  if (!channelsValid || sound->rate <= 0 || sound->samples.size() % sound->channels != 0) {
    std::abort();
  }
  return 0;
}
