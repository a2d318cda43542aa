// quorvane-script's extension points: probes (named values read from the
// running game) and commands (one per script line). Each family registers
// itself from its own file through a static initialiser, e.g.
//
//   #include "registry.h"
//
//   namespace {
//   const bool registered = [] {
//     qs::RegisterProbe("level.timeLeft", qs::ProbeKind::Number,
//                       [](const qs::Session&) { return qs::Number(level->timeLeft); });
//     return true;
//   }();
//   }  // namespace
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace qs {

class Session;

// One script line, comments and trailing blanks removed.
struct Line {
  int number = 0;
  std::string text;                // the whole line
  std::string command;             // its first word
  std::vector<std::string> words;  // the words after the command
  std::string rest;                // the text after the command and one blank
};

// Number probes compare numerically (1e-4 tolerance) when the expected
// value is a number; Text probes compare as text.
enum class ProbeKind { Number, Text };
using ProbeRead = std::function<std::string(const Session&)>;
struct Probe {
  ProbeKind kind = ProbeKind::Text;
  ProbeRead read;
  bool dumped = true;  // written by `dump`
};
void RegisterProbe(const std::string& name, ProbeKind kind, ProbeRead read, bool dumped = true);
// Null for an unknown name.
const Probe* FindProbe(const std::string& name);
// Every probe, by name.
const std::map<std::string, Probe>& Probes();

// Setup commands run before start-up and are refused after it; every other
// command starts the game first when it has not started yet.
enum class Phase { Setup, Run };
struct Command {
  Phase phase = Phase::Run;
  // Checks the line when the script is read: "" when it is well formed,
  // otherwise the message of the script error.
  std::function<std::string(const Line&)> check;
  std::function<void(Session&, const Line&)> run;
};
void RegisterCommand(const std::string& name, Command command);
const Command* FindCommand(const std::string& name);

// Number as probe text: whole numbers without a fraction, other values in
// the shortest form that reads back as the same Float.
std::string Number(double value);
// The values with the separator between them.
std::string Join(const std::vector<std::string>& values, const std::string& separator);
// The last component of a path ("Data/Sound/yum.wav" gives "yum.wav").
std::string FileName(const std::string& path);
// The whole text as a whole (real) number, or false.
bool ParseInt(const std::string& text, int& value);
bool ParseReal(const std::string& text, double& value);
// Virtual-key code of a script KEY name (SPACE, LCTRL, A, 7, ...), or -1.
int KeyCode(const std::string& name);

}  // namespace qs
