#include "platform/filesystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <vector>

#include "support/scratch_dir.h"

namespace vornik::platform {
namespace {

using vornik::testing::ScratchDir;

std::u16string widen(const std::string& text) {
  std::u16string wide;
  for (char c : text) wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  return wide;
}

TEST(FilesystemTest, StatTellsFilesDirectoriesAndMissingPathsApart) {
  ScratchDir dir;
  const FileStatus file = stat_path(dir.write("a.txt", "x"));
  EXPECT_TRUE(file.found);
  EXPECT_FALSE(file.directory);
  EXPECT_GT(file.modified, 0);

  const FileStatus directory = stat_path(dir.make_dir("sub"));
  EXPECT_TRUE(directory.found);
  EXPECT_TRUE(directory.directory);
  EXPECT_GT(directory.modified, 0);

  const FileStatus missing = stat_path(dir.path("missing"));
  EXPECT_FALSE(missing.found);
  EXPECT_FALSE(missing.directory);
  EXPECT_EQ(missing.modified, 0);
}

TEST(FilesystemTest, BackslashSeparatesLevelsOnTheHost) {
  ScratchDir dir;
  dir.make_dir("sub");
  dir.write("sub/a.txt", "x");
  EXPECT_TRUE(stat_path(dir.path() + "\\sub\\a.txt").found);
  std::ifstream in = open_input(dir.path() + "\\sub\\a.txt");
  EXPECT_TRUE(in.is_open());
}

TEST(FilesystemTest, ModificationTimesAfter2038AreKept) {
  ScratchDir dir;
  const std::string file = dir.write("late.txt", "x");
  const auto thirty_years = std::chrono::hours(24 * 365 * 30);
  std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) + thirty_years);
  const std::int64_t expected =
      static_cast<std::int64_t>(std::time(nullptr)) +
      std::chrono::duration_cast<std::chrono::seconds>(thirty_years).count();
  const std::int64_t modified = stat_path(file).modified;
  EXPECT_GT(modified, std::int64_t{1} << 31);
  EXPECT_NEAR(static_cast<double>(modified), static_cast<double>(expected), 86400.0);
}

TEST(FilesystemTest, RemoveDeletesFilesOnly) {
  ScratchDir dir;
  const std::string file = dir.write("a.txt", "x");
  EXPECT_TRUE(remove_file(file));
  EXPECT_FALSE(stat_path(file).found);
  EXPECT_FALSE(remove_file(file));
}

TEST(FilesystemTest, DirectoriesNeverOpenAsFiles) {
  ScratchDir dir;
  const std::string sub = dir.make_dir("sub");
  EXPECT_EQ(open_file(sub, "r"), nullptr);
  EXPECT_FALSE(open_input(sub).is_open());
  EXPECT_FALSE(open_output(sub).is_open());

  std::FILE* file = open_file(dir.path("new.txt"), "w");
  ASSERT_NE(file, nullptr);
  std::fclose(file);
  EXPECT_TRUE(stat_path(dir.path("new.txt")).found);
}

TEST(FilesystemTest, DirectorySearchListsEveryEntry) {
  ScratchDir dir;
  dir.write("a.txt", "x");
  dir.write("b.doc.LCK", "bob||");
  dir.make_dir("sub");

  DirectorySearch search(widen(dir.path() + "\\*"));
  ASSERT_TRUE(search.is_open());
  std::vector<std::u16string> names;
  std::u16string name;
  while (search.next(name)) names.push_back(name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::u16string>{u".", u"..", u"a.txt", u"b.doc.LCK", u"sub"}));
  EXPECT_FALSE(search.next(name));
}

TEST(FilesystemTest, DirectorySearchOfAMissingDirectoryGivesNothing) {
  ScratchDir dir;
  DirectorySearch search(widen(dir.path() + "\\missing\\*"));
  EXPECT_FALSE(search.is_open());
  std::u16string name;
  EXPECT_FALSE(search.next(name));
}

}  // namespace
}  // namespace vornik::platform
