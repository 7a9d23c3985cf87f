// File system services of the host, at the level the program uses them.
//
// Paths are narrow texts in the system's code page, as the user typed them. The Win32
// implementation hands them to the C run-time unchanged; the POSIX stand-in turns every
// backslash into '/' on the way to the host file system and translates nothing else.
#ifndef VORNIK_PLATFORM_FILESYSTEM_H
#define VORNIK_PLATFORM_FILESYSTEM_H

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace vornik::platform {

// What one stat call of the C run-time tells about a path.
struct FileStatus {
  bool found = false;         // the stat call succeeded
  bool directory = false;     // the directory bit of st_mode is set
  std::int64_t modified = 0;  // st_mtime, seconds since 1970-01-01 UTC; 0 when not found
};

FileStatus stat_path(const std::string& path);

// Deletes a file (the C run-time's remove); true when it was deleted.
bool remove_file(const std::string& path);

// The text that reaches the host file system for a path.
std::string host_path(const std::string& path);

// Opens a C stream ("r", "w", ...) on a path; nullptr when it cannot be opened.
// A directory never opens, on either platform.
std::FILE* open_file(const std::string& path, const char* mode);

// Opens file streams on a path. A directory never opens, on either platform.
std::ifstream open_input(const std::string& path, std::ios::openmode mode = std::ios::in);
std::ofstream open_output(const std::string& path, std::ios::openmode mode = std::ios::out);

// Wide-character directory search: the entries matching a pattern such as dir\*, one by one
// in the order the file system gives them, "." and ".." included where it reports them.
class DirectorySearch {
 public:
  explicit DirectorySearch(const std::u16string& pattern);
  ~DirectorySearch();
  DirectorySearch(const DirectorySearch&) = delete;
  DirectorySearch& operator=(const DirectorySearch&) = delete;

  // False when the search could not start; then next() gives nothing.
  bool is_open() const;
  // Stores the next entry's name and returns true, or returns false at the end.
  bool next(std::u16string& name);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace vornik::platform

#endif  // VORNIK_PLATFORM_FILESYSTEM_H
