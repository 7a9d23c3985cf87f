#include "config/config.h"

#include <gtest/gtest.h>

#include "support/scratch_dir.h"

namespace vornik {
namespace {

using testing::ScratchDir;

Config load(const ScratchDir& dir, const std::string& content) {
  return Config(dir.write("vornik.conf", content));
}

TEST(ConfigTest, SettingLinesIgnoreKeyCaseAndBlanksAroundKeyAndValue) {
  ScratchDir dir;
  const struct {
    const char* line;
    const char* key;
    const char* value;
  } cases[] = {
      {"VRN_USER=alice", "VRN_USER", "alice"},
      {"vrn_user = alice", "VRN_USER", "alice"},
      {"Vrn_User\t=\talice", "vrn_user", "alice"},
      {"  vrn_editor=notepad.exe  ", "VRN_EDITOR", "notepad.exe"},
      {"key = a = b", "KEY", "a = b"},
      {"VRN_EDITOR_OPTS = -n -x=1", "vrn_editor_opts", "-n -x=1"},
      {"VRN_USER=Alice Smith", "VRN_USER", "Alice Smith"},  // the value keeps its case
      {"# editor = x", "# EDITOR", "x"},                    // no comment character
      {"VRN_EDITOR_OPTS=", "VRN_EDITOR_OPTS", ""},
  };
  for (const auto& c : cases) {
    const Config config = load(dir, std::string(c.line) + "\n");
    EXPECT_EQ(config.status(), 0);
    EXPECT_EQ(config.get_value(c.key), c.value) << c.line;
  }
}

TEST(ConfigTest, ReadsTheExampleFileAndSkipsLinesWithoutEquals) {
  ScratchDir dir;
  const Config config = load(dir,
                             "VRN_USER = alice\n"
                             "Editor settings follow\n"
                             "\n"
                             "   \n"
                             "  vrn_editor=notepad.exe  \n"
                             "VRN_EDITOR_OPTS = -n -x=1");  // last line without a line end
  ASSERT_EQ(config.status(), 0);
  EXPECT_EQ(config.get_value("VRN_USER"), "alice");
  EXPECT_EQ(config.get_value("VRN_EDITOR"), "notepad.exe");
  EXPECT_EQ(config.get_value("VRN_EDITOR_OPTS"), "-n -x=1");
  EXPECT_EQ(config.get_value("Editor settings follow"), "");
  EXPECT_EQ(config.get_value("VRN_EMAIL"), "");
}

TEST(ConfigTest, FirstOfDuplicateKeysWins) {
  ScratchDir dir;
  const Config config = load(dir, "VRN_USER=alice\nvrn_user=bob\n");
  EXPECT_EQ(config.get_value("VRN_USER"), "alice");
}

TEST(ConfigTest, EmptyKeyIsStoredWithoutDisturbingRealKeys) {
  ScratchDir dir;
  const Config config = load(dir, "=x\nVRN_USER=alice\n");
  EXPECT_EQ(config.get_value(""), "x");
  EXPECT_EQ(config.get_value("VRN_USER"), "alice");
}

TEST(ConfigTest, LookupKeyIsNotTrimmed) {
  ScratchDir dir;
  const Config config = load(dir, "VRN_USER=alice\n");
  EXPECT_EQ(config.get_value(" VRN_USER"), "");
}

TEST(ConfigTest, CrLfFileReadsLikeLfFile) {
  ScratchDir dir;
  const Config crlf = Config(dir.write("crlf.conf", "VRN_USER=alice\r\nVRN_EMAIL=a@x\r\n"));
  const Config lf = Config(dir.write("lf.conf", "VRN_USER=alice\nVRN_EMAIL=a@x\n"));
  for (const char* key : {"VRN_USER", "VRN_EMAIL"}) {
    EXPECT_EQ(crlf.get_value(key), lf.get_value(key));
  }
  EXPECT_EQ(crlf.get_value("VRN_EMAIL"), "a@x");
}

TEST(ConfigTest, StatusTellsWhetherTheFileCouldBeOpened) {
  ScratchDir dir;
  EXPECT_EQ(load(dir, "").status(), 0);
  EXPECT_EQ(load(dir, "no settings here\n").status(), 0);
  EXPECT_EQ(load(dir, "").get_value("VRN_USER"), "");

  const Config missing(dir.path("missing.conf"));
  EXPECT_EQ(missing.status(), 1);
  EXPECT_EQ(missing.get_value("VRN_USER"), "");

  EXPECT_EQ(Config(dir.make_dir("a-directory")).status(), 1);
}

}  // namespace
}  // namespace vornik
