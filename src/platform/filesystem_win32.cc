// Win32 implementation of the file system services: the C run-time's 64-bit-time stat,
// remove and fopen on narrow (ANSI) paths, and the wide-character directory search.
#include <sys/stat.h>
#include <sys/types.h>
#include <windows.h>

#include <cstdio>

#include "platform/filesystem.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide texts are UTF-16");

namespace vornik::platform {

std::string host_path(const std::string& path) { return path; }

FileStatus stat_path(const std::string& path) {
  FileStatus status;
  struct _stat64 info {};
  if (::_stat64(path.c_str(), &info) != 0) return status;
  status.found = true;
  status.directory = (info.st_mode & _S_IFDIR) != 0;
  status.modified = static_cast<std::int64_t>(info.st_mtime);
  return status;
}

bool remove_file(const std::string& path) { return std::remove(path.c_str()) == 0; }

std::FILE* open_file(const std::string& path, const char* mode) {
  return std::fopen(path.c_str(), mode);
}

std::ifstream open_input(const std::string& path, std::ios::openmode mode) {
  return std::ifstream(path, mode);
}

std::ofstream open_output(const std::string& path, std::ios::openmode mode) {
  return std::ofstream(path, mode);
}

struct DirectorySearch::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
  WIN32_FIND_DATAW data{};
  bool has_pending = false;  // FindFirstFileW already delivered the first entry
};

DirectorySearch::DirectorySearch(const std::u16string& pattern) : state_(new State) {
  state_->handle =
      ::FindFirstFileW(reinterpret_cast<const wchar_t*>(pattern.c_str()), &state_->data);
  state_->has_pending = state_->handle != INVALID_HANDLE_VALUE;
}

DirectorySearch::~DirectorySearch() {
  if (state_->handle != INVALID_HANDLE_VALUE) ::FindClose(state_->handle);
}

bool DirectorySearch::is_open() const { return state_->handle != INVALID_HANDLE_VALUE; }

bool DirectorySearch::next(std::u16string& name) {
  if (state_->handle == INVALID_HANDLE_VALUE) return false;
  if (!state_->has_pending && ::FindNextFileW(state_->handle, &state_->data) == 0) return false;
  state_->has_pending = false;
  name.assign(reinterpret_cast<const char16_t*>(state_->data.cFileName));
  return true;
}

}  // namespace vornik::platform
