// The program's entry stage: the argument check, the version banner, the configuration and
// the hand-over to the command that the command word names.
#ifndef VORNIK_APP_DRIVER_H
#define VORNIK_APP_DRIVER_H

#include <string>
#include <vector>

namespace vornik {

// The path of vornik.conf for the program path as invoked: everything up to and including its
// last backslash, then "vornik.conf". A forward slash is an ordinary character.
std::string config_path_for(const std::string& program_path);

// Runs one command line (word 0 is the program's path). Returns the exit code of a command
// that completes; every early end leaves through exit_with_pause or exit_program instead.
int run_driver(std::vector<std::string> words);

}  // namespace vornik

#endif  // VORNIK_APP_DRIVER_H
