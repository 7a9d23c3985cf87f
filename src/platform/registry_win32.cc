// Win32 implementation of the registry calls: wide-character calls on HKEY_CLASSES_ROOT and
// HKEY_CURRENT_USER, each key opened with full access.
#include <windows.h>

#include "platform/registry.h"

namespace vornik::platform {

namespace {
HKEY root_handle(RegistryRoot root) {
  return root == RegistryRoot::classes_root ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

HKEY handle_of(RegistryKey key) { return reinterpret_cast<HKEY>(key); }
}  // namespace

long registry_create_key(RegistryRoot root, const std::u16string& sub_key, RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG result =
      ::RegCreateKeyExW(root_handle(root), wide(sub_key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  key = reinterpret_cast<RegistryKey>(opened);
  return result;
}

long registry_set_text(RegistryKey key, const std::u16string& value_name,
                       const std::u16string& text) {
  const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(char16_t));
  return ::RegSetValueExW(handle_of(key), wide(value_name), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes);
}

long registry_query_size(RegistryKey key, const std::u16string& value_name, std::uint32_t& size) {
  DWORD bytes = 0;
  const LONG result =
      ::RegQueryValueExW(handle_of(key), wide(value_name), nullptr, nullptr, nullptr, &bytes);
  size = bytes;
  return result;
}

long registry_query_data(RegistryKey key, const std::u16string& value_name,
                         std::vector<unsigned char>& data, std::uint32_t& size) {
  if (data.size() < size) data.resize(size);
  DWORD bytes = size;
  const LONG result =
      ::RegQueryValueExW(handle_of(key), wide(value_name), nullptr, nullptr, data.data(), &bytes);
  size = bytes;
  return result;
}

long registry_delete_key(RegistryRoot root, const std::u16string& sub_key) {
  return ::RegDeleteKeyW(root_handle(root), wide(sub_key));
}

void registry_close_key(RegistryKey key) { ::RegCloseKey(handle_of(key)); }

}  // namespace vornik::platform
