// Win32 implementation of the process-level services.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/system.h"

namespace vornik::platform {

namespace {
constexpr DWORD path_capacity = 260;  // MAX_PATH, the buffers of the calls below
}  // namespace

int run_command(const std::string& command_line) {
  std::fflush(nullptr);
  return std::system(command_line.c_str());
}

void pause() {
  std::fflush(nullptr);
  std::system("pause");
}

void hide_console_window() {
  if (HWND window = ::GetConsoleWindow()) ::ShowWindow(window, SW_HIDE);
}

void show_console_window() {
  if (HWND window = ::GetConsoleWindow()) ::ShowWindow(window, SW_SHOW);
}

std::u16string executable_path() {
  wchar_t buffer[path_capacity] = {};
  ::GetModuleFileNameW(nullptr, buffer, path_capacity);
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

std::u16string ansi_to_wide(const std::string& text) {
  wchar_t buffer[path_capacity] = {};
  ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.c_str(), -1, buffer,
                        static_cast<int>(path_capacity));
  buffer[path_capacity - 1] = L'\0';
  return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

}  // namespace vornik::platform
