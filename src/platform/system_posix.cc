// POSIX stand-in for the process-level services.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>

#include "platform/system.h"

namespace vornik::platform {

namespace {
constexpr std::size_t path_capacity = 260;  // as the Win32 buffers of the same calls

std::u16string widen_bytes(const std::string& text, std::size_t capacity) {
  std::u16string wide;
  for (char c : text) {
    if (wide.size() + 1 >= capacity) break;
    wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
  }
  return wide;
}
}  // namespace

int run_command(const std::string& command_line) {
  std::fflush(nullptr);
  return std::system(command_line.c_str());
}

void pause() {
  std::fputs("Press any key to continue . . . ", stdout);
  std::fflush(stdout);
  std::fgetc(stdin);
}

void hide_console_window() {}
void show_console_window() {}

std::u16string executable_path() {
  char buffer[PATH_MAX + 1] = {};
  const ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  if (length <= 0) return std::u16string();
  return widen_bytes(std::string(buffer, static_cast<std::size_t>(length)), path_capacity);
}

std::u16string ansi_to_wide(const std::string& text) { return widen_bytes(text, path_capacity); }

}  // namespace vornik::platform
