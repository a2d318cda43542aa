// Number formatting: decimals cut, separators, field width, and the values
// and arguments outside its plain domain.
#include "util/number_format.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Case {
  Double value;
  Int decimals, commaSpacing, width;
  const char* expected;
};

void ExpectFormats(const Case& c) {
  EXPECT_EQ(ccFormatNumber(c.value, c.decimals, c.commaSpacing, c.width).ToUtf8(), c.expected)
      << c.value << " decimals " << c.decimals << " spacing " << c.commaSpacing << " width "
      << c.width;
}

TEST(NumberFormat, CutsDecimalsSeparatesThousandsAndFillsTheField) {
  const Case cases[] = {
      {1234567.891, 2, 3, 0, "1,234,567.89"},
      {1234567.891, 2, 3, 10, " 1,234,567.89"},
      {2.999, 2, 0, 0, "2.99"},
      {2.999, 0, 0, 0, "2"},
      {0.5, 3, 0, 0, "0.500"},
      {1000, 0, 3, 0, "1,000"},
      {100, 0, 3, 0, "100"},
      {-1234.5, 1, 3, 0, "-1,234.5"},
      {1234567, 0, 2, 0, "1,23,45,67"},
      {12345, 2, 0, 3, " Error"},
      {12345, 2, 0, 2, "Error"},
      {12345, 0, 0, 3, "ror"},
      {42, 1, 0, 5, "   42.0"},
      {123, 16, 0, 0, "123.00000000000000  "},
  };
  for (const Case& c : cases) ExpectFormats(c);
}

TEST(NumberFormat, OutOfDomainValuesAndArgumentsGiveSoundText) {
  constexpr Double kInf = std::numeric_limits<Double>::infinity();
  const Case cases[] = {
      {std::numeric_limits<Double>::quiet_NaN(), 2, 3, 0, "Error"},
      {kInf, 0, 0, 8, "   Error"},
      {-kInf, 1, 0, 2, "rror"},
      // The sign is not a digit.
      {-123456.0, 1, 3, 0, "-123,456.0"},
      {-123.0, 0, 3, 0, "-123"},
      {-0.25, 1, 1, 0, "-0.2"},
      // decimals and commaSpacing below 0 count as 0.
      {1234.5, 1, -2, 0, "1234.5"},
      {1234.5678, -3, 0, 0, "1234"},
      // A negative width still makes a field, width + decimals + 1, too short
      // for any text.
      {1234.5, 3, 0, -1, "ror"},
      {1234.5, 1, 0, -2, ""},
      {1234.5, 1, 0, -5, ""},
      // Plain digits where the 17-digit text takes the exponent form.
      {1e20, 2, 3, 0, "100,000,000,000,000,000,000.  "},
      {-1e17, 0, 0, 0, "-100000000000000000"},
      {0.00001234, 8, 0, 0, "0.00001234"},
      {-1e-7, 3, 0, 0, "-0.000"},
  };
  for (const Case& c : cases) ExpectFormats(c);
}

TEST(NumberFormat, HugeDecimalsAndWidthsAreCapped) {
  constexpr Int kMax = std::numeric_limits<Int>::max();
  const String decimals = ccFormatNumber(1.5, kMax, 0, 0);
  EXPECT_EQ(decimals.Length(), 1 + 1 + kMaxFormatDigits);
  EXPECT_EQ(Left(decimals, 5).ToUtf8(), "1.500");
  const String wide = ccFormatNumber(-7, 0, kMax, kMax);
  EXPECT_EQ(wide.Length(), kMaxFormatDigits);
  EXPECT_EQ(Right(wide, 3).ToUtf8(), " -7");
  EXPECT_EQ(ccFormatNumber(1.5, kMax, 1, kMax).Length(), kMaxFormatDigits * 2 + 1);
  EXPECT_EQ(ccFormatNumber(1.5, kMax, 0, -kMax).ToUtf8(), "r");  // "Error" in a field of 1
}

}  // namespace
