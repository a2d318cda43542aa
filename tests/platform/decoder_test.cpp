// Image loading by content: each format decodes to the right pixels, and a
// missing, empty, truncated, damaged or oversized file gives Null without a
// crash (the sanitizer build checks the memory accesses).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/pixmap.h"
#include "platform/testing.h"

namespace {

using Bytes = std::vector<Byte>;

struct Sample {
  Int width, height;
  std::uint32_t (*at)(Int x, Int y);
  std::vector<std::uint32_t> Argb() const {
    std::vector<std::uint32_t> argb;
    for (Int y = 0; y < height; ++y) {
      for (Int x = 0; x < width; ++x) argb.push_back(at(x, y));
    }
    return argb;
  }
};

// Equal pairs along each row (runs for run-length data), a last row of one
// colour, alpha varying by row.
const Sample kSmall = {7, 4, [](Int x, Int y) {
                         const std::uint32_t k =
                             y == 3 ? 9 : static_cast<std::uint32_t>(x / 2 + y * 4);
                         return (0x30u + 0x40u * y) << 24 | (k * 29 % 256) << 16 |
                                (255 - k * 17) << 8 | (k * 53 % 256);
                       }};

Sample Wide(Int width) {
  return {width, 1, [](Int, Int) { return 0xFF336699u; }};
}

// The channels of a pixel in the order named by the letters of `order`.
Bytes Channels(std::uint32_t argb, std::string_view order) {
  Bytes out;
  for (char c : order)
    out.push_back(static_cast<Byte>(argb >> (c == 'a' ? 24 : c == 'r' ? 16 : c == 'g' ? 8 : 0)));
  return out;
}

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

Bytes Number(std::uint32_t v, int bytes, bool bigEndian = false) {
  Bytes out;
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<Byte>(v >> 8 * (bigEndian ? bytes - 1 - i : i)));
  return out;
}

const char* ChannelOrder(Int depth) { return depth == 8 ? "g" : depth == 24 ? "bgr" : "bgra"; }

// descriptor 0x20: rows top down; 0x10: columns right to left.
Bytes Tga(const Sample& s, Byte type, Byte depth, Byte descriptor, Byte idLength = 0) {
  Bytes out = {idLength, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Append(out, Number(s.width, 2));
  Append(out, Number(s.height, 2));
  Append(out, {depth, descriptor});
  out.resize(out.size() + idLength, 0x5A);
  std::vector<Bytes> pixels;
  for (Int r = 0; r < s.height; ++r) {
    for (Int c = 0; c < s.width; ++c) {
      const Int x = descriptor & 0x10 ? s.width - 1 - c : c;
      pixels.push_back(
          Channels(s.at(x, descriptor & 0x20 ? r : s.height - 1 - r), ChannelOrder(depth)));
    }
  }
  // Run-length data: each pair of pixels as a run packet when equal, else raw.
  const std::size_t step = type >= 10 ? 2 : pixels.size();
  for (std::size_t i = 0; i < pixels.size(); i += step) {
    const bool run = step == 2 && pixels[i] == pixels[i + 1];
    if (step == 2) out.push_back(run ? 0x81 : 0x01);
    for (std::size_t k = i; k < i + (run ? 1 : step); ++k) Append(out, pixels[k]);
  }
  return out;
}

Bytes Bmp(const Sample& s, Int bits, bool topDown) {
  const std::uint32_t rowBytes = (s.width * bits + 31) / 32 * 4;
  const std::uint32_t offset = 54 + (bits == 8 ? 1024 : 0);
  Bytes out = {'B', 'M'};
  for (std::uint32_t v : {offset + rowBytes * s.height, 0u, offset, 40u, std::uint32_t(s.width),
                          std::uint32_t(topDown ? -s.height : s.height)}) {
    Append(out, Number(v, 4));
  }
  Append(out, Number(1, 2));
  Append(out, Number(bits, 2));
  for (std::uint32_t v : {0u, rowBytes * s.height, 0u, 0u, bits == 8 ? 256u : 0u, 0u}) {
    Append(out, Number(v, 4));
  }
  for (std::uint32_t i = 0; bits == 8 && i < 256; ++i) Append(out, Number(i * 0x010101, 4));
  for (Int r = 0; r < s.height; ++r) {
    const std::size_t start = out.size();
    for (Int x = 0; x < s.width; ++x) {
      Append(out, Channels(s.at(x, topDown ? r : s.height - 1 - r), ChannelOrder(bits)));
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

std::uint32_t Crc32(const Bytes& data, std::size_t from, std::size_t to) {
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = from; i < to; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = crc >> 1 ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  Append(out, Number(static_cast<std::uint32_t>(data.size()), 4, true));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  Append(out, data);
  Append(out, Number(Crc32(out, start, out.size()), 4, true));
}

// A zlib stream of stored (uncompressed) blocks.
Bytes Zlib(const Bytes& raw) {
  Bytes out = {0x78, 0x01};
  std::uint32_t a = 1, b = 0;
  for (Byte v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
  for (std::size_t at = 0; at < raw.size(); at += 65535) {
    const auto n = static_cast<std::uint32_t>(std::min<std::size_t>(65535, raw.size() - at));
    out.push_back(at + n == raw.size());
    Append(out, Number(n | (n ^ 0xFFFF) << 16, 4));
    out.insert(out.end(), raw.begin() + at, raw.begin() + at + n);
  }
  Append(out, Number(b << 16 | a, 4, true));
  return out;
}

// 8-bit grey (type 0), RGB (2) or palette with transparency (3), unfiltered,
// optionally in the seven Adam7 passes.
Bytes Png(const Sample& s, Byte type, bool interlaced = false) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes header = Number(s.width, 4, true);
  Append(header, Number(s.height, 4, true));
  Append(header, {8, type, 0, 0, interlaced});
  PutChunk(out, "IHDR", header);
  if (type == 3) {
    Bytes palette, alpha;
    for (std::uint32_t p : s.Argb()) {
      Append(palette, Channels(p, "rgb"));
      Append(alpha, Channels(p, "a"));
    }
    PutChunk(out, "PLTE", palette);
    PutChunk(out, "tRNS", alpha);
  }
  const std::vector<std::array<Int, 4>> passes =
      interlaced
          ? std::vector<std::array<Int, 4>>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                            {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
          : std::vector<std::array<Int, 4>>{{0, 0, 1, 1}};
  Bytes raw;
  for (const auto [x0, y0, dx, dy] : passes) {
    for (Int y = y0; x0 < s.width && y < s.height; y += dy) {
      raw.push_back(0);
      for (Int x = x0; x < s.width; x += dx) {
        Append(raw, type == 3 ? Bytes{Byte(y * s.width + x)}
                              : Channels(s.at(x, y), type == 0 ? "g" : "rgb"));
      }
    }
  }
  PutChunk(out, "IDAT", Zlib(raw));
  PutChunk(out, "IEND", {});
  return out;
}

// A folder of this process's own, removed when the tests end.
struct TempFolder {
  std::filesystem::path path = std::filesystem::temp_directory_path() /
                               ("quorvane-decoder-test-" + std::to_string(::getpid()));
  TempFolder() { std::filesystem::create_directories(path); }
  ~TempFolder() { std::filesystem::remove_all(path); }
};

std::string TempPath(const std::string& name) {
  static const TempFolder folder;
  return (folder.path / name).string();
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
}

Bytes ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Ref<TPixmap> Load(const Bytes& bytes) {
  const std::string path = TempPath("image.bin");
  WriteFile(path, bytes);
  return LoadPixmap(String(path));
}

Bytes Jpeg(const Sample& s) {
  const std::string path = TempPath("written.jpg");
  EXPECT_TRUE(platform::test::WriteJpeg(path, s.Argb(), s.width, s.height, 100));
  return ReadFile(path);
}

Bytes WrittenPng(const Sample& s) {
  const std::string path = TempPath("written.png");
  EXPECT_TRUE(platform::test::WritePng(path, s.Argb(), s.width, s.height));
  return ReadFile(path);
}

enum class Format { Tga, Png, WrittenPng, Jpeg, Bmp };
// What a format keeps of a pixel.
enum class Kept { Argb, Rgb, Grey };

struct FileCase {
  const char* name;
  Format format;
  Byte type, depth, flags;  // flags: TGA descriptor, PNG interlace, BMP top-down
  Kept kept;
  int tolerance;
};

void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

Bytes Encode(const FileCase& c, const Sample& s) {
  switch (c.format) {
    case Format::Tga:
      return Tga(s, c.type, c.depth, c.flags, c.type == 2 ? 5 : 0);
    case Format::Png:
      return Png(s, c.type, c.flags);
    case Format::WrittenPng:
      return WrittenPng(s);
    case Format::Jpeg:
      return Jpeg(s);
    case Format::Bmp:
      return Bmp(s, c.depth, c.flags);
  }
  return {};
}

const FileCase kFiles[] = {
    {"TgaRgbBottomUpWithId", Format::Tga, 2, 24, 0x00, Kept::Rgb, 0},
    {"TgaArgbTopDown", Format::Tga, 2, 32, 0x28, Kept::Argb, 0},
    {"TgaNoAlphaBits", Format::Tga, 2, 32, 0x20, Kept::Rgb, 0},
    {"TgaGreyRightToLeft", Format::Tga, 3, 8, 0x10, Kept::Grey, 0},
    {"TgaRunLengthArgb", Format::Tga, 10, 32, 0x08, Kept::Argb, 0},
    {"TgaRunLengthGreyTopDown", Format::Tga, 11, 8, 0x20, Kept::Grey, 0},
    {"PngArgbFromWriter", Format::WrittenPng, 6, 8, 0, Kept::Argb, 0},
    {"PngGrey", Format::Png, 0, 8, 0, Kept::Grey, 0},
    {"PngPaletteWithTransparency", Format::Png, 3, 8, 0, Kept::Argb, 0},
    {"PngRgbInterlaced", Format::Png, 2, 8, 1, Kept::Rgb, 0},
    {"Jpeg", Format::Jpeg, 0, 24, 0, Kept::Rgb, 6},
    {"Bmp24BottomUp", Format::Bmp, 0, 24, 0, Kept::Rgb, 0},
    {"Bmp32TopDown", Format::Bmp, 0, 32, 1, Kept::Argb, 0},
    {"Bmp8Palette", Format::Bmp, 0, 8, 0, Kept::Grey, 0},
};

std::uint32_t Expected(std::uint32_t p, Kept kept) {
  if (kept == Kept::Argb) return p;
  return 0xFF000000u | (kept == Kept::Rgb ? p : (p >> 8 & 0xFF) * 0x010101u);
}

int Distance(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift : {0, 8, 16, 24})
    most = std::max(most, std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF)));
  return most;
}

class DecoderTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(DecoderTest, GoodFileGivesItsPixels) {
  const FileCase& c = GetParam();
  const Ref<TPixmap> pixmap = Load(Encode(c, kSmall));
  ASSERT_NE(pixmap, nullptr);
  ASSERT_EQ(PixmapWidth(pixmap), kSmall.width);
  ASSERT_EQ(PixmapHeight(pixmap), kSmall.height);
  EXPECT_EQ(PixmapPitch(pixmap), kSmall.width * 4);
  EXPECT_EQ(pixmap->hasAlpha, c.kept == Kept::Argb);
  for (Int y = 0; y < kSmall.height; ++y) {
    for (Int x = 0; x < kSmall.width; ++x) {
      const std::uint32_t expected = Expected(kSmall.at(x, y), c.kept);
      const auto actual = static_cast<std::uint32_t>(ReadPixel(pixmap, x, y));
      EXPECT_LE(Distance(actual, expected), c.tolerance)
          << std::hex << actual << " for " << expected << " at " << std::dec << x << "," << y;
    }
  }
}

TEST_P(DecoderTest, TruncatedFileIsNull) {
  const Bytes good = Encode(GetParam(), kSmall);
  for (std::size_t length :
       {1ul, 3ul, 8ul, 17ul, 18ul, 30ul, good.size() / 2, good.size() - 2, good.size() - 1}) {
    EXPECT_EQ(Load(Bytes(good.begin(), good.begin() + length)), nullptr)
        << length << " of " << good.size();
  }
}

// Each byte damaged in turn: Null or an image of a sane size, never a crash.
TEST_P(DecoderTest, DamagedBytesNeverCrash) {
  const Bytes good = Encode(GetParam(), kSmall);
  for (std::size_t at = 0; at < good.size(); ++at) {
    for (Byte mask : {0xFF, 0x04}) {
      Bytes damaged = good;
      damaged[at] ^= mask;
      if (const Ref<TPixmap> pixmap = Load(damaged)) {
        ASSERT_GT(PixmapWidth(pixmap), 0) << "byte " << at;
        ASSERT_GT(PixmapHeight(pixmap), 0) << "byte " << at;
        ASSERT_LE(Long{PixmapWidth(pixmap)} * PixmapHeight(pixmap), Long{1} << 26) << "byte " << at;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, DecoderTest, ::testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::string(info.param.name); });

Bytes Changed(Bytes bytes, std::size_t at, std::initializer_list<Byte> values) {
  std::copy(values.begin(), values.end(), bytes.begin() + at);
  return bytes;
}

// A PNG whose header chunk's checksum matches its (changed) contents again.
Bytes WithHeaderCrc(Bytes png) {
  const Bytes crc = Number(Crc32(png, 12, 29), 4, true);
  std::copy(crc.begin(), crc.end(), png.begin() + 29);
  return png;
}

TEST(Decoders, KnownDamageGivesNull) {
  const Bytes tga = Tga(kSmall, 2, 24, 0), png = Png(kSmall, 2), bmp = Bmp(kSmall, 24, false);
  const Bytes jpeg = Jpeg(kSmall);
  const Byte startOfFrame[] = {0xFF, 0xC0};
  const auto frame =
      std::search(jpeg.begin(), jpeg.end(), std::begin(startOfFrame), std::end(startOfFrame)) -
      jpeg.begin();
  const std::pair<const char*, Bytes> cases[] = {
      {"TgaColourMapped", Changed(tga, 2, {1})},
      {"TgaColourMapPresent", Changed(tga, 1, {1})},
      {"TgaSixteenBit", Changed(tga, 16, {16})},
      {"TgaZeroWidth", Changed(tga, 12, {0, 0})},
      {"TgaReservedDescriptorBits", Changed(tga, 17, {0xC0})},
      {"TgaIdPastEnd", Changed(tga, 0, {255})},
      {"TgaRunLengthDataShort", Changed(Tga(kSmall, 10, 24, 0), 14, {5})},
      {"PngHeaderChecksum", Changed(png, 19, {8})},
      {"PngBadBitDepth", WithHeaderCrc(Changed(png, 24, {7}))},
      {"PngPixelDataShort", WithHeaderCrc(Changed(png, 23, {5}))},
      {"JpegNoFrame", {0xFF, 0xD8, 0xFF, 0xD9}},
      {"JpegZeroHeight", Changed(jpeg, frame + 5, {0, 0})},
      {"BmpSevenBitPixels", Changed(bmp, 28, {7})},
      {"BmpUnknownHeaderSize", Changed(bmp, 14, {20})},
      {"BmpPixelsPastEnd", Changed(bmp, 10, {0xF0})},
      {"NotAnImage", {'h', 'e', 'l', 'l', 'o', ',', ' ', 'w', 'o', 'r', 'l', 'd'}},
  };
  for (const auto& [name, bytes] : cases) EXPECT_EQ(Load(bytes), nullptr) << name;
}

// Larger sizes are refused before anything is allocated for them.
TEST(Decoders, WidthLimitIs16384) {
  for (Format format : {Format::Tga, Format::Png, Format::Jpeg, Format::Bmp}) {
    const FileCase rgb = {"", format, 2, 24, 0, Kept::Rgb, 0};
    EXPECT_NE(Load(Encode(rgb, Wide(16384))), nullptr) << int(format);
    EXPECT_EQ(Load(Encode(rgb, Wide(16385))), nullptr) << int(format);
  }
}

TEST(Decoders, MissingEmptyAndFolderGiveNull) {
  WriteFile(TempPath("empty.png"), {});
  std::filesystem::create_directories(TempPath("folder.png"));
  for (const char* name : {"missing.png", "empty.png", "folder.png"}) {
    EXPECT_EQ(LoadPixmap(String(TempPath(name))), nullptr) << name;
  }
}

TEST(Decoders, WritersRefuseWhatTheyCannotWrite) {
  const std::vector<std::uint32_t> four(4, 0xFF000000u);
  struct Case {
    std::string path;
    Int width, height;
  };
  for (const Case& c : {Case{TempPath("no/such/folder.img"), 2, 2}, Case{TempPath("a.img"), 0, 2},
                        Case{TempPath("b.img"), 3, 2}}) {
    EXPECT_FALSE(platform::test::WritePng(c.path, four, c.width, c.height)) << c.path;
    EXPECT_FALSE(platform::test::WriteJpeg(c.path, four, c.width, c.height, 90)) << c.path;
  }
}

}  // namespace
