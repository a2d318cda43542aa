// quorvane-script: runs the real game headless from a scenario script, one
// command per line, and reports the expectations. Exit status 0 when every
// expectation held, 1 when any failed, 2 on a script error.
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/system.h"
#include "session.h"

namespace fs = std::filesystem;

namespace {

constexpr int SCRIPT_ERROR = 2;

// Drops a comment (a `#` at the start or after a blank) and trailing blanks.
std::string StripComment(const std::string& text) {
  std::string line = text;
  for (size_t pos = line.find('#'); pos != std::string::npos; pos = line.find('#', pos + 1)) {
    if (pos == 0 || line[pos - 1] == ' ' || line[pos - 1] == '\t') {
      line.resize(pos);
      break;
    }
  }
  while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.pop_back();
  return line;
}

qs::Line SplitLine(int number, const std::string& text) {
  qs::Line line;
  line.number = number;
  line.text = text;
  std::istringstream words(text);
  words >> line.command;
  for (std::string word; words >> word;) line.words.push_back(word);
  const size_t start = text.find_first_not_of(" \t");
  const size_t after = start + line.command.size();
  line.rest = after < text.size() ? text.substr(after + 1) : "";
  return line;
}

[[noreturn]] void ScriptError(const fs::path& script, const qs::Line& line,
                              const std::string& message) {
  std::cerr << script.string() << ':' << line.number << ": " << message << '\n';
  std::exit(SCRIPT_ERROR);
}

// Reads and checks every line before anything runs.
std::vector<qs::Line> ReadScript(const fs::path& script) {
  std::ifstream in(script);
  if (!in) {
    std::cerr << "quorvane-script: cannot read " << script.string() << '\n';
    std::exit(SCRIPT_ERROR);
  }
  std::vector<qs::Line> lines;
  bool running = false;
  int number = 0;
  for (std::string text; std::getline(in, text);) {
    ++number;
    const std::string stripped = StripComment(text);
    if (stripped.find_first_not_of(" \t") == std::string::npos) continue;
    qs::Line line = SplitLine(number, stripped);
    const qs::Command* command = qs::FindCommand(line.command);
    if (!command) ScriptError(script, line, "unknown command '" + line.command + "'");
    const std::string error = command->check(line);
    if (!error.empty()) ScriptError(script, line, line.command + ": " + error);
    if (command->phase == qs::Phase::Setup && running) {
      ScriptError(script, line, line.command + " must come before the game starts");
    }
    running = running || command->phase == qs::Phase::Run;
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: quorvane-script SCRIPT\n";
    return SCRIPT_ERROR;
  }
  const fs::path script = fs::absolute(argv[1]);
  const std::vector<qs::Line> lines = ReadScript(script);
  int failed = 0;
  {
    qs::Session session(script.parent_path(), fs::current_path());
    for (const auto& line : lines) {
      const qs::Command& command = *qs::FindCommand(line.command);
      if (command.phase == qs::Phase::Run) session.EnsureStarted();
      command.run(session, line);
    }
    std::cout << session.Passed() << " passed, " << session.Failed() << " failed\n";
    failed = session.Failed();
  }
  platform::Shutdown();
  return failed == 0 ? 0 : 1;
}
