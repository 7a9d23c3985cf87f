#include "platform/system.h"

#include <gtest/gtest.h>

#include "platform/registry.h"

namespace vornik::platform {
namespace {

TEST(SystemTest, CommandProcessorRunsCommandLinesAndWaits) {
  EXPECT_EQ(run_command("exit 0"), 0);
  EXPECT_NE(run_command("exit 3"), 0);
}

TEST(SystemTest, ExecutablePathNamesThisProgram) {
  const std::u16string path = executable_path();
  EXPECT_NE(path.find(u"vornik_unit_tests"), std::u16string::npos);
}

TEST(SystemTest, AsciiWidensUnitForUnit) {
  EXPECT_EQ(ansi_to_wide("txt"), u"txt");
  EXPECT_EQ(ansi_to_wide(""), u"");
}

// The tests below use a key of their own under HKEY_CURRENT_USER and remove it again.
const std::u16string test_key = u"Software\\vornik-unit-tests";

std::u16string read_text(RegistryRoot root, const std::u16string& sub_key,
                         const std::u16string& name, long& result) {
  RegistryKey key = 0;
  result = registry_create_key(root, sub_key, key);
  if (result != registry_success) return std::u16string();
  std::uint32_t size = 0;
  result = registry_query_size(key, name, size);
  std::vector<unsigned char> data;
  if (result == registry_success) result = registry_query_data(key, name, data, size);
  registry_close_key(key);
  if (result != registry_success) return std::u16string();
  std::u16string text;
  for (std::uint32_t i = 0; i + 1 < size; i += 2) {
    text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  while (!text.empty() && text.back() == u'\0') text.pop_back();
  return text;
}

TEST(RegistryTest, TextValuesAreStoredWithTheirTerminator) {
  const std::u16string sub_key = test_key + u"\\values\\deep";
  RegistryKey key = 0;
  ASSERT_EQ(registry_create_key(RegistryRoot::current_user, sub_key, key), registry_success);
  EXPECT_EQ(registry_set_text(key, u"", u"VRN - Checkin"), registry_success);
  EXPECT_EQ(registry_set_text(key, u"Application", u""), registry_success);
  std::uint32_t size = 0;
  EXPECT_EQ(registry_query_size(key, u"", size), registry_success);
  EXPECT_EQ(size, 14u * 2u);
  EXPECT_EQ(registry_query_size(key, u"Application", size), registry_success);
  EXPECT_EQ(size, 2u);  // an empty text is its terminator alone
  EXPECT_EQ(registry_query_size(key, u"Missing", size), registry_not_found);
  registry_close_key(key);

  long result = 0;
  // Key names ignore letter case.
  EXPECT_EQ(read_text(RegistryRoot::current_user, u"SOFTWARE\\Vornik-Unit-Tests\\VALUES\\deep", u"",
                      result),
            u"VRN - Checkin");
  EXPECT_EQ(result, registry_success);

  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, sub_key), registry_success);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key + u"\\values"),
            registry_success);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key), registry_success);
}

TEST(RegistryTest, OnlyKeysWithoutSubKeysAreDeleted) {
  RegistryKey key = 0;
  ASSERT_EQ(registry_create_key(RegistryRoot::current_user, test_key + u"\\shell\\command", key),
            registry_success);
  registry_close_key(key);
  EXPECT_NE(registry_delete_key(RegistryRoot::current_user, test_key + u"\\shell"),
            registry_success);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key + u"\\shell\\command"),
            registry_success);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key + u"\\shell\\command"),
            registry_not_found);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key + u"\\shell"),
            registry_success);
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key), registry_success);
}

TEST(RegistryTest, ClosedKeyStoresAndReadsNothing) {
  RegistryKey key = 0;
  ASSERT_EQ(registry_create_key(RegistryRoot::current_user, test_key, key), registry_success);
  registry_close_key(key);
  EXPECT_NE(registry_set_text(key, u"", u"lost"), registry_success);
  std::uint32_t size = 0;
  EXPECT_NE(registry_query_size(key, u"", size), registry_success);

  long result = 0;
  read_text(RegistryRoot::current_user, test_key, u"", result);
  EXPECT_EQ(result, registry_not_found);  // nothing was written anywhere
  EXPECT_EQ(registry_delete_key(RegistryRoot::current_user, test_key), registry_success);
}

}  // namespace
}  // namespace vornik::platform
