#include "engine/path_pieces.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace veldor {
namespace {

struct SplitCase {
  std::string name;
  const char* directory;
  const char* baseName;
  const char* extension;
};

TEST(PathPiecesTest, SplitsTheCompletedName) {
  const SplitCase cases[] = {
      {"/work/site/problem.dat", "/work/site/", "problem", ".dat"},
      {"/work//site/./x/../problem.dat", "/work/site/", "problem", ".dat"},
      {"/a/b.c.d", "/a/", "b.c", ".d"},                // the extension starts at the last dot
      {"/a/report.result", "/a/", "report", ".resu"},  // cut to five characters
      {"/a/noextension", "/a/", "noextension", ""},
      {"/a/trailing.", "/a/", "trailing", "."},
      {"/a/dir/", "/a/dir/", "", ""},
  };
  for (const SplitCase& c : cases) {
    const PathPieces pieces = splitFileName(c.name);
    EXPECT_EQ(pieces.drive.trimmed(), "") << c.name;
    EXPECT_EQ(pieces.directory.trimmed(), c.directory) << c.name;
    EXPECT_EQ(pieces.baseName.trimmed(), c.baseName) << c.name;
    EXPECT_EQ(pieces.extension.trimmed(), c.extension) << c.name;
  }
}

TEST(PathPiecesTest, ARelativeNameIsCompletedAgainstTheCurrentDirectory) {
  const std::string current = std::filesystem::current_path().string();
  const PathPieces pieces = splitFileName("problem.dat");
  EXPECT_EQ(pieces.directory.trimmed(), current + "/");
  EXPECT_EQ(pieces.baseName.trimmed(), "problem");
  EXPECT_EQ(*completeFileName("sub/../problem.dat"), current + "/problem.dat");
}

TEST(PathPiecesTest, ACompletedNameOver260CharactersGivesBlankPieces) {
  const std::string directory = "/" + std::string(250, 'd') + "/";  // 252 characters
  const std::string fits = directory + "abc.dat";                   // 259
  ASSERT_EQ((directory + "abcd.dat").size(), 260u);
  EXPECT_EQ(splitFileName(directory + "abcd.dat").baseName.trimmed(), "abcd");
  EXPECT_EQ(splitFileName(fits).extension.trimmed(), ".dat");

  const PathPieces tooLong = splitFileName(directory + "abcde.dat");  // 261
  EXPECT_EQ(tooLong.directory.trimmed(), "");
  EXPECT_EQ(tooLong.baseName.trimmed(), "");
  EXPECT_EQ(tooLong.extension.trimmed(), "");
  EXPECT_EQ(tooLong.drive.view(), "   ");
}

}  // namespace
}  // namespace veldor
