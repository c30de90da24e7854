#include "report/format/fixed_line.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <locale>
#include <string>

namespace veldor {
namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();

struct RealCase {
  float value;
  int width;
  int decimals;
  const char* expected;
};

// Expected texts follow printf("%*.*f") of the float's exact binary value, with the leading
// 0 dropped when the field is one column too narrow for it.
const RealCase kRealCases[] = {
    {0.5f, 5, 3, "0.500"},
    {0.5f, 4, 3, ".500"},  // one column short: the 0 goes
    {-0.5f, 6, 3, "-0.500"},
    {-0.5f, 5, 3, "-.500"},
    {0.5f, 3, 3, "***"},  // too narrow even without the 0
    {12.345f, 4, 3, "****"},
    {1.0f, 10, 4, "    1.0000"},
    {1234.5f, 7, 2, "1234.50"},
    {0.125f, 5, 2, " 0.12"},       // exact tie: printf rounds to even
    {0.375f, 5, 2, " 0.38"},       // exact tie: to even, upward here
    {2.675f, 6, 2, "  2.67"},      // 2.675f is 2.67499995...: below the tie
    {-0.0001f, 6, 3, "-0.000"},    // a small negative keeps its sign, as printf does
    {99999.9f, 8, 3, "********"},  // 99999.898 needs 9 columns
    {0.03f, 10, 3, "     0.030"},
    {kInf, 10, 3, "  Infinity"},
    {kInf, 8, 3, "Infinity"},
    {kInf, 7, 3, "    Inf"},
    {kInf, 2, 1, "**"},
    {-kInf, 9, 3, "-Infinity"},
    {-kInf, 8, 2, "    -Inf"},
    {-kInf, 3, 1, "***"},
    {std::numeric_limits<float>::quiet_NaN(), 8, 3, "     NaN"},
    {std::numeric_limits<float>::max(), 10, 2, "**********"},
};

TEST(FixedLineTest, RealFieldsRoundAsPrintfAndFitTheirWidth) {
  for (const RealCase& c : kRealCases) {
    EXPECT_EQ(FixedLine().real(c.value, c.width, c.decimals).str(), c.expected)
        << c.value << " in " << c.width << "." << c.decimals;
  }
}

struct IntegerCase {
  std::int32_t value;
  int width;
  int minDigits;
  const char* expected;
};

const IntegerCase kIntegerCases[] = {
    {7, 4, 1, "   7"},    {5, 2, 2, "05"},
    {0, 2, 2, "00"},      {100, 2, 1, "**"},
    {-7, 3, 1, " -7"},    {-7, 2, 2, "**"},  // "-07" needs three columns
    {2026, 4, 1, "2026"}, {std::numeric_limits<std::int32_t>::min(), 11, 1, "-2147483648"},
};

TEST(FixedLineTest, IntegerFieldsAreRightJustifiedAndZeroPadded) {
  for (const IntegerCase& c : kIntegerCases) {
    EXPECT_EQ(FixedLine().integer(c.value, c.width, c.minDigits).str(), c.expected)
        << c.value << " in " << c.width;
  }
}

TEST(FixedLineTest, PiecesFollowEachOtherFromColumnOne) {
  EXPECT_EQ(FixedLine().blanks(3).text("AB ").trimmed("CD  ").integer(4, 3).str(), "   AB CD  4");
  EXPECT_EQ(FixedLine().trimmed("    ").str(), "");
  EXPECT_EQ(FixedLine().str(), "");
}

TEST(FreeRecordTest, ValuesAreSeparatedBySingleBlanksInShortestForm) {
  EXPECT_EQ(FreeRecord().add(3).add(0.1f).add(10.0f).add(-2.5f).add(1e20f).str(),
            "3 0.1 10 -2.5 1e+20");
  EXPECT_EQ(FreeRecord().add(1835.496f).add(-7).add("A1  ").str(), "1835.496 -7 A1  ");
  EXPECT_EQ(FreeRecord().add(kInf).add(-kInf).str(), "Infinity -Infinity");
}

// A host may install a locale with a decimal comma; the files must not change.
struct DecimalComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(FixedLineTest, FormattingIgnoresTheHostLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
  EXPECT_EQ(FixedLine().real(0.5f, 6, 3).str(), " 0.500");
  EXPECT_EQ(FreeRecord().add(2.5f).str(), "2.5");
  std::locale::global(previous);
}

}  // namespace
}  // namespace veldor
