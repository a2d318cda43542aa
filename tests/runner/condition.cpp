// Parsing and evaluation of `PROBE OP VALUE`.
#include "condition.h"

#include <array>
#include <cmath>

namespace qs {

namespace {

constexpr double TOLERANCE = 1e-4;
constexpr std::array<const char*, 7> OPERATORS = {"==", "!=", "<", "<=", ">", ">=", "~"};

// -1, 0 or 1: numbers within the tolerance are equal.
int CompareNumbers(double actual, double expected) {
  if (std::fabs(actual - expected) <= TOLERANCE) return 0;
  return actual < expected ? -1 : 1;
}

int CompareTexts(const std::string& actual, const std::string& expected) {
  const int order = actual.compare(expected);
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

bool OrderHolds(const std::string& op, int order) {
  if (op == "==") return order == 0;
  if (op == "!=") return order != 0;
  if (op == "<") return order < 0;
  if (op == "<=") return order <= 0;
  if (op == ">") return order > 0;
  return order >= 0;
}

// The next blank-separated word of text from pos; pos moves past it.
std::string NextWord(const std::string& text, size_t& pos) {
  while (pos < text.size() && text[pos] == ' ') ++pos;
  const size_t start = pos;
  while (pos < text.size() && text[pos] != ' ') ++pos;
  return text.substr(start, pos - start);
}

}  // namespace

std::string ParseCondition(const std::string& rest, Condition& condition) {
  size_t pos = 0;
  condition.probe = NextWord(rest, pos);
  condition.op = NextWord(rest, pos);
  condition.value = pos < rest.size() ? rest.substr(pos + 1) : "";
  if (condition.probe.empty()) return "missing probe";
  if (!FindProbe(condition.probe)) return "unknown probe '" + condition.probe + "'";
  for (const char* op : OPERATORS) {
    if (condition.op == op) return "";
  }
  return "unknown operator '" + condition.op + "'";
}

bool Holds(const Condition& condition, const std::string& actual) {
  if (condition.op == "~") return actual.find(condition.value) != std::string::npos;
  double actualNumber = 0;
  double expectedNumber = 0;
  const bool numeric = FindProbe(condition.probe)->kind == ProbeKind::Number &&
                       ParseReal(actual, actualNumber) &&
                       ParseReal(condition.value, expectedNumber);
  const int order = numeric ? CompareNumbers(actualNumber, expectedNumber)
                            : CompareTexts(actual, condition.value);
  return OrderHolds(condition.op, order);
}

}  // namespace qs
