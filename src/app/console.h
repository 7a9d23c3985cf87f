// The console conventions every command shares: message lines, one-character questions and
// the two routines through which the process ends early.
#ifndef VORNIK_APP_CONSOLE_H
#define VORNIK_APP_CONSOLE_H

#include <iostream>
#include <string>

namespace vornik {

// Writes text and a line end, then flushes the stream.
void print_line(std::ostream& out, const std::string& text);

// Reads one answer by formatted extraction: blanks, tabs, line ends, vertical tabs and form
// feeds are skipped and the next character is the answer; the rest of the line stays for the
// next question. Gives '\0' when the input has ended.
char read_answer(std::istream& in = std::cin);

// Prints the question without a line end, flushes, and reads the answer: true only for y or
// Y. Any other character, and the end of the input, is a refusal.
bool ask_yes_no(const std::string& question, std::istream& in = std::cin,
                std::ostream& out = std::cout);

// Asks; on a refusal prints "Quitting." and ends through exit_with_pause with code 0.
void confirm_or_quit(const std::string& question);

// Runs the command processor's pause, then ends the process with the code.
[[noreturn]] void exit_with_pause(int code);

// Ends the process with the code, after the pause only when pause_first is set.
[[noreturn]] void exit_program(int code, bool pause_first);

}  // namespace vornik

#endif  // VORNIK_APP_CONSOLE_H
