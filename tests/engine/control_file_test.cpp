#include "engine/control_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

namespace veldor {
namespace {

std::string tenLines(const std::string& line4) {
  return "v2.1\nunused 2\nunused 3\n" + line4 + "\nunused 5\nA. Engineer\nin.dat\nout.txt\n" +
         "plot.plt\nmsg.txt\n";
}

struct ControlCase {
  const char* name;
  std::string content;
  const char* line4Value;
  const char* inputName;
  const char* messageName;
};

TEST(ControlFileTest, ReadsTheTenLinesAndTheFreeFormLineFour) {
  const ControlCase cases[] = {
      {"unquoted value ends at a blank", tenLines("first second"), "first", "in.dat", "msg.txt"},
      {"unquoted value ends at a comma", tenLines("a,b"), "a", "in.dat", "msg.txt"},
      {"unquoted value ends at a slash", tenLines("a/b"), "a", "in.dat", "msg.txt"},
      {"apostrophes keep blanks", tenLines("  'two words' rest"), "two words", "in.dat", "msg.txt"},
      {"doubled quote stands for one", tenLines("\"say \"\"hi\"\"\""), "say \"hi\"", "in.dat",
       "msg.txt"},
      // A blank line 4 is passed over: its value comes from line 5 and every later line shifts.
      {"blank line four shifts the rest", "v\n2\n3\n   \nvalue5\n6\nprep\nin.dat\nout\nplot\nmsg\n",
       "value5", "in.dat", "msg"},
      {"CR LF line ends", "v\r\n2\r\n3\r\nx\r\n5\r\np\r\nin.dat  \r\no\r\np\r\nm\r\n", "x",
       "in.dat", "m"},
  };
  for (const ControlCase& c : cases) {
    std::istringstream stream(c.content);
    RunControl control{};
    EXPECT_EQ(readControlFile(stream, control), ControlFileOutcome::kComplete) << c.name;
    EXPECT_EQ(control.unusedLines[2].trimmed(), c.line4Value) << c.name;
    EXPECT_EQ(control.fileName(FileRole::kInput).trimmed(), c.inputName) << c.name;
    EXPECT_EQ(control.fileName(FileRole::kMessage).trimmed(), c.messageName) << c.name;
    EXPECT_TRUE(control.fileNameRead[3]) << c.name;
  }
}

TEST(ControlFileTest, FieldsKeepTheirFixedLengths) {
  std::istringstream stream("VERSION-2020-EXTRA\n2\n3\n4\n5\nJane Q. Engineer\n" +
                            std::string(300, 'i') + "\no\np\nm");
  RunControl control{};
  ASSERT_EQ(readControlFile(stream, control), ControlFileOutcome::kComplete);
  EXPECT_EQ(control.versionLabel.view(), "VERSION-2020");
  EXPECT_EQ(control.preparedBy.view().size(), 256u);
  EXPECT_EQ(control.preparedBy.trimmed(), "Jane Q. Engineer");
  EXPECT_EQ(control.fileName(FileRole::kInput).view(), std::string(255, 'i'));
  EXPECT_EQ(control.fileName(FileRole::kMessage).trimmed(), "m");  // last line without LF
}

TEST(ControlFileTest, AFileEndingBeforeItsTenthLineIsIncomplete) {
  const std::string shortFiles[] = {
      "", "1\n2\n3\n4\n5\n6\n7\n8\n9\n",
      // Line 4's value spans two lines, so eleven lines hold only ten.
      "1\n2\n3\n\n4\n5\n6\n7\n8\n9\n", "1\n2\n3\n\n\n\n"};
  for (const std::string& content : shortFiles) {
    std::istringstream stream(content);
    RunControl control{};
    EXPECT_EQ(readControlFile(stream, control), ControlFileOutcome::kEndsEarly) << content;
  }
}

// A stream buffer that delivers its text and then fails as a broken device would.
class FailingBuffer : public std::streambuf {
 public:
  explicit FailingBuffer(std::string text) : text_(std::move(text)) {
    setg(text_.data(), text_.data(), text_.data() + text_.size());
  }

 protected:
  int_type underflow() override { throw std::ios_base::failure("device error"); }

 private:
  std::string text_;
};

TEST(ControlFileTest, AReadFailureOnTheFileNamesLeavesTheLaterNamesUnread) {
  FailingBuffer buffer("1\n2\n3\n4\n5\n6\nin.dat\nout.t");
  std::istream stream(&buffer);
  RunControl control{};
  control.fileNames[2].assign("stale.plt");
  EXPECT_EQ(readControlFile(stream, control), ControlFileOutcome::kDataErrors);
  EXPECT_TRUE(control.fileNameRead[0]);
  EXPECT_EQ(control.fileName(FileRole::kInput).trimmed(), "in.dat");
  EXPECT_FALSE(control.fileNameRead[1]);
  EXPECT_FALSE(control.fileNameRead[2]);
  EXPECT_EQ(control.fileName(FileRole::kPlot).trimmed(), "stale.plt");
}

}  // namespace
}  // namespace veldor
