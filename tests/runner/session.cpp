// The scenario runner's session: data folder set-up, start-up and passes of
// the real game with exits trapped, and the tally of expectations.
#include "session.h"

#include <cstdlib>
#include <iostream>

#include "game/main_program.h"

namespace fs = std::filesystem;
namespace test = platform::test;

namespace qs {

namespace {

fs::path RunnerFolder() { return fs::canonical("/proc/self/exe").parent_path(); }

fs::path MakeTempFolder() {
  std::string pattern = (fs::temp_directory_path() / "quorvane-script-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::cerr << "quorvane-script: cannot make a temporary folder\n";
    std::exit(2);
  }
  return pattern;
}

}  // namespace

Session::Session(fs::path scriptDir, fs::path outputDir)
    : scriptDir_(std::move(scriptDir)), outputDir_(std::move(outputDir)) {}

Session::~Session() {
  if (tempDir_.empty()) return;
  std::error_code ignored;
  fs::current_path(outputDir_, ignored);
  fs::remove_all(tempDir_, ignored);
}

fs::path Session::FromScript(const std::string& path) const { return scriptDir_ / path; }

fs::path Session::ForOutput(const std::string& path) const { return outputDir_ / path; }

// With neither `data` nor `missing` the game reads Data/ beside the runner,
// as the executable does. Otherwise it runs in a temporary working folder
// whose Data/ is the chosen folder (linked) or a copy without the missing
// files.
void Session::PrepareDataFolder() {
  if (dataDir.empty() && missing.empty()) return;
  const fs::path source = dataDir.empty() ? RunnerFolder() / "Data" : fs::absolute(dataDir);
  tempDir_ = MakeTempFolder();
  const fs::path data = tempDir_ / "Data";
  if (missing.empty()) {
    fs::create_directory_symlink(source, data);
  } else {
    fs::copy(source, data, fs::copy_options::recursive);
    for (const auto& file : missing) fs::remove(data / file);
  }
  fs::current_path(tempDir_);
}

void Session::EnsureStarted() {
  if (started_) return;
  started_ = true;
  PrepareDataFolder();
  test::TrapExits(true);
  test::SetStdoutSink([this](const std::string& text) { stdout_ += text; });
  test::SetStderrSink([this](const std::string& text) { stderr_ += text; });
  test::ClearSoundLog();
  try {
    StartUp({.headless = true, .changeDir = tempDir_.empty(), .seed = seed});
  } catch (const test::ProcessExit& exit) {
    EndWith(exit);
  }
}

bool Session::Pass() {
  if (ended_) return false;
  test::ClearSoundLog();
  ++frames_;
  try {
    RunPass();
  } catch (const test::ProcessExit& exit) {
    endedInPass_ = true;
    EndWith(exit);
  }
  return !ended_;
}

void Session::EndWith(const test::ProcessExit& exit) {
  ended_ = true;
  exitStatus_ = exit.status;
  endFrame_ = test::CurrentDrawLog();
  endSounds_ = test::SoundLog();
}

const std::vector<test::DrawRecord>& Session::LastFrame() const {
  return endedInPass_ ? endFrame_ : test::LastFrameDrawLog();
}

std::vector<std::string> Session::SoundsStarted() const {
  std::vector<std::string> names;
  for (const auto& record : ended_ ? endSounds_ : test::SoundLog()) {
    if (record.event == test::SoundEvent::Resume) names.push_back(FileName(record.path));
  }
  return names;
}

void Session::Record(const Line& line, bool held, const std::string& detail) {
  if (held) {
    ++passed_;
    return;
  }
  ++failed_;
  std::cout << "FAILED line " << line.number << ": " << line.text << "\n  " << detail << "\n";
}

}  // namespace qs
