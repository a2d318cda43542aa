// Writes Ogg Vorbis files, so that tests can make the files the sound
// loader reads.
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>

#include "platform/testing.h"

namespace platform::test {
namespace {

void WritePage(std::ofstream& out, const ogg_page& page) {
  out.write(reinterpret_cast<const char*>(page.header), page.header_len);
  out.write(reinterpret_cast<const char*>(page.body), page.body_len);
}

// Encodes every block the analysis has ready, writing the full pages; the
// last packet's position is statedFrames when that is not negative.
void WriteBlocks(std::ofstream& out, vorbis_dsp_state& dsp, vorbis_block& block,
                 ogg_stream_state& stream, Long statedFrames) {
  ogg_packet packet;
  ogg_page page;
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
      if (packet.e_o_s && statedFrames >= 0) packet.granulepos = statedFrames;
      ogg_stream_packetin(&stream, &packet);
      while (ogg_stream_pageout(&stream, &page) != 0) WritePage(out, page);
    }
  }
}

// Hands the interleaved frames to the encoder a block at a time (it takes
// stack in proportion to what it is given at once), then ends the stream,
// writing each page as it fills.
void EncodeFrames(std::ofstream& out, const std::vector<float>& samples, Int channels,
                  Long statedFrames, vorbis_dsp_state& dsp, vorbis_block& block,
                  ogg_stream_state& stream) {
  constexpr size_t kBlockFrames = 1024;
  const size_t frames = samples.size() / static_cast<size_t>(channels);
  for (size_t first = 0; first < frames; first += kBlockFrames) {
    const size_t count = std::min(kBlockFrames, frames - first);
    float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
    for (size_t i = 0; i < count; ++i) {
      for (Int c = 0; c < channels; ++c) buffer[c][i] = samples[(first + i) * channels + c];
    }
    vorbis_analysis_wrote(&dsp, static_cast<int>(count));
    WriteBlocks(out, dsp, block, stream, statedFrames);
  }
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
  WriteBlocks(out, dsp, block, stream, statedFrames);
}

}  // namespace

bool WriteOggVorbis(const std::string& path, const std::vector<float>& samples, Int rate,
                    Int channels, Long statedFrames) {
  std::ofstream out(path, std::ios::binary);
  vorbis_info info;
  vorbis_info_init(&info);
  if (!out || channels < 1 || vorbis_encode_init_vbr(&info, channels, rate, 0.5f) != 0) {
    vorbis_info_clear(&info);
    return false;
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  // Each file its own serial number, so that files written one after another
  // chain into one stream.
  static int serial = 0;
  ogg_stream_init(&stream, ++serial);

  ogg_packet header, commentHeader, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) WritePage(out, page);

  EncodeFrames(out, samples, channels, statedFrames, dsp, block, stream);
  while (ogg_stream_flush(&stream, &page) != 0) WritePage(out, page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out.good();
}

}  // namespace platform::test
