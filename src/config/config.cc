#include "config/config.h"

#include <fstream>

#include "config/text.h"
#include "platform/filesystem.h"

namespace vornik {

Config::Config(std::string path) {
  std::ifstream in = platform::open_input(path);
  if (!in.is_open()) return;  // status stays 1, both lists empty

  // A read that fails before the end (a share that goes away) ends the loop like the end of
  // the file: what was read is kept and the store counts as loaded.
  std::string line;
  while (read_text_line(in, line)) {
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos) continue;  // not a setting
    add_pair(trim(line.substr(0, equals)), trim(line.substr(equals + 1)));
  }
  status_ = 0;
}

std::string Config::get_value(std::string key) const {
  const std::size_t index = index_of(key);
  return index == not_found ? std::string() : values[index];
}

void Config::add_pair(std::string key, std::string value) {
  keys.push_back(to_lower(std::move(key)));
  values.push_back(std::move(value));
}

std::size_t Config::index_of(const std::string& key) const {
  const std::string wanted = to_lower(key);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == wanted) return i;
  }
  return not_found;
}

}  // namespace vornik
