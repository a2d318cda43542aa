// The regression corpus (tests/corpus): damaged and hostile files that once
// made a loader misbehave. Every file goes through every loader family and
// must give Null or a valid object, within five seconds of processor time
// and without a large rise in the process's peak memory. Processor time, not
// wall time: the suite runs in parallel, and a loaded machine must not fail
// a load that does its work quickly. The limit is several times the slowest
// legitimate file under the sanitizers on a busy machine (the progressive
// JPEG, up to about 1.2 s); the faults it guards against took 15 s and more.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <functional>

#include "platform/audio.h"
#include "platform/font.h"
#include "platform/headless_start.h"
#include "platform/image_codecs.h"
#include "platform/mixer.h"
#include "platform/peak_memory.h"
#include "platform/sound_decoders.h"
#include "platform/testing.h"

namespace {

constexpr double kMaxSeconds = 5.0;
constexpr long kMaxPeakGrowthKb = 256 * 1024;

// Processor time this thread has used, in seconds.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void LoadPixmapOrNull(const String& path) {
  const Ref<TPixmap> pixmap = LoadPixmap(path);
  if (!pixmap) return;
  EXPECT_TRUE(platform::detail::FitsImageLimits(pixmap->width, pixmap->height));
  EXPECT_EQ(pixmap->pitch, pixmap->width * 4);
  ReadPixel(pixmap, pixmap->width - 1, pixmap->height - 1);  // inside the storage
}

void LoadSoundOrNull(const String& path) {
  const Ref<TSound> sound = LoadSound(path);
  if (!sound) return;
  ASSERT_TRUE(sound->data);
  EXPECT_TRUE(sound->data->channels == 1 || sound->data->channels == 2);
  EXPECT_GT(sound->data->rate, 0);
  EXPECT_LE(sound->data->rate, platform::detail::kMaxSoundRate);
  EXPECT_EQ(sound->data->samples.size() % std::size_t(sound->data->channels), 0u);
}

// At one size and at the font's own bitmap sizes, the only ones at which a
// font of bitmap strikes opens.
void LoadFontOrNull(const String& path) {
  std::vector<Int> sizes = platform::test::FontFixedSizes(path.ToUtf8(), 3);
  sizes.push_back(20);
  for (const Int size : sizes) {
    const Ref<TImageFont> font = LoadImageFont(path, size);
    if (!font) continue;
    EXPECT_TRUE(font->face);
    font->LoadGlyph(font->CharToGlyph('A'));
  }
}

TEST(CorpusTest, EveryFileLoadsToNullOrAValidObjectQuicklyInBoundedMemory) {
  platform_test::StartHeadless();
  const std::pair<const char*, std::function<void(const String&)>> loaders[] = {
      {"LoadPixmap", LoadPixmapOrNull},
      {"LoadSound", LoadSoundOrNull},
      {"LoadImageFont", LoadFontOrNull}};
  Int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_CORPUS_DIR)) {
    ++files;
    for (const auto& [name, load] : loaders) {
      SCOPED_TRACE(entry.path().filename().string() + " through " + name);
      const long peakBefore = platform_test::FreshPeakRssKb();
      const double start = ThreadSeconds();
      load(entry.path().string());
      EXPECT_LT(ThreadSeconds() - start, kMaxSeconds);
      EXPECT_LT(platform_test::PeakRssKb() - peakBefore, kMaxPeakGrowthKb);
    }
  }
  EXPECT_GT(files, 0) << QUORVANE_CORPUS_DIR;
}

}  // namespace
