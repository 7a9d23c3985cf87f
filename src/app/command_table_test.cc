#include "app/command_table.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

TEST(CommandTableTest, WordsAreMatchedExactlyWithCase) {
  ASSERT_NE(find_command("stat"), nullptr);
  EXPECT_EQ(find_command("stat")->stage, CommandStage::file);
  EXPECT_EQ(find_command("-v")->stage, CommandStage::version);
  EXPECT_EQ(find_command("install_shell_dir")->stage, CommandStage::explorer_menu);
  EXPECT_EQ(find_command("STAT"), nullptr);
  EXPECT_EQ(find_command("stat "), nullptr);
  EXPECT_EQ(find_command("-V"), nullptr);
  EXPECT_EQ(find_command(""), nullptr);
}

TEST(CommandTableTest, ArgumentCheck) {
  const struct {
    std::vector<std::string> words;
    bool enough;
  } cases[] = {
      {{}, false},
      {{"vornik"}, false},
      {{"vornik", "-v"}, true},
      {{"vornik", "install_shell_dir"}, true},
      {{"vornik", "uninstall_shell_dir"}, true},
      {{"vornik", "install_shell"}, false},
      {{"vornik", "uninstall_shell"}, false},
      {{"vornik", "stat"}, false},
      {{"vornik", "checkin_dir"}, false},
      {{"vornik", "frobnicate"}, false},
      {{"vornik", "INSTALL_SHELL_DIR"}, false},
      {{"vornik", "stat", "a.txt"}, true},
      {{"vornik", "frobnicate", "a.txt"}, true},  // any word goes on with three words
      {{"vornik", "-v", "x", "y"}, true},
  };
  for (const auto& c : cases) {
    std::string line;
    for (const std::string& word : c.words) line += "[" + word + "]";
    EXPECT_EQ(has_enough_words(c.words), c.enough) << line;
  }
}

}  // namespace
}  // namespace vornik
