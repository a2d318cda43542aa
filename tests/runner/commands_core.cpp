// The runner's own commands: set-up, passes, input, checks and output files.
#include <fstream>
#include <iostream>

#include "condition.h"
#include "platform/display.h"
#include "platform/testing.h"
#include "session.h"

namespace test = platform::test;

namespace qs {

namespace {

constexpr int DEFAULT_UNTIL_LIMIT = 100000;

std::string CheckInts(const Line& line, size_t count) {
  if (line.words.size() != count) return "expects " + std::to_string(count) + " number(s)";
  int value = 0;
  for (const auto& word : line.words) {
    if (!ParseInt(word, value) || value < 0) return "not a number: '" + word + "'";
  }
  return "";
}

std::string CheckKeys(const Line& line) {
  if (line.words.empty()) return "expects at least one key";
  for (const auto& word : line.words) {
    if (KeyCode(word) < 0) return "unknown key '" + word + "'";
  }
  return "";
}

std::string CheckText(const Line& line) { return line.rest.empty() ? "expects a file" : ""; }

std::string CheckProbes(const Line& line) {
  if (line.words.empty()) return "expects at least one probe";
  for (const auto& word : line.words) {
    if (!FindProbe(word)) return "unknown probe '" + word + "'";
  }
  return "";
}

int IntWord(const Line& line, size_t index) {
  int value = 0;
  ParseInt(line.words[index], value);
  return value;
}

std::string ReadProbe(const Session& session, const std::string& name) {
  return FindProbe(name)->read(session);
}

// Input goes to the platform as real events, taken in at the next query;
// once the game has ended there is nothing to send it to.
void ForEachKey(Session& session, const Line& line, void (*send)(Int)) {
  if (session.Ended()) return;
  for (const auto& word : line.words) send(KeyCode(word));
}

void Tap(Int key) {
  test::PressKey(key);
  test::ReleaseKey(key);
}

// `until`: the condition and an optional trailing `within N`.
struct Until {
  Condition condition;
  int limit = DEFAULT_UNTIL_LIMIT;
};

std::string ParseUntil(const std::string& rest, Until& until) {
  std::string text = rest;
  const size_t within = text.rfind(" within ");
  if (within != std::string::npos && ParseInt(text.substr(within + 8), until.limit)) {
    text.resize(within);
  }
  return ParseCondition(text, until.condition);
}

std::string Failure(const Condition& condition, const std::string& actual) {
  return condition.probe + " is '" + actual + "', expected " + condition.op + " '" +
         condition.value + "'";
}

void RunUntil(Session& session, const Line& line) {
  Until until;
  ParseUntil(line.rest, until);
  for (int passes = 0;; ++passes) {
    const std::string actual = ReadProbe(session, until.condition.probe);
    if (Holds(until.condition, actual)) return session.Record(line, true, "");
    if (passes >= until.limit || !session.Pass()) {
      const std::string why = session.Ended() ? " (the game ended)" : " (limit reached)";
      return session.Record(line, false, Failure(until.condition, actual) + why);
    }
  }
}

void RunPasses(Session& session, const Line& line) {
  const int passes = IntWord(line, 0);
  for (int pass = 0; pass < passes; ++pass) {
    if (!session.Pass()) return;
  }
}

void Expect(Session& session, const Line& line) {
  Condition condition;
  ParseCondition(line.rest, condition);
  const std::string actual = ReadProbe(session, condition.probe);
  session.Record(line, Holds(condition, actual), Failure(condition, actual));
}

void Dump(Session& session, const Line& line) {
  std::ofstream out(session.ForOutput(line.rest));
  for (const auto& [name, probe] : Probes()) {
    if (probe.dumped) out << name << '=' << probe.read(session) << '\n';
  }
  for (const auto& record : session.LastFrame()) out << test::FormatRecord(record) << '\n';
  for (const auto& sound : session.SoundsStarted()) out << "sound " << sound << '\n';
  if (!out) session.Record(line, false, "cannot write " + session.ForOutput(line.rest).string());
}

void Capture(Session& session, const Line& line) {
  const auto path = session.ForOutput(line.rest).string();
  const bool written = test::WritePng(path, test::ReadBackBuffer(), CANVAS_WIDTH, CANVAS_HEIGHT);
  if (!written) session.Record(line, false, "cannot write " + path);
}

void RegisterSetup() {
  RegisterCommand("seed",
                  {Phase::Setup, [](const Line& line) { return CheckInts(line, 1); },
                   [](Session& session, const Line& line) { session.seed = IntWord(line, 0); }});
  RegisterCommand("data", {Phase::Setup, CheckText, [](Session& session, const Line& line) {
                             session.dataDir = session.FromScript(line.rest);
                           }});
  RegisterCommand("missing", {Phase::Setup,
                              [](const Line& line) {
                                return line.words.empty() ? "expects files" : std::string();
                              },
                              [](Session& session, const Line& line) {
                                for (const auto& file : line.words) session.missing.push_back(file);
                              }});
}

void RegisterInput() {
  RegisterCommand("tap", {Phase::Run, CheckKeys, [](Session& session, const Line& line) {
                            ForEachKey(session, line, Tap);
                          }});
  RegisterCommand("down", {Phase::Run, CheckKeys, [](Session& session, const Line& line) {
                             ForEachKey(session, line, test::PressKey);
                           }});
  RegisterCommand("up", {Phase::Run, CheckKeys, [](Session& session, const Line& line) {
                           ForEachKey(session, line, test::ReleaseKey);
                         }});
  RegisterCommand("click", {Phase::Run,
                            [](const Line& line) {
                              const std::string error = CheckInts(line, 1);
                              if (!error.empty()) return error;
                              const int button = IntWord(line, 0);
                              return button >= 1 && button <= 3 ? "" : std::string("button 1-3");
                            },
                            [](Session& session, const Line& line) {
                              if (session.Ended()) return;
                              test::PressMouse(IntWord(line, 0));
                              test::ReleaseMouse(IntWord(line, 0));
                            }});
  RegisterCommand("mouse", {Phase::Run, [](const Line& line) { return CheckInts(line, 2); },
                            [](Session& session, const Line& line) {
                              if (!session.Ended())
                                test::MoveMouse(IntWord(line, 0), IntWord(line, 1));
                            }});
  RegisterCommand("type", {Phase::Run, [](const Line&) { return std::string(); },
                           [](Session& session, const Line& line) {
                             if (!session.Ended()) test::TypeText(line.rest);
                           }});
  RegisterCommand("close", {Phase::Run, [](const Line&) { return std::string(); },
                            [](Session& session, const Line&) {
                              if (!session.Ended()) test::RequestClose();
                            }});
}

void RegisterRunAndChecks() {
  RegisterCommand("run",
                  {Phase::Run, [](const Line& line) { return CheckInts(line, 1); }, RunPasses});
  RegisterCommand("until", {Phase::Run,
                            [](const Line& line) {
                              Until until;
                              return ParseUntil(line.rest, until);
                            },
                            RunUntil});
  RegisterCommand("expect", {Phase::Run,
                             [](const Line& line) {
                               Condition condition;
                               return ParseCondition(line.rest, condition);
                             },
                             Expect});
  RegisterCommand("print", {Phase::Run, CheckProbes, [](Session& session, const Line& line) {
                              for (const auto& name : line.words) {
                                std::cout << name << '=' << ReadProbe(session, name) << '\n';
                              }
                            }});
  RegisterCommand("dump", {Phase::Run, CheckText, Dump});
  RegisterCommand("capture", {Phase::Run, CheckText, Capture});
}

const bool registered = [] {
  RegisterSetup();
  RegisterInput();
  RegisterRunAndChecks();
  return true;
}();

}  // namespace

}  // namespace qs
