// Text functions that the whole program shares. Texts are byte strings in the system's code
// page; every byte is one character, and nothing depends on the locale.
#ifndef VORNIK_CONFIG_TEXT_H
#define VORNIK_CONFIG_TEXT_H

#include <istream>
#include <string>

namespace vornik {

// The bytes A to Z become a to z; every other byte, 128 to 255 included, stays.
std::string to_lower(std::string text);

// Strips blank, tab, carriage return and line feed at both ends; nothing else.
std::string trim(std::string text);

// Reads one line of a text file: up to the next line feed, without it and without a carriage
// return before it, so CR LF files read like LF files. False once the input has ended.
bool read_text_line(std::istream& in, std::string& line);

}  // namespace vornik

#endif  // VORNIK_CONFIG_TEXT_H
