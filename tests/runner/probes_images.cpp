// Probes of the image bank.
#include <string>
#include <vector>

#include "framework/image_bank.h"
#include "registry.h"

namespace qs {

namespace {

// The bank's keys in key order, "" before the bank exists.
std::string BankKeys() {
  if (!imageBank) return "";
  std::vector<std::string> keys;
  for (const auto& node : *imageBank) keys.push_back(node.first.ToUtf8());
  return Join(keys, ",");
}

const bool registered = [] {
  RegisterProbe("images", ProbeKind::Text, [](const Session&) { return BankKeys(); });
  return true;
}();

}  // namespace

}  // namespace qs
