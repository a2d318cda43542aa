// Image loaders, the fatal-error protocol and the precaching of video frames.
#include "util/image_loading.h"

#include <gtest/gtest.h>

#include <string>

#include "util/headless_images.h"

namespace {

namespace test = platform::test;

class ImageLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    headless_images::StartHeadless();
  }
};

TEST_F(ImageLoading, LoadersPassTheirArgumentsOn) {
  const std::string file = headless_images::WritePng("strip.png", 40, 10);
  for (const auto& [flags, expected] : {std::pair{-1, DEFAULT_IMAGE_FLAGS}, {MASKEDIMAGE, 1}}) {
    const Ref<TImage> image = ccLoadBitmap(file, flags);
    EXPECT_EQ(image->frames.size(), 1u);
    EXPECT_EQ(image->flags, expected);
  }
  const Ref<TImage> strip = ccLoadAnimBitmap(file, 10, 10, 1, 3, -1);
  EXPECT_EQ(strip->frames.size(), 3u);
  EXPECT_EQ(ImageWidth(strip), 10);
}

// The real path in a child process: the exact bytes on standard error and
// exit status 255, whatever endProgram says.
TEST_F(ImageLoading, FailuresEndTheProgramWithTheirMessage) {
  EXPECT_EXIT(ccLoadBitmap("Data/Images/nothere.png", -1), ::testing::ExitedWithCode(255),
              ::testing::Eq("Error loading image Data/Images/nothere.png"));
  EXPECT_EXIT(ccLoadAnimBitmap("Data/Images/nothere.png", 8, 8, 0, 2, -1),
              ::testing::ExitedWithCode(255),
              ::testing::Eq("Error loading anim image Data/Images/nothere.png"));
  for (Int endProgram : {0, 1}) {
    EXPECT_EXIT(ccRunTimeError("Broke", endProgram), ::testing::ExitedWithCode(255),
                ::testing::Eq("Broke"));
  }
}

TEST_F(ImageLoading, TheMessageBoxComesBeforeStandardError) {
  const size_t boxesBefore = test::NotifyLog().size();
  size_t boxesAtWrite = 0;
  test::NotifyRecord box;
  std::string written;
  test::SetStderrSink([&](const std::string& text) {
    boxesAtWrite = test::NotifyLog().size();
    if (boxesAtWrite > 0) box = test::NotifyLog().back();
    written += text;
  });
  test::TrapExits(true);
  Int status = 0;
  try {
    ccRunTimeError("Image 'GHOST' was not found in the ImageBank", 1);
  } catch (const test::ProcessExit& exit) {
    status = exit.status;
  }
  test::TrapExits(false);
  test::SetStderrSink(nullptr);
  platform::Shutdown();  // as the error left it; the next test starts afresh

  EXPECT_EQ(status, 255);
  EXPECT_EQ(written, "Image 'GHOST' was not found in the ImageBank");
  EXPECT_EQ(boxesAtWrite, boxesBefore + 1);
  EXPECT_EQ(box.text, written);
  EXPECT_EQ(box.title, AppTitle.ToUtf8());
}

TEST_F(ImageLoading, CreateFramesMakesEachVideoCopyOnce) {
  const Ref<TImage> image =
      ccLoadAnimBitmap(headless_images::WritePng("four.png", 16, 4), 4, 4, 0, 4, -1);
  const Long before = test::VideoFramesMade();
  for (int call = 0; call < 2; ++call) {
    EXPECT_EQ(ccCreateFrames(image), 0);
    EXPECT_EQ(test::VideoFramesMade() - before, 4);
  }
  EXPECT_EQ(ccCreateFrames(nullptr), 0);
  EXPECT_EQ(test::VideoFramesMade() - before, 4);
}

}  // namespace
