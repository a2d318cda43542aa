// String: text as 16-bit code units, with the runtime's conversions of
// numbers to text (always in the "C" locale) and its slicing functions.
#pragma once

#include <compare>
#include <string>
#include <string_view>

#include "platform/object.h"

class String {
 public:
  String() = default;
  String(const char* utf8);         // NOLINT: literals convert implicitly
  String(const std::string& utf8);  // NOLINT
  String(std::u16string units);     // NOLINT
  String(const char16_t* units);    // NOLINT

  // Number to text: Int as plain decimal, Float as "%#.9g" of the value
  // widened to Double, Double as "%#.17lg".
  static String FromInt(Int value);
  static String FromLong(Long value);
  static String FromFloat(Float value);
  static String FromDouble(Double value);
  // The one-code-unit String of a character code.
  static String FromChar(Int code);

  Int Length() const { return static_cast<Int>(units_.size()); }
  bool IsEmpty() const { return units_.empty(); }
  // Code unit at a 0-based index (no range check beyond the debug assert).
  char16_t operator[](Int index) const;
  const std::u16string& Units() const { return units_; }
  std::string ToUtf8() const;
  // One byte per code unit (its low 8 bits), as the fatal-error path writes it.
  std::string ToBytes() const;

  // 0-based position of the first occurrence of sub at or after start, or -1.
  Int Find(const String& sub, Int start = 0) const;
  // Characters a to b (b - a of them); positions outside the String give spaces.
  String Slice(Int a, Int b) const;
  // Text to number: leading blanks skipped, then an optional sign and digits
  // (and for reals a fraction and exponent); 0 when nothing parses.
  Int ToInt() const;
  Double ToDouble() const;

  String& operator+=(const String& other);
  friend String operator+(const String& a, const String& b);
  friend String operator+(const String& a, const char* b) { return a + String(b); }
  friend String operator+(const char* a, const String& b) { return String(a) + b; }
  friend String operator+(const String& a, Int b) { return a + FromInt(b); }
  friend String operator+(const String& a, Long b) { return a + FromLong(b); }
  friend String operator+(const String& a, Float b) { return a + FromFloat(b); }
  friend String operator+(const String& a, Double b) { return a + FromDouble(b); }
  friend String operator+(Int a, const String& b) { return FromInt(a) + b; }
  friend String operator+(Float a, const String& b) { return FromFloat(a) + b; }

  // Comparison code unit by code unit; a prefix sorts first.
  friend bool operator==(const String& a, const String& b) = default;
  friend std::strong_ordering operator<=>(const String& a, const String& b) {
    return a.units_ <=> b.units_;
  }
  friend bool operator==(const String& a, const char* b) { return a == String(b); }

 private:
  std::u16string units_;
};

// The first n code units (all of s when shorter; "" for n <= 0).
String Left(const String& s, Int n);
// The last n code units.
String Right(const String& s, Int n);
// n code units from the 1-based position pos; n < 0 means to the end.
String Mid(const String& s, Int pos, Int n = -1);
String Upper(const String& s);
String Lower(const String& s);
// Strips code units of 32 or less from both ends.
String Trim(const String& s);
// Right-justified in n characters: spaces added on the left, or characters
// dropped from the left when longer.
String RSet(const String& s, Int n);
// "/" is the only folder separator. StripAll: file name without folder and
// last extension; StripExt: path without its last extension; ExtractExt:
// the characters after the last "." when no "/" follows it, else "".
String StripAll(const String& path);
String StripExt(const String& path);
String ExtractExt(const String& path);
