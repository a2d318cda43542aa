// The probe and command registries and the small parsers they share.
#include "registry.h"

#include <charconv>
#include <cmath>
#include <utility>

namespace qs {

namespace {

std::map<std::string, Probe>& ProbeTable() {
  static std::map<std::string, Probe> table;
  return table;
}

std::map<std::string, Command>& CommandTable() {
  static std::map<std::string, Command> table;
  return table;
}

// The number that the whole text spells, or false.
template <class T>
bool ParseAllOf(const std::string& text, T& value) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  return result.ec == std::errc() && result.ptr == end;
}

const std::map<std::string, int>& NamedKeys() {
  static const std::map<std::string, int> keys = {
      {"SPACE", 32}, {"ENTER", 13},  {"ESC", 27},    {"LEFT", 37},     {"RIGHT", 39}, {"UP", 38},
      {"DOWN", 40},  {"LCTRL", 162}, {"RCTRL", 163}, {"BACKSPACE", 8}, {"TAB", 9}};
  return keys;
}

}  // namespace

void RegisterProbe(const std::string& name, ProbeKind kind, ProbeRead read, bool dumped) {
  ProbeTable()[name] = Probe{kind, std::move(read), dumped};
}

const Probe* FindProbe(const std::string& name) {
  const auto found = ProbeTable().find(name);
  return found == ProbeTable().end() ? nullptr : &found->second;
}

const std::map<std::string, Probe>& Probes() { return ProbeTable(); }

void RegisterCommand(const std::string& name, Command command) {
  CommandTable()[name] = std::move(command);
}

const Command* FindCommand(const std::string& name) {
  const auto found = CommandTable().find(name);
  return found == CommandTable().end() ? nullptr : &found->second;
}

std::string Number(double value) {
  if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
    return std::to_string(static_cast<long long>(value));
  }
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, static_cast<float>(value));
  return std::string(text, result.ptr);
}

std::string Join(const std::vector<std::string>& values, const std::string& separator) {
  std::string joined;
  for (size_t i = 0; i < values.size(); ++i) {
    if (i > 0) joined += separator;
    joined += values[i];
  }
  return joined;
}

std::string FileName(const std::string& path) { return path.substr(path.rfind('/') + 1); }

bool ParseInt(const std::string& text, int& value) { return ParseAllOf(text, value); }

bool ParseReal(const std::string& text, double& value) { return ParseAllOf(text, value); }

int KeyCode(const std::string& name) {
  if (name.size() == 1 &&
      ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9'))) {
    return name[0];
  }
  const auto found = NamedKeys().find(name);
  return found == NamedKeys().end() ? -1 : found->second;
}

}  // namespace qs
