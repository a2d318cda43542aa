// String: numbers to text, UTF-8/UTF-16, cuts, case, paths and parsing.
#include "platform/string.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace {

TEST(StringTest, ConversionsAndCuts) {
  const String s("Hello");
  const std::pair<String, const char*> cases[] = {
      {String::FromFloat(12.25f), "12.2500000"},
      {String::FromFloat(0.1f), "0.100000001"},
      {String::FromFloat(1e10f), "1.00000000e+10"},
      {String::FromDouble(0.1), "0.10000000000000001"},
      {String::FromDouble(1e17), "1.0000000000000000e+17"},
      {String::FromDouble(0.0001), "0.00010000000000000000"},
      {String("x") + INT_MIN + "," + 10.0f + "," + 0.5,
       "x-2147483648,10.0000000,0.50000000000000000"},
      {String("a\xff\xc3\xe0\x80\x80"),
       "a\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd"},
      {String(std::u16string{0xd83d, 0xde00, 0xd800}), "\xf0\x9f\x98\x80\xef\xbf\xbd"},
      {Left(s, 9), "Hello"},
      {Left(s, -1), ""},
      {Right(s, 2), "lo"},
      {Mid(s, 2, 3), "ell"},
      {Mid(s, 0, 2), "H"},
      {Mid(s, 4, 9), "lo"},
      {s.Slice(-1, 2), " He"},
      {s.Slice(3, 7), "lo  "},
      {RSet(String("Error"), 3), "ror"},
      {RSet(String("7"), 3), "  7"},
      {Trim(String(" \t\nab c \r\x01")), "ab c"},
      {Upper(String("abXY1_\xc3\xa9\xc3\xbf\xc3\xb7")), "ABXY1_\xc3\x89\xc5\xb8\xc3\xb7"},
      {Lower(String("ABxy\xc3\x89\xc3\x97")), "abxy\xc3\xa9\xc3\x97"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(text.ToUtf8(), expected);
  EXPECT_EQ(String(u"caf\u00e9\u20ac").ToBytes(), "caf\xe9\xac");  // low 8 bits per unit
  EXPECT_EQ(String("12.5").Find("."), 2);
  EXPECT_EQ(String("125").Find("."), -1);
  EXPECT_LT(String("B"), String("a"));  // code unit order; a prefix first
  EXPECT_LT(String("ab"), String("abc"));
}

TEST(StringTest, PathParts) {
  const struct {
    const char *path, *stripAll, *stripExt, *ext;
  } cases[] = {{"Data/Images/player.png", "player", "Data/Images/player", "png"},
               {"fog.", "fog", "fog", ""},
               {"art.old/fog", "fog", "art.old/fog", ""},
               {"a.b.c", "a.b", "a.b", "c"}};
  for (const auto& c : cases) {
    EXPECT_EQ(StripAll(c.path), c.stripAll) << c.path;
    EXPECT_EQ(StripExt(c.path), c.stripExt) << c.path;
    EXPECT_EQ(ExtractExt(c.path), c.ext) << c.path;
  }
}

TEST(StringTest, ParsesNumbers) {
  const struct {
    const char* text;
    Int asInt;
    Double asDouble;
  } cases[] = {{"  42x", 42, 42.0},
               {"\t2.5e2", 2, 250.0},
               {"+-3", 0, 0.0},
               {"-99999999999", INT_MIN, -99999999999.0}};
  for (const auto& c : cases) {
    EXPECT_EQ(String(c.text).ToInt(), c.asInt) << c.text;
    EXPECT_DOUBLE_EQ(String(c.text).ToDouble(), c.asDouble) << c.text;
  }
}

}  // namespace
