// Sound file decoders. The whole file is read into memory and tried as WAV
// (SDL's reader: PCM 8/16/32-bit, float, ADPCM) and then as Ogg Vorbis
// (libvorbisfile); the result is converted once to float samples at the
// file's own rate.
#include "platform/sound_decoders.h"

#include <SDL.h>
#include <ogg/ogg.h>
#define OV_EXCLUDE_STATIC_CALLBACKS
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "platform/detail.h"
#include "platform/mixer.h"

namespace platform::detail {
namespace {

using Bytes = std::span<const Byte>;

// Samples of any SDL format and up to eight channels as floats, mono or
// stereo; non-finite values (a corrupt float file) become silence.
std::shared_ptr<SoundData> ToSoundData(SDL_AudioFormat format, Int channels, Int rate,
                                       const Byte* bytes, Long length) {
  const Int outChannels = channels == 1 ? 1 : 2;
  SDL_AudioCVT cvt;
  if (length > INT_MAX ||
      SDL_BuildAudioCVT(&cvt, format, channels, rate, AUDIO_F32SYS, outChannels, rate) < 0) {
    return nullptr;
  }
  auto data = std::make_shared<SoundData>();
  data->channels = outChannels;
  data->rate = rate;
  if (length == 0) return data;
  std::vector<Byte> buffer(length * cvt.len_mult);
  std::memcpy(buffer.data(), bytes, length);
  cvt.buf = buffer.data();
  cvt.len = static_cast<int>(length);
  if (SDL_ConvertAudio(&cvt) != 0) return nullptr;
  data->samples.resize(cvt.len_cvt / sizeof(float));
  std::memcpy(data->samples.data(), buffer.data(), data->samples.size() * sizeof(float));
  std::replace_if(
      data->samples.begin(), data->samples.end(), [](float s) { return !std::isfinite(s); }, 0.0f);
  return data;
}

// A file cut short or with a broken data chunk is refused rather than
// played in part.
std::shared_ptr<SoundData> DecodeWav(Bytes bytes) {
  SDL_SetHintWithPriority(SDL_HINT_WAVE_TRUNCATION, "strict", SDL_HINT_OVERRIDE);
  SDL_AudioSpec spec;
  Uint8* samples = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (!SDL_LoadWAV_RW(source, 1, &spec, &samples, &length)) return nullptr;
  auto data = ToSoundData(spec.format, spec.channels, spec.freq, samples, length);
  SDL_FreeWAV(samples);
  return data;
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

std::shared_ptr<SoundData> ReadVorbis(OggVorbis_File& file) {
  const vorbis_info* first = ov_info(&file, -1);
  const Int channels = first->channels;
  const auto rate = static_cast<Int>(first->rate);
  std::vector<float> samples;
  for (;;) {
    float** pcm = nullptr;
    int link = 0;
    const long frames = ov_read_float(&file, &pcm, 4096, &link);
    if (frames == 0) break;
    if (frames < 0) return nullptr;  // a hole or damaged packet
    const vorbis_info* info = ov_info(&file, link);
    if (!info || info->channels != channels || info->rate != rate) return nullptr;
    for (long i = 0; i < frames; ++i) {
      for (Int c = 0; c < channels; ++c) samples.push_back(pcm[c][i]);
    }
  }
  return ToSoundData(AUDIO_F32SYS, channels, rate, reinterpret_cast<const Byte*>(samples.data()),
                     static_cast<Long>(samples.size() * sizeof(float)));
}

std::shared_ptr<SoundData> DecodeOgg(Bytes bytes) {
  if (!IsCompleteOggStream(bytes)) return nullptr;
  MemoryReader reader{bytes};
  const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
  OggVorbis_File file;
  if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return nullptr;
  auto data = ReadVorbis(file);
  ov_clear(&file);
  return data;
}

}  // namespace

std::shared_ptr<const SoundData> DecodeSoundFile(const std::string& path) {
  const std::vector<Byte> bytes = ReadWholeFile(path);
  if (bytes.empty()) return nullptr;
  if (auto data = DecodeWav(bytes)) return data;
  return DecodeOgg(bytes);
}

}  // namespace platform::detail
