// Sound file decoders. The whole file is read into memory and tried as WAV
// (SDL's reader: PCM 8/16/24/32-bit, float, ADPCM, after a check of its
// chunk sizes and of its 24-bit blocks) and then as Ogg Vorbis (libvorbisfile,
// mixed down as it decodes); either way the result is float samples at the
// file's own rate, within kMaxSoundSamples and kMaxSoundRate.
#include "platform/sound_decoders.h"

#include <SDL.h>
#include <ogg/ogg.h>
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <new>
#include <string_view>

#include "platform/detail.h"
#include "platform/mixer.h"

namespace platform::detail {
namespace {

using Bytes = std::span<const Byte>;

// The mixer steps through a sound at its rate: every decoded sound's rate is
// checked before its samples are converted or decoded.
bool RateAllowed(long rate) { return rate >= 1 && rate <= kMaxSoundRate; }

// SDL's samples (any format, one to eight channels) as floats, mono or
// stereo, at the same rate, in whole frames: a partial frame at the end (SDL
// passes one on when the file's block alignment does not match its channels)
// is dropped. nullptr when SDL cannot convert them or when they number more
// than maxSamples over all channels. Non-finite values (a corrupt float
// file) become silence.
std::shared_ptr<SoundData> ToSoundData(const SDL_AudioSpec& spec, std::span<const Uint8> bytes,
                                       Long maxSamples) {
  const Int outChannels = spec.channels == 1 ? 1 : 2;
  SDL_AudioCVT cvt;
  if (bytes.size() > INT_MAX || SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq,
                                                  AUDIO_F32SYS, outChannels, spec.freq) < 0) {
    return nullptr;
  }
  const size_t frameBytes = SDL_AUDIO_BITSIZE(spec.format) / 8 * spec.channels;
  bytes = bytes.first(bytes.size() - bytes.size() % frameBytes);
  if (static_cast<Long>(bytes.size() / frameBytes) * spec.channels > maxSamples) return nullptr;
  auto data = std::make_shared<SoundData>();
  data->channels = outChannels;
  data->rate = spec.freq;
  if (bytes.empty()) return data;
  // SDL converts in place, in a buffer len_mult times the size of its input.
  data->samples.resize((bytes.size() * cvt.len_mult + sizeof(float) - 1) / sizeof(float));
  std::memcpy(data->samples.data(), bytes.data(), bytes.size());
  cvt.buf = reinterpret_cast<Uint8*>(data->samples.data());
  cvt.len = static_cast<int>(bytes.size());
  if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
  data->samples.resize(cvt.len_cvt / sizeof(float));
  data->samples.shrink_to_fit();
  std::replace_if(
      data->samples.begin(), data->samples.end(), [](float s) { return !std::isfinite(s); }, 0.0f);
  return data;
}

bool HasTag(Bytes file, size_t at, std::string_view tag) {
  return std::equal(tag.begin(), tag.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
}

Long LeUnsigned16(Bytes file, size_t at) { return Long{file[at]} | Long{file[at + 1]} << 8; }

Long LeUnsigned32(Bytes file, size_t at) {
  return LeUnsigned16(file, at) | LeUnsigned16(file, at + 2) << 16;
}

// Walks a RIFF WAVE file's chunk headers as SDL's reader does, up to the end
// the RIFF header gives (the file's end when it gives 0), each chunk followed
// by a pad byte when its size is odd: calls visit(at, claimed) with where
// the chunk's body starts and the size its header claims (which may run past
// the file's end), until visit returns false. False when the bytes are not
// a RIFF WAVE file or a visit returned false.
template <typename Visit>
bool WalkWavChunks(Bytes file, Visit visit) {
  constexpr Long kRiffHeader = 12;  // "RIFF", size, "WAVE"
  constexpr Long kChunkHeader = 8;  // id, size
  const auto size = static_cast<Long>(file.size());
  if (size < kRiffHeader || !HasTag(file, 0, "RIFF") || !HasTag(file, 8, "WAVE")) return false;
  const Long riffSize = LeUnsigned32(file, 4);
  const Long walkEnd = riffSize == 0 ? size : 8 + riffSize;
  for (Long at = kRiffHeader; at < walkEnd && size - at >= kChunkHeader;) {
    const Long claimed = LeUnsigned32(file, static_cast<size_t>(at) + 4);
    if (!visit(static_cast<size_t>(at + kChunkHeader), claimed)) return false;
    at += kChunkHeader + claimed + claimed % 2;
  }
  return true;
}

// Whether the file's format chunk (the first, the one SDL reads) gives
// 24-bit samples in blocks that are not one frame each: SDL's reader counts a
// frame a block as it widens such samples to 32 bits, and so reads past the
// samples the file holds.
bool Has24BitBlocksUnlikeFrames(Bytes file) {
  bool unlike = false;
  WalkWavChunks(file, [&](size_t at, Long claimed) {
    if (!HasTag(file, at - 8, "fmt ")) return true;
    unlike = claimed >= 16 && file.size() - at >= 16 && LeUnsigned16(file, at + 14) == 24 &&
             LeUnsigned16(file, at + 12) != 3 * LeUnsigned16(file, at + 2);
    return false;
  });
  return unlike;
}

// A file cut short or with a broken data chunk is refused rather than
// played in part.
std::shared_ptr<SoundData> DecodeWav(Bytes bytes, Long maxSamples) {
  if (bytes.size() > INT_MAX || !WavChunksFit(bytes) || Has24BitBlocksUnlikeFrames(bytes)) {
    return nullptr;
  }
  SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_OVERRIDE);
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!SDL_LoadWAV_RW(source, 1, &spec, &samples, &length)) return nullptr;
  const std::unique_ptr<Uint8, decltype(&SDL_FreeWAV)> owned(samples, SDL_FreeWAV);
  return RateAllowed(spec.freq) ? ToSoundData(spec, {samples, length}, maxSamples) : nullptr;
}

// True when the bytes are whole, intact Ogg pages up to the end of a
// stream: a cut or damaged file is refused rather than played in part.
bool IsCompleteOggStream(Bytes bytes) {
  ogg_sync_state sync;
  ogg_sync_init(&sync);
  char* buffer = ogg_sync_buffer(&sync, static_cast<long>(bytes.size()));
  if (!buffer) {
    ogg_sync_clear(&sync);
    return false;
  }
  std::memcpy(buffer, bytes.data(), bytes.size());
  ogg_sync_wrote(&sync, static_cast<long>(bytes.size()));
  ogg_page page;
  size_t consumed = 0;
  bool endOfStream = false;
  for (long size; (size = ogg_sync_pageseek(&sync, &page)) > 0;) {
    consumed += static_cast<size_t>(size);
    endOfStream = ogg_page_eos(&page) != 0;
  }
  ogg_sync_clear(&sync);
  return consumed == bytes.size() && endOfStream;
}

struct MemoryReader {
  Bytes bytes;
  size_t position = 0;
};

size_t ReadMemory(void* to, size_t size, size_t count, void* source) {
  auto& reader = *static_cast<MemoryReader*>(source);
  const size_t wanted = size * count;
  const size_t length = std::min(wanted, reader.bytes.size() - reader.position);
  std::memcpy(to, reader.bytes.data() + reader.position, length);
  reader.position += length;
  return size == 0 ? 0 : length / size;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
  auto& reader = *static_cast<MemoryReader*>(source);
  const auto size = static_cast<ogg_int64_t>(reader.bytes.size());
  const ogg_int64_t base = whence == SEEK_SET   ? 0
                           : whence == SEEK_CUR ? static_cast<ogg_int64_t>(reader.position)
                                                : size;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > size) return -1;
  reader.position = static_cast<size_t>(target);
  return 0;
}

long TellMemory(void* source) {
  return static_cast<long>(static_cast<MemoryReader*>(source)->position);
}

// An Ogg Vorbis stream opened on bytes in memory, closed when it goes.
class VorbisStream {
 public:
  explicit VorbisStream(MemoryReader& reader) {
    const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    open_ = ov_open_callbacks(&reader, &file_, nullptr, 0, callbacks) == 0;
  }
  ~VorbisStream() {
    if (open_) ov_clear(&file_);
  }
  VorbisStream(const VorbisStream&) = delete;
  VorbisStream& operator=(const VorbisStream&) = delete;

  OggVorbis_File* File() { return open_ ? &file_ : nullptr; }

 private:
  OggVorbis_File file_;
  bool open_ = false;
};

// Decodes the rest of the stream, mixed down, onto `out`; false for a hole
// or a damaged packet, links that differ from the first in channels or rate,
// or more than maxSamples samples over all channels (checked before each
// block is mixed down).
bool DecodeVorbis(OggVorbis_File& file, const vorbis_info& first, Long maxSamples,
                  std::vector<float>& out) {
  for (Long decoded = 0;;) {
    float** pcm = nullptr;
    int link = 0;
    const long frames = ov_read_float(&file, &pcm, 4096, &link);
    if (frames <= 0) return frames == 0;
    const vorbis_info* info = ov_info(&file, link);
    if (!info || info->channels != first.channels || info->rate != first.rate) return false;
    decoded += Long{frames} * first.channels;
    if (decoded > maxSamples) return false;
    AppendDownmixed(out, {pcm, static_cast<size_t>(first.channels)}, frames);
  }
}

// The stream decoded and mixed down into floats allocated once, at the
// length the stream states: libvorbisfile finds it from the last page of a
// stream it can seek in, as it can in memory. Refused at once when the
// header's rate or channels are out of range or that length is over
// maxSamples over all channels, and after decoding when the stream decodes to
// any other length.
std::shared_ptr<SoundData> ReadVorbis(OggVorbis_File& file, Long maxSamples) {
  const vorbis_info* first = ov_info(&file, -1);
  const Long frames = ov_pcm_total(&file, -1);
  if (!first || first->channels < 1 || !RateAllowed(first->rate) || frames < 0 ||
      frames > maxSamples / first->channels) {
    return nullptr;
  }
  // Opening a chained stream leaves libvorbisfile 1.3.7 past a first link of
  // a page or two; decoding from the first page reads every link.
  if (ov_raw_seek(&file, 0) != 0) return nullptr;
  auto data = std::make_shared<SoundData>();
  data->channels = first->channels == 1 ? 1 : 2;
  data->rate = static_cast<Int>(first->rate);
  data->samples.reserve(static_cast<size_t>(frames * data->channels));
  const bool whole = DecodeVorbis(file, *first, frames * first->channels, data->samples);
  return whole && data->Frames() == frames ? data : nullptr;
}

std::shared_ptr<SoundData> DecodeOgg(Bytes bytes, Long maxSamples) {
  if (!IsCompleteOggStream(bytes)) return nullptr;
  MemoryReader reader{bytes};
  VorbisStream stream(reader);
  return stream.File() ? ReadVorbis(*stream.File(), maxSamples) : nullptr;
}

// Where a channel goes in the mix-down to stereo: 'L' left, 'R' right, 'C'
// both sides.
char Side(size_t channel, size_t channels) {
  // Vorbis orders: mono; L R; L C R; FL FR RL RR; FL C FR RL RR; 5.1, 6.1 and
  // 7.1 with LFE last.
  static constexpr std::array<std::string_view, 9> kLayouts = {
      "", "C", "LR", "LCR", "LRLR", "LCRLR", "LCRLRC", "LCRLRCC", "LCRLRLRC"};
  if (channels < kLayouts.size()) return kLayouts[channels][channel];
  return channel % 2 == 0 ? 'L' : 'R';
}

}  // namespace

bool WavChunksFit(Bytes file) {
  return WalkWavChunks(file, [&](size_t at, Long claimed) {
    return claimed <= static_cast<Long>(file.size() - at);
  });
}

void AppendDownmixed(std::vector<float>& out, std::span<const float* const> planes, Long frames) {
  const Long outChannels = planes.size() == 1 ? 1 : 2;
  std::array<std::vector<const float*>, 2> sides;
  for (size_t c = 0; c < planes.size(); ++c) {
    const char side = Side(c, planes.size());
    if (side != 'R') sides[0].push_back(planes[c]);
    if (side != 'L') sides[1].push_back(planes[c]);
  }
  for (Long i = 0; i < frames; ++i) {
    for (Long o = 0; o < outChannels; ++o) {
      float sum = 0.0f;
      for (const float* plane : sides[o]) sum += plane[i];
      out.push_back(sum / static_cast<float>(sides[o].size()));
    }
  }
}

std::shared_ptr<const SoundData> DecodeSound(Bytes file, Long maxSamples) {
  if (file.empty()) return nullptr;
  auto data = DecodeWav(file, maxSamples);
  return data ? data : DecodeOgg(file, maxSamples);
}

// As the image loaders do, a sound too large for the memory at hand is one
// that cannot be loaded.
std::shared_ptr<const SoundData> DecodeSoundFile(const std::string& path) {
  try {
    return DecodeSound(ReadWholeFile(path), kMaxSoundSamples);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

}  // namespace platform::detail
