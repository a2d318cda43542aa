// Number formatting from the runtime's 17-significant-digit text of a Double.
#include "util/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// The value's "%#.17lg" text, but in plain digits where that text would
// take the exponent form: 17 significant digits and always a point.
String PlainDigits(Double value) {
  const String text = String::FromDouble(value);
  const Int e = text.Find("e");
  if (e < 0) return text;
  const Int exponent = text.Slice(e + 1, text.Length()).ToInt();
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                    std::max(16 - exponent, 0));
  const std::string digits(buffer, result.ptr);
  return digits.find('.') == std::string::npos ? digits + "." : digits;
}

// Inserts a "," every spacing digits leftward from position point.
String Separate(String s, Int point, Int spacing) {
  const Int firstDigit = s.Length() > 0 && s[0] == u'-' ? 1 : 0;
  while (point - firstDigit > spacing) {
    point -= spacing;
    s = s.Slice(0, point) + "," + s.Slice(point, s.Length());
  }
  return s;
}

}  // namespace

String ccFormatNumber(Double value, Int decimals, Int commaSpacing, Int width) {
  decimals = std::clamp(decimals, 0, kMaxFormatDigits);
  width = std::clamp(width, -kMaxFormatDigits, kMaxFormatDigits);
  commaSpacing = std::max(commaSpacing, 0);
  const Int kept = decimals == 0 ? -1 : decimals;
  String s = "Error";
  if (std::isfinite(value)) {
    s = PlainDigits(value);
    const Int point = s.Find(".");
    s = s.Slice(0, point + kept + 1);
    if (commaSpacing != 0) s = Separate(s, point, commaSpacing);
  }
  if (width == 0) return s;
  const Int field = width + kept + 1;
  if (field < s.Length()) s = "Error";
  return RSet(s, field);
}
