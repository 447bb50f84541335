#include "text/text_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace tf {
namespace {

std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

struct DoubleCase {
  double value;
  int width;
  int decimals;
  std::string expected;
};

TEST(FixedFieldTest, DoubleValues) {
  const DoubleCase cases[] = {
      {9.25, 12, 2, blanks(8) + "9.25"},
      {-3.7, 12, 2, blanks(7) + "-3.70"},
      {-0.001, 8, 2, blanks(4) + "0.00"},  // every shown digit 0: no sign
      {-0.5, 8, 2, "   -0.50"},
      {0.125, 12, 2, blanks(8) + "0.13"},  // a half goes up
      {2.5, 12, 0, blanks(10) + "3."},
      {1.15, 12, 1, blanks(9) + "1.1"},    // stored just below 1.15
      {0.15, 12, 1, blanks(9) + "0.2"},    // 0.15 * 10 is exactly 1.5
      {1.075, 12, 2, blanks(8) + "1.07"},  // stored just below 1.075
      {9.96, 12, 1, blanks(8) + "10.0"},   // carry into a new digit
      {99.995, 12, 2, blanks(6) + "100.00"},
      {7.0, 12, 0, blanks(10) + "7."},
      {0.0, 12, 2, blanks(8) + "0.00"},
      {-0.0, 8, 2, blanks(4) + "0.00"},
      {0.004999, 8, 2, blanks(4) + "0.00"},
      {0.005, 8, 2, blanks(4) + "0.01"},
      {0.0004, 8, 0, blanks(6) + "0."},
      {0.5, 8, 0, blanks(6) + "1."},
      {-0.4, 8, 0, blanks(6) + "0."},
      {-0.6, 8, 0, blanks(5) + "-1."},
      {123456.789, 12, 2, blanks(3) + "123456.79"},
      {-123456789.0, 12, 2, "************"},
      {-12345678.9, 12, 2, "-12345678.90"},
      {999999999.99, 12, 2, "999999999.99"},
      {999999999.995, 12, 2, "************"},  // rounds up to 13 characters
      {1e300, 12, 2, "************"},
      {1e-300, 12, 2, blanks(8) + "0.00"},
      {std::numeric_limits<double>::denorm_min(), 8, 2, blanks(4) + "0.00"},
      {0.1, 22, 19, " 0.1000000000000000000"},  // 1.0000000000000000555... cut at 17 digits
      // The digits are those of the scaled double 3.33333333333333303727..., not
      // of 1/3 itself (0.33333333333333331482...).
      {1.0 / 3.0, 22, 19, " 0.3333333333333333000"},
      {100.0, 12, 2, blanks(6) + "100.00"},
      {1e22, 26, 1, blanks(1) + "10000000000000000000000.0"},
      // Divided by the double nearest 10^23, which is itself, it scales to exactly 1.
      {1e23, 26, 1, "100000000000000000000000.0"},
  };
  for (const DoubleCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " w" << c.width << " d" << c.decimals);
    EXPECT_EQ(fixed_field(c.value, c.width, c.decimals), c.expected);
  }
}

struct FloatCase {
  float value;
  int width;
  int decimals;
  std::string expected;
};

TEST(FixedFieldTest, FloatValuesShowTheDecimalTheyWereMadeFrom) {
  const FloatCase cases[] = {
      {249970.0f, 12, 2, blanks(3) + "249970.00"},
      {240000.0f, 12, 2, blanks(3) + "240000.00"},
      {241500.0f, 12, 2, blanks(3) + "241500.00"},
      {249900.0f, 12, 0, blanks(5) + "249900."},
      {249970.0f, 12, 0, blanks(5) + "249970."},
      {42.0f, 8, 2, blanks(3) + "42.00"},
      {-1234.5f, 8, 2, "-1234.50"},
      {0.1f, 12, 2, blanks(8) + "0.10"},
      {0.1f, 14, 10, "  0.1000000000"},            // rounded to 8 digits, not 0.1000000015
      {1.15f, 12, 1, blanks(9) + "1.2"},           // 1.1500000 at 8 digits
      {9999.995f, 12, 2, blanks(4) + "10000.00"},  // 9999.9951171875
      {16777217.0f, 12, 0, "   16777216."},
      {123456789.0f, 12, 0, "  123456790."},  // 123456792 rounded to 8 digits
      {-0.001f, 8, 2, blanks(4) + "0.00"},
      {12345678.0f, 8, 2, "********"},
  };
  for (const FloatCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " w" << c.width << " d" << c.decimals);
    EXPECT_EQ(fixed_field(c.value, c.width, c.decimals), c.expected);
  }
}

TEST(FixedFieldTest, DoubleValuesAreCutNotRoundedAt17Digits) {
  // 249970 / 1e5 lies just below 2.4997 in double precision; cut at 17 digits
  // it still rounds up on the hidden decimals.
  EXPECT_EQ(fixed_field(249970.0, 12, 2), blanks(3) + "249970.00");
  // 1.075 is stored as 1.07499999999999995559...: its 18th digit, 5, is cut
  // away and cannot round the shown digits up.
  EXPECT_EQ(fixed_field(1.075, 12, 2), blanks(8) + "1.07");
  EXPECT_EQ(fixed_field(1.075, 20, 16), "  1.0749999999999999");
  EXPECT_EQ(fixed_field(1.075, 20, 17), " 1.07499999999999990");
}

TEST(FixedFieldTest, NotFiniteValues) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(fixed_field(nan, 8, 2), "     NaN");
  EXPECT_EQ(fixed_field(std::copysign(nan, -1.0), 8, 2), "    -NaN");
  EXPECT_EQ(fixed_field(inf, 12, 2), blanks(9) + "INF");
  EXPECT_EQ(fixed_field(-inf, 12, 0), blanks(8) + "-INF");
  EXPECT_EQ(fixed_field(std::numeric_limits<float>::quiet_NaN(), 8, 2), "     NaN");
  EXPECT_EQ(fixed_field(-std::numeric_limits<float>::infinity(), 8, 2), "    -INF");
  EXPECT_EQ(fixed_field(nan, 3, 2), "NaN");
  EXPECT_EQ(fixed_field(std::copysign(nan, -1.0), 3, 2), "***");
  EXPECT_EQ(fixed_field(-inf, 2, 2), "**");
}

TEST(FixedFieldTest, TooWideGivesAsterisksOverTheWidth) {
  EXPECT_EQ(fixed_field(1234567.0, 8, 2), "********");
  EXPECT_EQ(fixed_field(-123456.0, 9, 2), "*********");
  EXPECT_EQ(fixed_field(-12345.0, 9, 2), "-12345.00");
  EXPECT_EQ(fixed_field(5.0, 1, 0), "*");
  EXPECT_EQ(fixed_field(5.0, 2, 0), "5.");
}

struct IntCase {
  std::int32_t value;
  int width;
  std::string expected;
};

TEST(IntFieldTest, Widths) {
  const IntCase cases[] = {
      {15, 2, "15"},          {3, 2, " 3"},
      {0, 2, " 0"},           {-10, 2, "**"},
      {100, 2, "**"},         {-5, 2, "-5"},
      {0, 3, "  0"},          {7, 1, "7"},
      {-1, 1, "*"},           {10, 1, "*"},
      {-99, 3, "-99"},        {-100, 3, "***"},
      {999, 3, "999"},        {123456, 6, "123456"},
      {-12345, 6, "-12345"},  {-123456, 6, "******"},
      {1000000, 6, "******"}, {std::numeric_limits<std::int32_t>::min(), 11, "-2147483648"},
  };
  for (const IntCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " w" << c.width);
    EXPECT_EQ(int_field(c.value, c.width), c.expected);
  }
}

TEST(TextFieldTest, CutOrPadded) {
  EXPECT_EQ(text_field("Line_ID", 12), "Line_ID     ");
  EXPECT_EQ(text_field("Yield_Y1    trailing", 12), "Yield_Y1    ");
  EXPECT_EQ(text_field("ab  ", 6), "ab    ");
  EXPECT_EQ(text_field("", 3), "   ");
  EXPECT_EQ(text_field("abc", 0), "");
}

}  // namespace
}  // namespace tf
