#include "app/console.h"

#include <cstdlib>

#include "platform/system.h"

namespace vornik {

void print_line(std::ostream& out, const std::string& text) { out << text << std::endl; }

char read_answer(std::istream& in) {
  char answer = '\0';
  if (!(in >> answer)) return '\0';
  return answer;
}

bool ask_yes_no(const std::string& question, std::istream& in, std::ostream& out) {
  out << question << std::flush;
  const char answer = read_answer(in);
  return answer == 'y' || answer == 'Y';
}

void confirm_or_quit(const std::string& question) {
  if (ask_yes_no(question)) return;
  print_line(std::cout, "Quitting.");
  exit_with_pause(0);
}

void exit_with_pause(int code) { exit_program(code, true); }

void exit_program(int code, bool pause_first) {
  std::cout.flush();
  std::cerr.flush();
  if (pause_first) platform::pause();
  std::exit(code);
}

}  // namespace vornik
