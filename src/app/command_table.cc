#include "app/command_table.h"

namespace vornik {

namespace {
// The file-stage words stand in the order in which the file stage tests them.
constexpr Command commands[] = {
    {"-v", 2, CommandStage::version},
    {"install_shell", 3, CommandStage::explorer_menu},
    {"uninstall_shell", 3, CommandStage::explorer_menu},
    {"install_shell_dir", 2, CommandStage::explorer_menu},
    {"uninstall_shell_dir", 2, CommandStage::explorer_menu},
    {"stat", 3, CommandStage::file},
    {"checkin", 3, CommandStage::file},
    {"checkout", 3, CommandStage::file},
    {"edit", 3, CommandStage::file},
    {"get", 3, CommandStage::file},
    {"put", 3, CommandStage::file},
    {"checkin_dir", 3, CommandStage::file},
};
}  // namespace

const Command* find_command(std::string_view word) {
  for (const Command& command : commands) {
    if (command.word == word) return &command;
  }
  return nullptr;
}

bool has_enough_words(const std::vector<std::string>& words) {
  if (words.size() < 2) return false;
  if (words.size() >= 3) return true;
  const Command* command = find_command(words[1]);
  return command != nullptr && command->words_needed <= words.size();
}

}  // namespace vornik
