// Start-up and shutdown, console output, message boxes and the two ways the
// process ends: for real (death tests) and trapped as ProcessExit.
#include "platform/system.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "headless_start.h"
#include "platform/detail.h"
#include "platform/display.h"
#include "platform/testing.h"

namespace {

using ::testing::Eq;
using ::testing::ExitedWithCode;

class SystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    platform_test::StartHeadless();
    platform::test::SetStdoutSink([this](const std::string& s) { out_ += s; });
    platform::test::SetStderrSink([this](const std::string& s) { err_ += s; });
  }
  void TearDown() override {
    platform::test::SetStdoutSink(nullptr);
    platform::test::SetStderrSink(nullptr);
    platform::test::TrapExits(false);
  }
  // Runs the call with exits trapped; the status and text it ended with.
  static platform::test::ProcessExit Trapped(void (*call)()) {
    platform::test::TrapExits(true);
    try {
      call();
    } catch (const platform::test::ProcessExit& exit) {
      return exit;
    }
    return {-1, "returned"};
  }
  std::string out_, err_;
};

TEST_F(SystemTest, InitAndShutdownAreSafeToRepeat) {
  platform_test::StartHeadless();
  EXPECT_TRUE(platform::IsInitialised() && platform::IsHeadless());
  platform::Shutdown();
  platform::Shutdown();
  EXPECT_FALSE(platform::IsInitialised());
  platform_test::StartHeadless();
  EXPECT_TRUE(platform::IsInitialised());
}

TEST_F(SystemTest, PrintAndNotify) {
  Print(String(u"H\u00e9llo"));
  Print("");
  EXPECT_EQ(out_, "H\xc3\xa9llo\n\n");
  AppTitle = "Quorvane V0.21";
  Notify("Error loading image x.png");  // headless: recorded, returns at once
  EXPECT_EQ(platform::test::NotifyLog().back().title, "Quorvane V0.21");
  EXPECT_EQ(platform::test::NotifyLog().back().text, "Error loading image x.png");
}

TEST_F(SystemTest, TrappedExitsShutDownAndCarryStatusAndText) {
  const auto error = Trapped([] { RuntimeError(String(u"image doesnt exist \u00e9")); });
  EXPECT_EQ(error.status, 255);
  EXPECT_EQ(error.text, "image doesnt exist \xe9");  // one byte per code unit
  EXPECT_EQ(err_, error.text);
  EXPECT_FALSE(platform::IsInitialised());
  platform_test::StartHeadless();
  const auto end = Trapped([] { End(); });
  EXPECT_EQ(end.status, 0);
  EXPECT_EQ(end.text, "");
  EXPECT_FALSE(platform::IsInitialised());
}

TEST_F(SystemTest, RuntimeErrorEndsTheProcessWith255AndTheExactText) {
  platform::test::SetStderrSink(nullptr);
  EXPECT_EXIT(RuntimeError("Error loading image Data/Images/nothere.png"), ExitedWithCode(255),
              Eq(std::string("Error loading image Data/Images/nothere.png")));
  EXPECT_EXIT(RuntimeError(String(u"caf\u00e9")), ExitedWithCode(255), Eq(std::string("caf\xe9")));
}

TEST_F(SystemTest, EndEndsTheProcessWith0) {
  EXPECT_EXIT(End(), ExitedWithCode(0), Eq(std::string()));
}

// Status 0 when the platform has ended without tearing the display down
// through SDL: closed for its users, its renderer left in place.
void ExitWithVerdictOnTheDisplay() {
  const bool leftAlone =
      !platform::IsInitialised() && !GraphicsOpen() && platform::detail::Renderer() != nullptr;
  _exit(leftAlone ? 0 : 1);
}

// Any other exit than End or RuntimeError (a library's own, as Xlib's when the
// display connection is lost) may come over a display that is gone.
TEST(ExitHookDeathTest, ALibrarysExitLeavesTheVideoSubsystemAlone) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        platform::Shutdown();
        // Registered before the platform's own hook, so it runs after it.
        std::atexit(ExitWithVerdictOnTheDisplay);
        platform_test::StartHeadless();
        Graphics(CANVAS_WIDTH, CANVAS_HEIGHT, 32);
        Flip(1);
        std::exit(3);
      },
      ExitedWithCode(0), "");
}

}  // namespace

// Back ends' diagnostics written while standard error is quiet are dropped;
// what is written after reaches it again.
TEST(QuietStderrTest, DropsOnlyWhatIsWrittenWhileItLives) {
  char path[] = "/tmp/quiet-stderr-XXXXXX";
  const int file = mkstemp(path);
  ASSERT_GE(file, 0);
  std::fflush(stderr);
  const int saved = dup(STDERR_FILENO);
  dup2(file, STDERR_FILENO);
  {
    const platform::detail::QuietStderr quiet;
    ASSERT_EQ(write(STDERR_FILENO, "noise", 5), 5);
  }
  ASSERT_EQ(write(STDERR_FILENO, "kept", 4), 4);
  dup2(saved, STDERR_FILENO);
  close(saved);
  close(file);
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  std::remove(path);
  EXPECT_EQ(text.str(), "kept");
}
