#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_directory.h"
#include "veldor/veldor.h"

namespace {

using veldor::testing::linesOf;
using veldor::testing::readFile;
using veldor::testing::ScratchDirectory;
using veldor::testing::writeFile;
namespace fs = std::filesystem;

// The shipped example: a 10 ft square footing loaded with 2.0 ksf at the surface of a 10 ft
// clay layer (120 lb/ft3), one point under its centre. Hand calculation, sublayer by sublayer:
//   stress at depth z under the centre = 2.0 x trunc5(4 x corner value (5/z, 5/z)), 2.0 at z = 0;
//   D = Simpson average of the top, centre and bottom values;
//   P0 = 0.03 ksf x (2s - 1) (each half sublayer weighs 120 x 0.25 / 1000);
//   F0 and F from the curve (0 %, 0.05) (0.8 %, 0.5) (3 %, 2) (6.5 %, 8) (9 %, 20), linear in
//   log P; settlement = (F - F0) / (1 - F0) x 0.5 ft x 12 in/ft.
// For example sublayer 1: D = 1.99962, P0 = 0.03 (below the curve: F0 = 0), Pf = 2.02962,
// F = 0.03 + 0.035 x log10(2.02962 / 2) / log10(4) = 0.030371, settlement 0.18223 in.
// Sublayer 20: D = 0.69648, P0 = 1.17, F0 = 0.021492, Pf = 1.86648, F = 0.028553,
// settlement 0.045448 in. The twenty settlements sum to 2.28162 in.
struct SublayerResult {
  const char* stress;      // Table 6, 3 decimals
  const char* settlement;  // Table 7, 3 decimals
};
const SublayerResult kHandResults[20] = {
    {"2.000", "0.182"}, {"1.995", "0.174"}, {"1.978", "0.167"}, {"1.944", "0.162"},
    {"1.892", "0.158"}, {"1.823", "0.153"}, {"1.740", "0.148"}, {"1.648", "0.143"},
    {"1.550", "0.136"}, {"1.451", "0.122"}, {"1.353", "0.110"}, {"1.259", "0.100"},
    {"1.169", "0.091"}, {"1.084", "0.082"}, {"1.006", "0.074"}, {"0.933", "0.067"},
    {"0.866", "0.061"}, {"0.804", "0.055"}, {"0.748", "0.050"}, {"0.696", "0.045"}};

std::string padded(const std::string& text, std::size_t width) {
  return std::string(width - text.size(), ' ') + text;
}

std::string centreDepth(int sublayer, int decimals) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, 0.5 * sublayer - 0.25,
                                 std::chars_format::fixed, decimals);
  return std::string(digits, end.ptr);
}

class ExampleRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const fs::path example = fs::path(VELDOR_EXAMPLES_DIR) / "square_footing.dat";
    fs::copy_file(example, "square_footing.dat");
    writeFile("names.dat",
              "1.0\n\n\n'example'\n\nTester\nsquare_footing.dat\nsquare_footing.out\n"
              "square_footing.plt\nsquare_footing.msg\n");
    ::testing::internal::CaptureStderr();
    status_ = IVELDOR(4, 0);
    console_ = ::testing::internal::GetCapturedStderr();
  }

  ScratchDirectory scratch_;
  std::int32_t status_ = -1;
  std::string console_;
};

TEST_F(ExampleRunTest, TheReportCarriesTheHandCalculatedStressesAndSettlements) {
  ASSERT_EQ(status_, VELDOR_STATUS_COMPLETED) << console_;
  const std::vector<std::string> report = linesOf(readFile("square_footing.out"));
  const std::regex resultRow("^ {8}[ 0-9.]{7} {5}[ 0-9.-]{8}$");
  std::vector<std::string> rows;
  for (const std::string& line : report)
    if (std::regex_match(line, resultRow)) rows.push_back(line);
  ASSERT_EQ(rows.size(), 40u);
  for (int s = 1; s <= 20; ++s) {
    const SublayerResult& hand = kHandResults[s - 1];
    EXPECT_EQ(rows[s - 1],
              "        " + padded(centreDepth(s, 2), 7) + "     " + padded(hand.stress, 8))
        << "Table 6, sublayer " << s;
    EXPECT_EQ(rows[19 + s],
              "        " + padded(centreDepth(s, 3), 7) + "     " + padded(hand.settlement, 8))
        << "Table 7, sublayer " << s;
  }
  EXPECT_NE(std::find(report.begin(), report.end(), "          TOTAL(In.)   2.282"), report.end());
  // Pages: Tables 1 and 2, Table 3, Table 4, Table 5, two of Table 6, two of Table 7, and the
  // closing page break, which is the report's last line.
  EXPECT_EQ(std::count(report.begin(), report.end(), "\f"), 9);
  EXPECT_EQ(report.back(), "\f");
}

TEST_F(ExampleRunTest, ThePlotAndMessageFilesHoldTheAreaThePointAndTheProgress) {
  ASSERT_EQ(status_, VELDOR_STATUS_COMPLETED) << console_;
  const std::vector<std::string> plot = linesOf(readFile("square_footing.plt"));
  ASSERT_EQ(plot.size(), 8u);
  EXPECT_EQ(plot[0], "LDS");
  EXPECT_EQ(plot[1], "1");
  EXPECT_EQ(plot[2], "F1  ");
  EXPECT_EQ(plot[3], "   1       0.00     0.00  10.00   10.00  0.000      2.000    0.00");
  EXPECT_EQ(plot[4], "1");
  EXPECT_EQ(plot[5], "#  1");
  std::istringstream point(plot[6]);
  float x = -1, y = -1, total = -1;
  point >> x >> y >> total;
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(y, 0.0f);
  EXPECT_NEAR(total, 2.28162f, 2e-5f);
  EXPECT_EQ(plot[7], "END");

  EXPECT_EQ(linesOf(readFile("square_footing.msg")),
            (std::vector<std::string>{"1 0", "     COMPUTING AREA   1 AT POINT   1"}));
  EXPECT_EQ(console_.rfind("          EXECUTION IN PROGRESS\n\n", 0), 0u);
}

}  // namespace
