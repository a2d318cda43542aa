// `PROBE OP VALUE` conditions of expect and until.
#pragma once

#include <string>

#include "registry.h"

namespace qs {

struct Condition {
  std::string probe;
  std::string op;     // == != < <= > >= ~
  std::string value;  // the rest of the line after OP and one blank
};

// Reads the condition from the line's rest; "" when well formed, otherwise
// the script error (unknown probe or operator).
std::string ParseCondition(const std::string& rest, Condition& condition);
// Whether the condition holds for the probe's value `actual`.
bool Holds(const Condition& condition, const std::string& actual);

}  // namespace qs
