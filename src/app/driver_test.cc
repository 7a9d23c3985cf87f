#include "app/driver.h"

#include <gtest/gtest.h>

namespace vornik {
namespace {

TEST(DriverTest, ConfigurationPathComesFromTheLastBackslashOfWordZero) {
  const struct {
    const char* program;
    const char* config;
  } cases[] = {
      {"C:\\tools\\vornik.exe", "C:\\tools\\vornik.conf"},
      {"C:\\tools\\bin.d\\vornik", "C:\\tools\\bin.d\\vornik.conf"},
      {"vornik", "vornik.conf"},
      {"vornik.exe", "vornik.conf"},
      {"C:/tools/vornik.exe", "vornik.conf"},  // a forward slash is an ordinary character
      {"/usr/local/bin/vornik", "vornik.conf"},
      {"\\\\server\\share\\vornik.exe", "\\\\server\\share\\vornik.conf"},
      {"C:\\tools/sub/vornik.exe", "C:\\vornik.conf"},
      {"..\\vornik", "..\\vornik.conf"},
      {"tools\\", "tools\\vornik.conf"},
      {"", "vornik.conf"},
  };
  for (const auto& c : cases) EXPECT_EQ(config_path_for(c.program), c.config) << c.program;
}

}  // namespace
}  // namespace vornik
