// Numbers as text with a fixed count of decimals, thousands separators and
// a field width.
#pragma once

#include "platform/string.h"

// The value with decimals digits after the point (cut, not rounded; no point
// for 0 decimals; spaces where the value has no more digits), a "," between
// every commaSpacing digits of the integer part counted from the point (0:
// none; a minus sign is not a digit), and, when width is not 0, the text
// right-justified in width + decimals + 1 characters (width + 0 for 0
// decimals), or "Error" right-justified in that field when the text is
// longer; a field of 0 or less gives "". Values too large or small for plain
// digits are still written in plain digits; NaN and infinities give "Error".
// decimals and commaSpacing below 0 count as 0; decimals and the magnitude of
// width above kMaxFormatDigits count as kMaxFormatDigits.
String ccFormatNumber(Double value, Int decimals, Int commaSpacing, Int width);

inline constexpr Int kMaxFormatDigits = 4096;
