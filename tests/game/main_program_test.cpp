// The main program: start-up, the exit test at the top of a pass, a shared
// image missing at start-up, and the real way out of the process.
#include "game/main_program.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/game.h"
#include "framework/image_bank.h"
#include "framework/renderer.h"
#include "game/zumbel.h"
#include "platform/input.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace fs = std::filesystem;
namespace test = platform::test;

namespace {

constexpr Int KEY_P = 80;
constexpr Int KEY_X = 88;

void Tap(Int key) {
  test::PressKey(key);
  test::ReleaseKey(key);
}

// Start-up on a fresh platform, with exits trapped and standard error kept.
class MainProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Shutdown();
    test::TrapExits(true);
    test::SetStderrSink([this](const std::string& text) { errors += text; });
  }
  void TearDown() override {
    test::SetStderrSink(nullptr);
    test::TrapExits(false);
    platform::Shutdown();
  }
  static void Start() { StartUp({.headless = true, .changeDir = false, .seed = 1}); }

  // Runs one pass; the exit status when it ended the program.
  static std::optional<Int> Pass() {
    try {
      RunPass();
    } catch (const test::ProcessExit& exit) {
      return exit.status;
    }
    return std::nullopt;
  }

  std::string errors;
};

TEST_F(MainProgramTest, StartUpLeavesTheGameReadyForItsFirstPass) {
  Start();
  EXPECT_EQ(AppTitle, "Quorvane V0.21");
  EXPECT_EQ(test::WindowTitle(), "Quorvane V0.21");
  EXPECT_EQ(std::vector<Int>({renderer->fullScreen, renderer->bitDepth}),
            std::vector<Int>({1, 32}));
  EXPECT_EQ(std::vector<Int>({game->debugPanelX, game->debugPanelY, game->music, game->testMode}),
            std::vector<Int>({10, 100, 1, 0}));
  EXPECT_EQ(TZumbel::timeBoost, 60);
  ASSERT_TRUE(mainFont);
  EXPECT_EQ(mainFont->size, 64);
  std::vector<std::string> keys;
  for (const auto& [key, image] : *imageBank) keys.push_back(key.ToUtf8());
  EXPECT_EQ(keys, (std::vector<std::string>{"EXPLOSION", "FOG", "PARTICLERING", "PARTICLERING2",
                                            "PLAYER", "SPIKES", "ZUMBEL"}));
  EXPECT_EQ(game->screenStack->Count(), 1);
  EXPECT_TRUE(game->currentScreen);
}

struct ExitCase {
  const char* label;
  std::vector<Int> held;
  bool ends;
};

void PrintTo(const ExitCase& c, std::ostream* out) { *out << c.label; }

class ExitKeysTest : public MainProgramTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitKeysTest, ControlXEndsBeforeTheLogic) {
  Start();
  for (Int key : GetParam().held) test::PressKey(key);
  Tap(KEY_X);
  Tap(KEY_P);
  const std::optional<Int> status = Pass();
  EXPECT_EQ(status.has_value(), GetParam().ends);
  if (!GetParam().ends) return;
  EXPECT_EQ(*status, 0);
  EXPECT_EQ(game->paused, 0);  // the pass's logic never ran
  EXPECT_TRUE(test::CurrentDrawLog().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ExitKeysTest,
                         ::testing::Values(ExitCase{"LeftControl", {KEY_LCONTROL}, true},
                                           ExitCase{"RightControl", {KEY_RCONTROL}, true},
                                           ExitCase{"NoControl", {}, false}),
                         [](const auto& info) { return info.param.label; });

TEST_F(MainProgramTest, MissingSharedImageIsFatalAndStopsLoading) {
  const fs::path folder =
      fs::temp_directory_path() / ("quorvane-main-program-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy("Data", folder / "Data", fs::copy_options::recursive);
  fs::remove(folder / "Data/Images/spikes.png");
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  std::optional<Int> status;
  try {
    Start();
  } catch (const test::ProcessExit& exit) {
    status = exit.status;
  }
  fs::current_path(previous);
  fs::remove_all(folder);
  EXPECT_EQ(status, 255);
  EXPECT_EQ(errors, "Error loading image Data/Images/spikes.png");
  std::vector<std::string> keys;
  for (const auto& [key, image] : *imageBank) keys.push_back(key.ToUtf8());
  EXPECT_EQ(keys, (std::vector<std::string>{"FOG", "PLAYER", "ZUMBEL"}));
}

// The process really ends: status 0, and the globals that still hold images
// and the font are released after the platform has shut down.
TEST(MainProgramDeathTest, ControlXEndsTheProcessCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        platform::Shutdown();
        StartUp({.headless = true, .changeDir = false, .seed = 1});
        imageBank->Precache();  // textures for every shared image
        RunPass();              // and for the font
        test::PressKey(KEY_LCONTROL);
        Tap(KEY_X);
        RunPass();
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
