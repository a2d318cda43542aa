// The data generator as the build runs it: the same output on every run, a
// folder that is either complete or absent, and the contact sheet.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "data_files.h"
#include "platform/pixmap.h"

namespace {

namespace fs = std::filesystem;

const fs::path kGenerator = fs::absolute("datagen");

// A fresh folder of its own under the system's temporary folder.
class GeneratorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_files::StartHeadless();
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }
  // Runs the generator with the arguments (and an optional environment
  // prefix); its exit status.
  int Run(const std::string& args, const std::string& env = "") const {
    const std::string command =
        env + " '" + kGenerator.string() + "' " + args + " > /dev/null 2> /dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  fs::path root_ = fs::temp_directory_path() / ("quorvane-datagen-" + std::to_string(getpid()));
};

bool SamePixels(const fs::path& a, const fs::path& b) {
  const Ref<TPixmap> p = LoadPixmap(String(a.string()));
  const Ref<TPixmap> q = LoadPixmap(String(b.string()));
  if (!p || !q || p->width != q->width || p->height != q->height) return false;
  for (int y = 0; y < p->height; ++y) {
    for (int x = 0; x < p->width; ++x) {
      if (ReadPixel(p, x, y) != ReadPixel(q, x, y)) return false;
    }
  }
  return true;
}

// A run replaces an old folder whole and writes what the build wrote.
TEST_F(GeneratorTest, WritesTheSameFolderOnEveryRun) {
  const fs::path data = root_ / "Data";
  fs::create_directories(data / "Images");
  std::ofstream(data / "Images" / "stale.png") << "stale";
  ASSERT_EQ(Run("'" + data.string() + "'"), 0);
  EXPECT_FALSE(fs::exists(data / "Images" / "stale.png"));
  EXPECT_TRUE(fs::exists(data / ".complete"));
  int files = 0;
  for (const auto& entry : fs::recursive_directory_iterator("Data")) {
    if (!entry.is_regular_file()) continue;
    ++files;
    const fs::path relative = fs::relative(entry.path(), "Data");
    const std::string ext = relative.extension().string();
    if (ext == ".png" || ext == ".jpg") {
      EXPECT_TRUE(SamePixels(entry.path(), data / relative)) << relative;
    } else {
      EXPECT_EQ(data_files::ReadBytes(entry.path().string()),
                data_files::ReadBytes((data / relative).string()))
          << relative;
    }
  }
  EXPECT_EQ(files, 23);  // the 21 game files, the font licence and the stamp
}

// Without the speech synthesiser the run fails and leaves nothing that could
// pass for a data folder.
TEST_F(GeneratorTest, FailsWithoutItsToolsAndLeavesNoFolder) {
  const fs::path data = root_ / "Data";
  EXPECT_NE(Run("'" + data.string() + "'", "PATH=/nonexistent"), 0);
  EXPECT_FALSE(fs::exists(data));
  EXPECT_FALSE(fs::exists(root_ / "Data.partial"));
}

TEST_F(GeneratorTest, WritesAContactSheetOfAFolder) {
  const fs::path sheet = root_ / "sheet.png";
  ASSERT_EQ(Run("--contact-sheet '" + sheet.string() + "' Data"), 0);
  const Ref<TPixmap> p = LoadPixmap(String(sheet.string()));
  ASSERT_TRUE(p);
  EXPECT_GT(p->width, 2048);
  EXPECT_GT(p->height, 1536);
  EXPECT_NE(Run("--contact-sheet '" + sheet.string() + "' '" + (root_ / "none").string() + "'"), 0);
}

}  // namespace
