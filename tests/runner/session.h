// The run of one script: the real game started headless on the virtual
// clock with the silent sound device, its passes, what it wrote and how it
// ended, and the tally of expectations.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/testing.h"
#include "registry.h"

namespace qs {

class Session {
 public:
  Session(std::filesystem::path scriptDir, std::filesystem::path outputDir);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Set up by the setup commands before start-up.
  std::optional<int> seed;
  std::filesystem::path dataDir;     // empty: Data/ beside the runner
  std::vector<std::string> missing;  // files left out of a copy of it

  // Paths of the script's own arguments (data) and of files it writes.
  std::filesystem::path FromScript(const std::string& path) const;
  std::filesystem::path ForOutput(const std::string& path) const;

  bool Started() const { return started_; }
  // Start-up, once: data folder, exit trap, output capture, the game's own
  // start-up. A fatal error during start-up ends the game.
  void EnsureStarted();
  // One pass of the frame loop; false, running nothing, once the game ended.
  bool Pass();

  bool Ended() const { return ended_; }
  int ExitStatus() const { return exitStatus_; }
  long Frames() const { return frames_; }
  const std::string& Stdout() const { return stdout_; }
  const std::string& Stderr() const { return stderr_; }
  // Draw records of the last pass: the presented frame, or what the pass
  // that ended the game drew before it ended (nothing when it ended in its
  // logic).
  const std::vector<platform::test::DrawRecord>& LastFrame() const;
  // File names of the sounds started in the last pass (or by start-up
  // before the first pass), in order.
  std::vector<std::string> SoundsStarted() const;

  // Counts an expectation; a failure is printed with its script line.
  void Record(const Line& line, bool held, const std::string& detail);
  int Passed() const { return passed_; }
  int Failed() const { return failed_; }

 private:
  void PrepareDataFolder();
  void EndWith(const platform::test::ProcessExit& exit);

  std::filesystem::path scriptDir_;
  std::filesystem::path outputDir_;
  std::filesystem::path tempDir_;
  bool started_ = false;
  bool ended_ = false;
  bool endedInPass_ = false;
  int exitStatus_ = 0;
  long frames_ = 0;
  std::string stdout_;
  std::string stderr_;
  std::vector<platform::test::DrawRecord> endFrame_;
  std::vector<platform::test::SoundRecord> endSounds_;
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace qs
