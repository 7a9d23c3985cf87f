#include "config/text.h"

namespace vornik {

std::string to_lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return text;
}

std::string trim(std::string text) {
  static constexpr char blanks[] = " \t\r\n";
  const std::string::size_type first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  const std::string::size_type last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool read_text_line(std::istream& in, std::string& line) {
  if (!std::getline(in, line)) return false;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

}  // namespace vornik
