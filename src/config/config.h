// The settings of vornik.conf: key=value lines whose keys ignore ASCII letter case.
#ifndef VORNIK_CONFIG_CONFIG_H
#define VORNIK_CONFIG_CONFIG_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vornik {

class Config {
 public:
  // Loads the file; never throws and prints nothing. The outcome is in status().
  explicit Config(std::string path);

  // 0: the file was read; 1: it cannot be opened (and the store is empty).
  std::int16_t status() const { return status_; }

  // The value of the first setting whose key equals key ignoring ASCII letter case, or empty
  // text when there is none.
  std::string get_value(std::string key) const;

 private:
  static constexpr std::size_t not_found = static_cast<std::size_t>(-1);

  void add_pair(std::string key, std::string value);
  std::size_t index_of(const std::string& key) const;

  std::vector<std::string> keys;    // lower-cased, in file order, duplicates kept
  std::vector<std::string> values;  // values[i] belongs to keys[i]
  std::int16_t status_ = 1;
};

}  // namespace vornik

#endif  // VORNIK_CONFIG_CONFIG_H
