// POSIX stand-in for the registry: a tree of directories under $HOME/.vornik/registry, one
// per key, under HKEY_CLASSES_ROOT or HKEY_CURRENT_USER. Key names compare without regard
// to the letter case of A to Z, as in the registry. A value is a file named "=" and the
// value's name (the default value is the file "="), holding the value's bytes as stored.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

#include "platform/registry.h"

namespace vornik::platform {

namespace {
constexpr long registry_invalid_function = 1;
constexpr long registry_invalid_handle = 6;

long code_of(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return registry_not_found;
    case EACCES:
    case EPERM:
    case EROFS:
      return registry_access_denied;
    default:
      return registry_invalid_function;
  }
}

// UTF-16 to UTF-8; A to Z lower-cased so that key names ignore letter case; '/' and '%'
// escaped so that a name stays one path component.
std::string file_name_of(const std::u16string& name, bool fold_case) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    std::uint32_t c = name[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < name.size()) {
      c = 0x10000 + ((c - 0xD800) << 10) + (name[++i] - 0xDC00);
    }
    if (fold_case && c >= 'A' && c <= 'Z') c += 32;
    if (c == '/' || c == '%' || c == '=') {
      static const char hex[] = "0123456789ABCDEF";
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::string root_directory(RegistryRoot root) {
  const char* home = std::getenv("HOME");
  std::string dir = (home != nullptr && *home != '\0') ? home : "/tmp";
  dir += "/.vornik/registry/";
  dir += root == RegistryRoot::classes_root ? "HKEY_CLASSES_ROOT" : "HKEY_CURRENT_USER";
  return dir;
}

// The directory of a key; empty names between backslashes are passed over.
std::string key_directory(RegistryRoot root, const std::u16string& sub_key) {
  std::string dir = root_directory(root);
  std::u16string name;
  for (std::size_t i = 0; i <= sub_key.size(); ++i) {
    if (i == sub_key.size() || sub_key[i] == u'\\') {
      if (!name.empty()) dir += "/" + file_name_of(name, true);
      name.clear();
    } else {
      name.push_back(sub_key[i]);
    }
  }
  return dir;
}

long make_directories(const std::string& dir) {
  for (std::string::size_type slash = dir.find('/', 1);; slash = dir.find('/', slash + 1)) {
    const std::string part = slash == std::string::npos ? dir : dir.substr(0, slash);
    if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return code_of(errno);
    struct stat info {};
    if (::stat(part.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return registry_not_found;
    if (slash == std::string::npos) return registry_success;
  }
}

// Open keys by handle; one process opens a handful at most.
std::map<RegistryKey, std::string>& open_keys() {
  static std::map<RegistryKey, std::string> keys;
  return keys;
}

// The file of a value under an open key; false for a handle that is not open, which must
// never fall back to a path of its own.
bool value_file(RegistryKey key, const std::u16string& value_name, std::string& file) {
  const auto found = open_keys().find(key);
  if (found == open_keys().end()) return false;
  file = found->second + "/=" + file_name_of(value_name, true);
  return true;
}
}  // namespace

long registry_create_key(RegistryRoot root, const std::u16string& sub_key, RegistryKey& key) {
  key = 0;
  const std::string dir = key_directory(root, sub_key);
  if (const long result = make_directories(dir); result != registry_success) return result;
  static RegistryKey last_key = 0;
  key = ++last_key;
  open_keys()[key] = dir;
  return registry_success;
}

long registry_set_text(RegistryKey key, const std::u16string& value_name,
                       const std::u16string& text) {
  std::string file;
  if (!value_file(key, value_name, file)) return registry_invalid_handle;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return code_of(errno);
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char16_t unit = i < text.size() ? text[i] : u'\0';
    out.put(static_cast<char>(unit & 0xFF));
    out.put(static_cast<char>(unit >> 8));
  }
  out.close();
  return out ? registry_success : registry_invalid_function;
}

long registry_query_size(RegistryKey key, const std::u16string& value_name, std::uint32_t& size) {
  struct stat info {};
  std::string file;
  if (!value_file(key, value_name, file)) return registry_invalid_handle;
  if (::stat(file.c_str(), &info) != 0) return registry_not_found;
  size = static_cast<std::uint32_t>(info.st_size);
  return registry_success;
}

long registry_query_data(RegistryKey key, const std::u16string& value_name,
                         std::vector<unsigned char>& data, std::uint32_t& size) {
  std::string file;
  if (!value_file(key, value_name, file)) return registry_invalid_handle;
  std::ifstream in(file, std::ios::binary);
  if (!in) return registry_not_found;
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  constexpr long more_data = 234;  // ERROR_MORE_DATA
  if (bytes.size() > size) return more_data;
  if (data.size() < bytes.size()) data.resize(bytes.size());
  std::copy(bytes.begin(), bytes.end(), data.begin());
  size = static_cast<std::uint32_t>(bytes.size());
  return registry_success;
}

long registry_delete_key(RegistryRoot root, const std::u16string& sub_key) {
  if (sub_key.empty()) return registry_not_found;
  const std::string dir = key_directory(root, sub_key);
  DIR* listing = ::opendir(dir.c_str());
  if (listing == nullptr) return code_of(errno);
  std::vector<std::string> values;
  bool has_sub_keys = false;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (name[0] == '=') {
      values.push_back(dir);
      values.back().append("/").append(name);
    } else {
      has_sub_keys = true;
    }
  }
  ::closedir(listing);
  if (has_sub_keys) return registry_access_denied;  // as RegDeleteKeyW on a key with sub-keys
  for (const std::string& value : values) std::remove(value.c_str());
  return ::rmdir(dir.c_str()) == 0 ? registry_success : code_of(errno);
}

void registry_close_key(RegistryKey key) { open_keys().erase(key); }

}  // namespace vornik::platform
