#include "input/value_scanner.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace veldor {
namespace {

std::vector<std::string> valuesOf(std::string_view line) {
  ValueScanner scanner(line);
  std::vector<std::string> values;
  std::string_view value;
  while (scanner.next(value)) values.emplace_back(value);
  return values;
}

TEST(ValueScanner, SeparatesByBlanksTabsAndCommas) {
  struct Case {
    std::string_view line;
    std::vector<std::string> values;
  };
  const Case cases[] = {
      {"1 2.5  3", {"1", "2.5", "3"}},
      {"\t1\t\t2 ", {"1", "2"}},
      {"1,2 , 3 ,4", {"1", "2", "3", "4"}},
      {"1, 2,", {"1", "2"}},
      {"1,,2", {"1", "", "2"}},
      {"1 , , 2", {"1", "", "2"}},
      {",1", {"", "1"}},
      {"3*0.0 'A' /", {"3*0.0", "'A'", "/"}},
      {"", {}},
      {"   ", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(valuesOf(c.line), c.values) << '"' << c.line << '"';
}

}  // namespace
}  // namespace veldor
