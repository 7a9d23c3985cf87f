#include "app/driver.h"

#include <iostream>

#include "app/command_table.h"
#include "app/console.h"
#include "config/config.h"

namespace vornik {

namespace {
constexpr char version_text[] = "1.1";

void print_banner() {
  print_line(std::cout, std::string("Vornik ") + version_text);
  print_line(std::cout, "Written by the vornik developers.");
  print_line(std::cout, "https://vornik.example.org/");
}

[[noreturn]] void fail(const std::string& message) {
  print_line(std::cerr, message);
  exit_with_pause(1);
}

void check_config(const Config& config) {
  switch (config.status()) {
    case 0:
      return;
    case 1:
      print_line(std::cerr, "Config: File not found.");
      print_line(std::cerr, "");
      fail("Make sure vornik.conf exists in the same directory as the binary.");
    default:
      fail("Config: An unknown error occurred.");
  }
}

// The Explorer-menu commands and the file stage are not served by this build yet; their
// words are answered like any word outside the command table.
[[noreturn]] void run_unserved_command() { fail("Unknown command."); }
}  // namespace

std::string config_path_for(const std::string& program_path) {
  const std::string::size_type backslash = program_path.rfind('\\');
  const std::string directory =
      backslash == std::string::npos ? std::string() : program_path.substr(0, backslash + 1);
  return directory + "vornik.conf";
}

int run_driver(std::vector<std::string> words) {
  if (!has_enough_words(words)) fail("Not enough arguments.");

  if (words[1] == "-v") {
    print_banner();
    exit_program(0, false);
  }

  // Lives until the process ends; the later stages receive it by reference.
  const Config config(config_path_for(words[0]));
  check_config(config);

  run_unserved_command();
}

}  // namespace vornik
