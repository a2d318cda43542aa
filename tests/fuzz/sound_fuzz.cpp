// Sound files by content (WAV, then Ogg Vorbis) through the decoder behind
// LoadSound: Null or whole mono/stereo frames at a rate from 1 to the
// maximum. The checksums of the input's Ogg pages are made right first, so
// that a mutation inside a page reaches the Vorbis decoder instead of being
// refused with the page.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "fuzz_input.h"
#include "platform/mixer.h"
#include "platform/sound_decoders.h"

namespace {

// An Ogg page's checksum: CRC-32 of polynomial 0x04C11DB7, initial value 0,
// unreflected, over the page with its checksum field zeroed.
std::uint32_t OggCrc(const std::uint8_t* page, std::size_t size) {
  std::uint32_t crc = 0;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= std::uint32_t{page[i]} << 24;
    for (int bit = 0; bit < 8; ++bit) crc = crc << 1 ^ (crc >> 31 ? 0x04C11DB7u : 0u);
  }
  return crc;
}

// Recomputes the checksum of each whole page in the run of pages the bytes
// start with: a page is the capture pattern "OggS", a header whose last byte
// (at 26) counts the segments, the segment table, then the segments.
void FixOggChecksums(std::vector<std::uint8_t>& bytes) {
  constexpr std::size_t kHeader = 27, kChecksumAt = 22;
  for (std::size_t at = 0;
       bytes.size() - at >= kHeader && std::memcmp(&bytes[at], "OggS", 4) == 0;) {
    const std::size_t table = at + kHeader, segments = bytes[at + 26];
    if (bytes.size() - table < segments) return;
    std::size_t end = table + segments;
    for (std::size_t i = table; i < table + segments; ++i) end += bytes[i];
    if (end > bytes.size()) return;
    std::memset(&bytes[at + kChecksumAt], 0, 4);
    const std::uint32_t crc = OggCrc(&bytes[at], end - at);
    for (int i = 0; i < 4; ++i) bytes[at + kChecksumAt + i] = std::uint8_t(crc >> 8 * i);
    at = end;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  FixOggChecksums(bytes);
  const auto sound = platform::detail::DecodeSoundFile(fuzz::InputFile(bytes.data(), bytes.size()));
  if (!sound) return 0;
  const bool channelsValid = sound->channels == 1 || sound->channels == 2;
  const bool rateValid = sound->rate >= 1 && sound->rate <= platform::detail::kMaxSoundRate;
  if (!channelsValid || !rateValid || sound->samples.size() % sound->channels != 0) {
    std::abort();
  }
  return 0;
}
