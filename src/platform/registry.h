// The registry calls the Explorer menu entries need, each returning the registry's own
// result code (0 for success, as the Win32 calls do).
//
// Win32: HKEY_CLASSES_ROOT and HKEY_CURRENT_USER through the wide-character calls. The POSIX
// stand-in keeps the same tree of keys and REG_SZ values in files under
// $HOME/.vornik/registry, so the commands behave the same way and can be inspected.
#ifndef VORNIK_PLATFORM_REGISTRY_H
#define VORNIK_PLATFORM_REGISTRY_H

#include <cstdint>
#include <string>
#include <vector>

namespace vornik::platform {

enum class RegistryRoot { classes_root, current_user };

// An open key; valid only between a successful registry_create_key and registry_close_key.
using RegistryKey = std::uintptr_t;

// Well-known result codes, as Win32 numbers them.
constexpr long registry_success = 0;
constexpr long registry_not_found = 2;
constexpr long registry_access_denied = 5;

// Creates the key (and any missing keys above it) or opens it, with full access.
// sub_key uses backslashes between key names.
long registry_create_key(RegistryRoot root, const std::u16string& sub_key, RegistryKey& key);

// Stores text as a REG_SZ value, its size counting the terminating null. An empty value
// name names the key's default value.
long registry_set_text(RegistryKey key, const std::u16string& value_name,
                       const std::u16string& text);

// Size in bytes of a value's data, without reading it.
long registry_query_size(RegistryKey key, const std::u16string& value_name, std::uint32_t& size);

// Reads up to size bytes of a value's data; size becomes the number of bytes returned.
long registry_query_data(RegistryKey key, const std::u16string& value_name,
                         std::vector<unsigned char>& data, std::uint32_t& size);

// Deletes a key that has no sub-keys.
long registry_delete_key(RegistryRoot root, const std::u16string& sub_key);

void registry_close_key(RegistryKey key);

}  // namespace vornik::platform

#endif  // VORNIK_PLATFORM_REGISTRY_H
