#include "input/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

namespace veldor {
namespace {

TEST(RealText, ReadsTheFormsEngineersWrite) {
  struct Case {
    std::string_view text;
    float expected;
  };
  const Case cases[] = {
      {"10", 10.0f},      {"10.", 10.0f},    {"10.0", 10.0f},
      {"1.0E1", 10.0f},   {"1.0e+1", 10.0f}, {"1.0D1", 10.0f},
      {"1.0d+01", 10.0f}, {"100E-1", 10.0f}, {".5", 0.5f},
      {"-2.5", -2.5f},    {"+3", 3.0f},      {"0.1", 0.1f},
      {"-0.0", -0.0f},    {"1E-40", 1e-40f}, {"3.4028235E38", std::numeric_limits<float>::max()},
      {"120", 120.0f},    {"+.25E+1", 2.5f},
  };
  for (const Case& c : cases) {
    float value = -99.0f;
    EXPECT_EQ(readRealText(c.text, value), NumberText::kRead) << c.text;
    EXPECT_EQ(value, c.expected) << c.text;
  }
}

TEST(RealText, ReadsTooSmallAMagnitudeAsZeroOfItsSign) {
  float value = 1.0f;
  ASSERT_EQ(readRealText("1E-50", value), NumberText::kRead);
  EXPECT_EQ(value, 0.0f);
  ASSERT_EQ(readRealText("-0.000001D-99999999999", value), NumberText::kRead);
  EXPECT_EQ(value, 0.0f);
  EXPECT_TRUE(std::signbit(value));
}

TEST(RealText, RejectsWhatIsNoRealNumber) {
  const std::string_view notNumbers[] = {"",    "1O.5", "inf",  "nan",   "1E",    "1.0E+",
                                         ".",   "-",    "+-1",  "1.2.3", "3*0.0", "1/",
                                         "'1'", "0x10", "1e5x", "E5",    "1,5",   " 1"};
  for (std::string_view text : notNumbers) {
    float value = 0.0f;
    EXPECT_EQ(readRealText(text, value), NumberText::kNotANumber) << '"' << text << '"';
  }
  const std::string_view tooLarge[] = {"1E39", "-1E39", "1D99999999999", "5E38"};
  for (std::string_view text : tooLarge) {
    float value = 0.0f;
    EXPECT_EQ(readRealText(text, value), NumberText::kOutOfRange) << text;
  }
}

TEST(IntegerText, ReadsSignedWholeNumbersWithinThirtyTwoBits) {
  struct Case {
    std::string_view text;
    NumberText outcome;
    std::int32_t expected;
  };
  const Case cases[] = {
      {"7", NumberText::kRead, 7},
      {"+3", NumberText::kRead, 3},
      {"-12", NumberText::kRead, -12},
      {"2147483647", NumberText::kRead, 2147483647},
      {"-2147483648", NumberText::kRead, std::numeric_limits<std::int32_t>::min()},
      {"2147483648", NumberText::kOutOfRange, 0},
      {"3.0", NumberText::kNotANumber, 0},
      {"1E2", NumberText::kNotANumber, 0},
      {"+-1", NumberText::kNotANumber, 0},
      {"-", NumberText::kNotANumber, 0},
      {"", NumberText::kNotANumber, 0},
      {"1A", NumberText::kNotANumber, 0},
  };
  for (const Case& c : cases) {
    std::int32_t value = 0;
    EXPECT_EQ(readIntegerText(c.text, value), c.outcome) << c.text;
    if (c.outcome == NumberText::kRead) {
      EXPECT_EQ(value, c.expected) << c.text;
    }
  }
}

}  // namespace
}  // namespace veldor
