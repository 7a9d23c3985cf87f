// A fresh directory for one test, removed with everything in it when the test ends.
#ifndef VORNIK_TESTS_SUPPORT_SCRATCH_DIR_H
#define VORNIK_TESTS_SUPPORT_SCRATCH_DIR_H

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

namespace vornik::testing {

class ScratchDir {
 public:
  ScratchDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("vornik-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of name inside the directory, in the host's own spelling.
  std::string path(const std::string& name = "") const {
    return name.empty() ? root_.string() : (root_ / name).string();
  }

  // Writes a file in binary mode, so that the bytes are exactly those given.
  std::string write(const std::string& name, const std::string& content) const {
    const std::string file = path(name);
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }

  std::string make_dir(const std::string& name) const {
    std::filesystem::create_directories(root_ / name);
    return path(name);
  }

 private:
  std::filesystem::path root_;
};

}  // namespace vornik::testing

#endif  // VORNIK_TESTS_SUPPORT_SCRATCH_DIR_H
