// The per-user data folder from the environment, the display-mode listing,
// the stubs and the version record.
#include "util/system_queries.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/display.h"
#include "platform/headless_start.h"
#include "platform/testing.h"

namespace {

namespace fs = std::filesystem;

// Sets (or with nullopt unsets) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Apply(value);
  }
  ~ScopedEnv() { Apply(old_); }

 private:
  void Apply(const std::optional<std::string>& value) const {
    if (value) {
      setenv(name_, value->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  const char* name_;
  std::optional<std::string> old_;
};

class SystemQueries : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("quorvane-folders-" + std::to_string(getpid()));
    fs::create_directories(root_ / "home/.local/share");
    fs::create_directories(root_ / "bare-home");
    fs::create_directories(root_ / "xdg");
    fs::create_directories(root_ / "d\xC3\xB6n\xC3\xA9r");
  }
  void TearDown() override { fs::remove_all(root_); }
  std::string Path(const std::string& relative) const { return (root_ / relative).string(); }

  fs::path root_;
};

TEST_F(SystemQueries, DataFolderFollowsTheXdgRulesAndIsNeverCreated) {
  using Env = std::optional<std::string>;
  struct Case {
    const char* name;
    Env xdg, home;
    Env expected;  // nullopt: ""
  };
  const Case cases[] = {
      {"XDG_DATA_HOME", Path("xdg"), Path("bare-home"), Path("xdg")},
      {"XDG_DATA_HOME missing", Path("nothere"), Path("home"), std::nullopt},
      {"XDG_DATA_HOME relative", std::string("xdg"), Path("home"), Path("home/.local/share")},
      {"XDG_DATA_HOME empty", std::string(""), Path("home"), Path("home/.local/share")},
      {"HOME only", std::nullopt, Path("home"), Path("home/.local/share")},
      {"HOME without the folder", std::nullopt, Path("bare-home"), std::nullopt},
      {"HOME relative", std::nullopt, std::string("home"), std::nullopt},
      {"no HOME", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    const ScopedEnv xdg("XDG_DATA_HOME", c.xdg);
    const ScopedEnv home("HOME", c.home);
    EXPECT_EQ(ccGetSharedUserDataFolder().ToUtf8(), c.expected.value_or("")) << c.name;
  }
  EXPECT_FALSE(fs::exists(Path("nothere")));
  EXPECT_FALSE(fs::exists(Path("bare-home/.local")));
}

TEST_F(SystemQueries, DataFolderIsUtf8AndAtMost1023Bytes) {
  {
    const ScopedEnv xdg("XDG_DATA_HOME", Path("d\xC3\xB6n\xC3\xA9r"));
    const String folder = ccGetSharedUserDataFolder();
    EXPECT_EQ(Right(folder, 5), String(u"d\u00F6n\u00E9r"));
  }
  std::string deep = root_.string();
  while (deep.size() <= 1023) deep += "/" + std::string(200, 'x');
  fs::create_directories(deep);
  const ScopedEnv xdg("XDG_DATA_HOME", deep);
  EXPECT_EQ(ccGetSharedUserDataFolder(), "");
  // The longest path that still fits.
  std::string fits = deep.substr(0, deep.rfind('/'));
  fits += "/" + std::string(1023 - fits.size() - 1, 'y');
  fs::create_directories(fits);
  const ScopedEnv xdgFits("XDG_DATA_HOME", fits);
  EXPECT_EQ(ccGetSharedUserDataFolder().ToUtf8(), fits);
}

TEST(SystemQueriesListing, OneLinePerDisplayModeInTheDriversOrder) {
  platform_test::StartHeadless();
  std::string printed;
  platform::test::SetStdoutSink([&](const std::string& text) { printed += text; });
  EXPECT_EQ(ccPrintGraphicsModes(), 0);
  platform::test::SetStdoutSink(nullptr);

  const Int count = CountGraphicsModes();
  ASSERT_GT(count, 0);
  std::string expected;
  for (Int i = 0; i < count; ++i) {
    Int w = 0, h = 0, d = 0, hz = 0;
    GetGraphicsMode(i, w, h, d, hz);
    expected += std::to_string(i) + " Width: " + std::to_string(w) +
                " Height: " + std::to_string(h) + " Depth: " + std::to_string(d) +
                " Hertz: " + std::to_string(hz) + "\n";
  }
  EXPECT_EQ(printed, expected);
  EXPECT_TRUE(std::regex_search(printed, std::regex("^0 Width: [1-9][0-9]* Height: [1-9]")));
}

TEST(SystemQueriesStubs, ReturnNothingWhateverTheyAreGiven) {
  ASSERT_NE(std::getenv("PATH"), nullptr);
  const std::vector<String> texts = {ccGetDirectXVersion(), ccGetEnvVar("PATH"),
                                     ccGetSpecialFolder(26), ccGetVersionString()};
  for (const String& text : texts) EXPECT_EQ(text, "");
  EXPECT_EQ((std::vector<Int>{ccEnableMaximize(12345), ccEnableMinimize(-1), ccVWait()}),
            (std::vector<Int>{0, 0, 0}));
}

// The record's fields follow one another without gaps, 156 bytes in all,
// every byte 0 on creation.
TEST(SystemQueriesRecord, VersionRecordIsZeroedAndPacked) {
  const auto record = New<TOSVersionInfoEx>();
  const auto* first = reinterpret_cast<const unsigned char*>(&record->dwOSVersionInfoSize);
  const auto* end = reinterpret_cast<const unsigned char*>(&record->wReserved) + 1;
  ASSERT_EQ(end - first, 156);
  EXPECT_EQ(reinterpret_cast<const unsigned char*>(&record->pad15) + 4 -
                reinterpret_cast<const unsigned char*>(&record->szCSDVersion),
            128);
  for (const unsigned char* byte = first; byte != end; ++byte) {
    EXPECT_EQ(*byte, 0) << "byte " << (byte - first);
  }
}

}  // namespace
