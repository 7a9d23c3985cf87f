// POSIX stand-in for the file system services. Paths reach the host with every backslash
// turned into '/'; nothing else is translated.
#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cstdio>

#include "platform/filesystem.h"

namespace vornik::platform {

std::string host_path(const std::string& path) {
  std::string host = path;
  for (char& c : host) {
    if (c == '\\') c = '/';
  }
  return host;
}

FileStatus stat_path(const std::string& path) {
  FileStatus status;
  struct stat info {};
  if (::stat(host_path(path).c_str(), &info) != 0) return status;
  status.found = true;
  status.directory = S_ISDIR(info.st_mode);
  status.modified = static_cast<std::int64_t>(info.st_mtime);
  return status;
}

bool remove_file(const std::string& path) { return std::remove(host_path(path).c_str()) == 0; }

// Windows refuses to open a directory as a file, while POSIX would open it for reading, so
// the openers below refuse directories themselves.

std::FILE* open_file(const std::string& path, const char* mode) {
  if (stat_path(path).directory) return nullptr;
  return std::fopen(host_path(path).c_str(), mode);
}

std::ifstream open_input(const std::string& path, std::ios::openmode mode) {
  std::ifstream stream;
  if (!stat_path(path).directory) stream.open(host_path(path), mode);
  return stream;
}

std::ofstream open_output(const std::string& path, std::ios::openmode mode) {
  std::ofstream stream;
  if (!stat_path(path).directory) stream.open(host_path(path), mode);
  return stream;
}

// The stand-in splits the pattern at its last backslash (or slash): the directory to list
// and a shell wildcard for the names. Code units map to bytes one to one, as the narrowing
// and widening of the callers do.
struct DirectorySearch::State {
  DIR* dir = nullptr;
  std::string name_pattern;
};

DirectorySearch::DirectorySearch(const std::u16string& pattern) : state_(new State) {
  std::string narrow;
  for (char16_t unit : pattern) narrow.push_back(static_cast<char>(unit <= 0xFF ? unit : '?'));
  const std::string host = host_path(narrow);
  const std::string::size_type slash = host.rfind('/');
  const std::string dir = slash == std::string::npos ? "." : host.substr(0, slash + 1);
  state_->name_pattern = slash == std::string::npos ? host : host.substr(slash + 1);
  state_->dir = ::opendir(dir.c_str());
}

DirectorySearch::~DirectorySearch() {
  if (state_->dir != nullptr) ::closedir(state_->dir);
}

bool DirectorySearch::is_open() const { return state_->dir != nullptr; }

bool DirectorySearch::next(std::u16string& name) {
  if (state_->dir == nullptr) return false;
  while (const dirent* entry = ::readdir(state_->dir)) {
    if (::fnmatch(state_->name_pattern.c_str(), entry->d_name, 0) != 0) continue;
    name.clear();
    for (const char* c = entry->d_name; *c != '\0'; ++c) {
      name.push_back(static_cast<char16_t>(static_cast<unsigned char>(*c)));
    }
    return true;
  }
  return false;
}

}  // namespace vornik::platform
