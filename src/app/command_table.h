// The command words, how many words of the command line each needs, and the stage of the
// driver at which each is tested.
#ifndef VORNIK_APP_COMMAND_TABLE_H
#define VORNIK_APP_COMMAND_TABLE_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vornik {

enum class CommandStage {
  version,        // answered before any file is read
  explorer_menu,  // run once the configuration is loaded
  file,           // run by the file stage, once the site table and the file record are built
};

struct Command {
  std::string_view word;
  std::size_t words_needed;  // the program's path and the command word included
  CommandStage stage;
};

// The command whose word equals word byte for byte (case counts), or nullptr.
const Command* find_command(std::string_view word);

// The argument check: the program alone never goes on; with exactly two words only the
// commands that need no third word do; with three or more words any word goes on.
bool has_enough_words(const std::vector<std::string>& words);

}  // namespace vornik

#endif  // VORNIK_APP_COMMAND_TABLE_H
