#include "win32/registry.h"

#include <algorithm>

namespace pavane::win {

namespace {

// Key and value names are far shorter than this on every system; a buffer
// that has grown past it means the listing is not settling, so it stops.
constexpr std::size_t kLongestName = 65536;

// The names of the direct subkeys of `key`, or nothing when they cannot be listed.
std::optional<std::vector<std::string>> SubkeyNames(HKEY key) {
  DWORD longest = 0;
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr, nullptr, nullptr, nullptr,
                       nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<std::string> names;
  std::string buffer(longest + 1, '\0');
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LONG result = RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_NO_MORE_ITEMS) return names;
    if (result == ERROR_MORE_DATA && buffer.size() < kLongestName) {
      // A longer name than the key reported a moment ago: grow and ask again.
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    names.emplace_back(buffer.data(), length);
    ++index;
  }
}

// A string value's text: the stored bytes need not end in a NUL, and may hold one early.
std::string TextOf(const char* data, std::size_t size) {
  const std::string_view bytes(data, size);
  return std::string(bytes.substr(0, bytes.find('\0')));
}

void NoteFailure(KeyDeletion& deletion, const std::string& path) {
  if (deletion.deleted) deletion.failedPath = path;
  deletion.deleted = false;
}

// Deletes `name` below `parent` bottom-up, since a key with subkeys cannot be
// deleted in one call on every system the program runs on. Goes on with the
// siblings of a key that failed so that as little as possible remains.
bool DeleteTree(HKEY parent, const std::string& name, const std::string& path, KeyDeletion& deletion) {
  HKEY raw = nullptr;
  const LONG opened = RegOpenKeyExA(parent, name.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, &raw);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) {
    NoteFailure(deletion, path);
    return false;
  }
  UniqueRegKey key(raw);
  const std::optional<std::vector<std::string>> children = SubkeyNames(key.Get());
  if (!children) {
    NoteFailure(deletion, path);
    return false;
  }
  bool childrenGone = true;
  for (const std::string& child : *children) {
    childrenGone = DeleteTree(key.Get(), child, path + "\\" + child, deletion) && childrenGone;
  }
  key.Reset();
  if (!childrenGone) return false;

  const LONG deleted = RegDeleteKeyA(parent, name.c_str());
  if (deleted != ERROR_SUCCESS && deleted != ERROR_FILE_NOT_FOUND) {
    NoteFailure(deletion, path);
    return false;
  }
  return true;
}

}  // namespace

RegistryKey RegistryKey::OpenOrCreate(std::string_view path) {
  const std::string name(path);
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

RegistryKey RegistryKey::OpenOrCreateSubkey(std::string_view name) const {
  if (!key_) return RegistryKey();
  const std::string subkey(name);
  HKEY key = nullptr;
  if (RegCreateKeyExA(key_.Get(), subkey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  if (!key_) return std::nullopt;
  const std::string valueName(name);
  // Room for a path at first, so that most values take one call; a longer
  // one is asked for again at the size the system gives.
  std::string data(MAX_PATH, '\0');
  for (;;) {
    DWORD type = 0;
    DWORD read = static_cast<DWORD>(data.size());
    const LONG result =
        RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read);
    if (result == ERROR_MORE_DATA) {
      // One byte more than asked for, so that the next answer cannot be short again unless the value grew.
      data.assign(std::max<std::size_t>(read + 1, data.size() * 2), '\0');
      continue;
    }
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    return TextOf(data.data(), read);
  }
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) {
  if (!key_) return false;
  const std::string valueName(name);
  const std::string data(value);
  return RegSetValueExA(key_.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(std::string_view name) {
  if (!key_) return false;
  const LONG result = RegDeleteValueA(key_.Get(), std::string(name).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::optional<std::vector<std::pair<std::string, std::string>>> RegistryKey::StringValues() const {
  DWORD longestName = 0;
  DWORD longestData = 0;
  if (!key_ || RegQueryInfoKeyA(key_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                                &longestData, nullptr, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::vector<std::pair<std::string, std::string>> values;
  std::string name(longestName + 1, '\0');
  std::string data(longestData + 1, '\0');
  for (DWORD index = 0;;) {
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD dataLength = static_cast<DWORD>(data.size());
    DWORD type = 0;
    const LONG result = RegEnumValueA(key_.Get(), index, name.data(), &nameLength, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data.data()), &dataLength);
    if (result == ERROR_NO_MORE_ITEMS) return values;
    if (result == ERROR_MORE_DATA && name.size() < kLongestName) {
      // A value written since the key was measured: grow and ask again.
      name.resize(name.size() * 2);
      data.resize(std::max<std::size_t>(data.size() * 2, dataLength + 1));
      continue;
    }
    if (result != ERROR_SUCCESS) return std::nullopt;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
      values.emplace_back(std::string(name.data(), nameLength), TextOf(data.data(), dataLength));
    }
    ++index;
  }
}

bool RegistryKeyExists(std::string_view path) {
  const std::string name(path);
  HKEY raw = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, KEY_QUERY_VALUE, &raw);
  UniqueRegKey key(result == ERROR_SUCCESS ? raw : nullptr);
  // A key we may not read still exists.
  return result == ERROR_SUCCESS || result == ERROR_ACCESS_DENIED;
}

KeyDeletion DeleteRegistryTree(std::string_view path) {
  KeyDeletion deletion;
  const std::string name(path);
  DeleteTree(HKEY_CURRENT_USER, name, name, deletion);
  return deletion;
}

}  // namespace pavane::win
