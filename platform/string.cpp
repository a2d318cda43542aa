// String: UTF-8 <-> UTF-16 conversion, number formatting in the "C" locale
// (snprintf; setlocale is never called), parsing, slicing and case mapping.
#include "platform/string.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes one code point at text[i], advancing i; malformed input gives
// U+FFFD and consumes one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  const int length = SequenceLength(lead);
  if (length == 0 || i + length > text.size()) {
    ++i;
    return kReplacement;
  }
  if (length == 1) {
    ++i;
    return lead;
  }
  char32_t code = lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[i + k]);
    if ((byte & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    code = (code << 6) | (byte & 0x3F);
  }
  constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kMinimum[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    ++i;
    return kReplacement;
  }
  i += length;
  return code;
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out.push_back(static_cast<char16_t>(code));
    return;
  }
  code -= 0x10000;
  out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
  out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (code >> 6)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (code >> 12)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (code >> 18)));
    out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::u16string FromUtf8(std::string_view text) {
  std::u16string units;
  units.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) AppendUtf16(units, DecodeUtf8(text, i));
  return units;
}

String Format(const char* format, Double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return String(buffer);
}

template <class Number>
String FormatInteger(Number value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return String(std::string(buffer, result.ptr));
}

bool IsBlank(char16_t unit) { return unit <= 32; }

// The leading ASCII run of the text after its leading blanks.
std::string NumberText(const std::u16string& units) {
  std::string ascii;
  auto it = std::find_if_not(units.begin(), units.end(), IsBlank);
  for (; it != units.end() && *it < 0x80; ++it) ascii.push_back(static_cast<char>(*it));
  return ascii;
}

// ASCII and Latin-1 letters; everything else is left unchanged.
char16_t ToUpper(char16_t unit) {
  if (unit >= u'a' && unit <= u'z') return unit - 32;
  if (unit >= 0xE0 && unit <= 0xFE && unit != 0xF7) return unit - 32;
  if (unit == 0xFF) return 0x178;
  return unit;
}

char16_t ToLower(char16_t unit) {
  if (unit >= u'A' && unit <= u'Z') return unit + 32;
  if (unit >= 0xC0 && unit <= 0xDE && unit != 0xD7) return unit + 32;
  if (unit == 0x178) return 0xFF;
  return unit;
}

// Code units [begin, end) of s, both clamped to the String.
String Range(const String& s, Long begin, Long end) {
  const Long length = s.Length();
  begin = std::clamp<Long>(begin, 0, length);
  end = std::clamp<Long>(end, begin, length);
  return String(s.Units().substr(begin, end - begin));
}

// Position of the dot that starts the path's extension, or npos.
std::size_t ExtensionDot(const std::u16string& path) {
  const std::size_t dot = path.rfind(u'.');
  if (dot == std::u16string::npos) return dot;
  const std::size_t slash = path.find(u'/', dot);
  return slash == std::u16string::npos ? dot : std::u16string::npos;
}

}  // namespace

String::String(const char* utf8) : units_(utf8 ? FromUtf8(utf8) : std::u16string()) {}
String::String(const std::string& utf8) : units_(FromUtf8(utf8)) {}
String::String(std::u16string units) : units_(std::move(units)) {}
String::String(const char16_t* units) : units_(units ? units : u"") {}

String String::FromInt(Int value) { return FormatInteger(value); }
String String::FromLong(Long value) { return FormatInteger(value); }
String String::FromFloat(Float value) { return Format("%#.9g", static_cast<Double>(value)); }
String String::FromDouble(Double value) { return Format("%#.17lg", value); }
String String::FromChar(Int code) { return String(std::u16string(1, static_cast<char16_t>(code))); }

char16_t String::operator[](Int index) const {
  assert(index >= 0 && index < Length());
  return units_[index];
}

std::string String::ToUtf8() const {
  std::string out;
  out.reserve(units_.size());
  for (std::size_t i = 0; i < units_.size(); ++i) {
    const char16_t unit = units_[i];
    if (IsHighSurrogate(unit) && i + 1 < units_.size() && IsLowSurrogate(units_[i + 1])) {
      AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units_[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::string String::ToBytes() const {
  std::string bytes(units_.size(), '\0');
  std::transform(units_.begin(), units_.end(), bytes.begin(),
                 [](char16_t unit) { return static_cast<char>(unit & 0xFF); });
  return bytes;
}

Int String::Find(const String& sub, Int start) const {
  const std::size_t at = units_.find(sub.units_, std::max(start, 0));
  return at == std::u16string::npos ? -1 : static_cast<Int>(at);
}

String String::Slice(Int a, Int b) const {
  std::u16string out;
  for (Long i = a; i < b; ++i) out.push_back(i >= 0 && i < Length() ? units_[i] : u' ');
  return String(std::move(out));
}

Int String::ToInt() const {
  const Long value = std::strtoll(NumberText(units_).c_str(), nullptr, 10);
  return static_cast<Int>(
      std::clamp<Long>(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

Double String::ToDouble() const { return std::strtod(NumberText(units_).c_str(), nullptr); }

String& String::operator+=(const String& other) {
  units_ += other.units_;
  return *this;
}

String operator+(const String& a, const String& b) { return String(a.units_ + b.units_); }

String Left(const String& s, Int n) { return Range(s, 0, n); }

String Right(const String& s, Int n) {
  return Range(s, Long{s.Length()} - std::max(n, 0), s.Length());
}

String Mid(const String& s, Int pos, Int n) {
  const Long begin = Long{pos} - 1;
  return Range(s, begin, n < 0 ? s.Length() : begin + n);
}

String Upper(const String& s) {
  std::u16string units = s.Units();
  std::transform(units.begin(), units.end(), units.begin(), ToUpper);
  return String(std::move(units));
}

String Lower(const String& s) {
  std::u16string units = s.Units();
  std::transform(units.begin(), units.end(), units.begin(), ToLower);
  return String(std::move(units));
}

String Trim(const String& s) {
  const std::u16string& units = s.Units();
  const auto first = std::find_if_not(units.begin(), units.end(), IsBlank);
  const auto last = std::find_if_not(units.rbegin(), units.rend(), IsBlank).base();
  return first < last ? String(std::u16string(first, last)) : String();
}

String RSet(const String& s, Int n) {
  if (n <= 0) return String();
  if (s.Length() >= n) return Right(s, n);
  return String(std::u16string(n - s.Length(), u' ') + s.Units());
}

String StripExt(const String& path) {
  const std::size_t dot = ExtensionDot(path.Units());
  return dot == std::u16string::npos ? path : String(path.Units().substr(0, dot));
}

String StripAll(const String& path) {
  const std::size_t slash = path.Units().rfind(u'/');
  return StripExt(slash == std::u16string::npos ? path : String(path.Units().substr(slash + 1)));
}

String ExtractExt(const String& path) {
  const std::size_t dot = ExtensionDot(path.Units());
  return dot == std::u16string::npos ? String() : String(path.Units().substr(dot + 1));
}
