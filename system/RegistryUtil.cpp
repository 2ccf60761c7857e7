#include "RegistryUtil.h"

#include <cstring>
#include <vector>

#include "Handles.h"
#include "ValueEncoding.h"
#include "util/RegistryPath.h"
#include "util/TextCase.h"

namespace {

constexpr REGSAM kBaseRights = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
constexpr REGSAM kSubRights =
    KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | DELETE;
constexpr REGSAM kWriteRights = KEY_READ | KEY_WRITE;

// The longest sub key name the registry allows, without its terminator.
constexpr DWORD kMaxKeyNameLength = 255;

HKEY RootKey(int root) {
    switch (root) {
        case 0: return HKEY_CLASSES_ROOT;
        case 1: return HKEY_CURRENT_USER;
        case 2: return HKEY_LOCAL_MACHINE;
        case 3: return HKEY_USERS;
        default: return nullptr;
    }
}

std::string WithoutTrailingBackslashes(std::string path) {
    while (!path.empty() && path.back() == '\\') path.pop_back();
    return path;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// A key path as the open key's path buffer would hold it: bounded like the
// vendor key paths.
bool FitsPathBuffer(const std::string& path) { return path.size() < kRegistryPathLimit; }

// Whether the key at candidate is the key at ancestor or lies below it.
bool IsWithin(const std::string& candidate, const std::string& ancestor) {
    std::string c = ToLowerAscii(candidate);
    std::string a = ToLowerAscii(ancestor);
    return c == a || (c.size() > a.size() && c.compare(0, a.size(), a) == 0 && c[a.size()] == '\\');
}

HKEY PredefinedKey(RegistryRootName root) {
    switch (root) {
        case RegistryRootName::ClassesRoot: return HKEY_CLASSES_ROOT;
        case RegistryRootName::CurrentUser: return HKEY_CURRENT_USER;
        case RegistryRootName::LocalMachine: return HKEY_LOCAL_MACHINE;
        case RegistryRootName::Users: return HKEY_USERS;
        case RegistryRootName::CurrentConfig: return HKEY_CURRENT_CONFIG;
        case RegistryRootName::DynData: return HKEY_DYN_DATA;
    }
    return nullptr;
}

std::string ExpandEnvironment(const std::string& text) {
    DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::vector<char> expanded(needed + 1);
    DWORD length = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), DWORD(expanded.size()));
    if (length == 0 || length > expanded.size()) return text;
    return std::string(expanded.data());
}

}  // namespace

RegistryUtil::~RegistryUtil() { Close(); }

void RegistryUtil::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
    root_ = -1;
    path_.clear();
}

void RegistryUtil::Replace(HKEY key, int root, std::string path) {
    Close();
    key_ = key;
    root_ = root;
    path_ = std::move(path);
}

bool RegistryUtil::OpenFromRoot(int root, const std::string& suffix, bool create) {
    Close();
    HKEY rootKey = RootKey(root);
    if (!rootKey) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::optional<std::string> path = VendorKeyPath(suffix);
    if (!path) {
        lastResult_ = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    std::string keyPath = WithoutTrailingBackslashes(*path);
    HKEY key = nullptr;
    lastResult_ = create ? RegCreateKeyExA(rootKey, keyPath.c_str(), 0, nullptr, 0, kWriteRights, nullptr, &key, nullptr)
                         : RegOpenKeyExA(rootKey, keyPath.c_str(), 0, kBaseRights, &key);
    if (lastResult_ != ERROR_SUCCESS) return false;
    Replace(key, root, keyPath);
    return true;
}

bool RegistryUtil::OpenBase(int root, const std::string& suffix) { return OpenFromRoot(root, suffix, false); }

bool RegistryUtil::CreateBase(int root) { return OpenFromRoot(root, std::string(), true); }

bool RegistryUtil::OpenSub(const std::string& name) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    std::string path = path_ + "\\" + name;
    if (!FitsPathBuffer(path)) {
        lastResult_ = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    HKEY key = nullptr;
    lastResult_ = RegOpenKeyExA(key_, name.c_str(), 0, kSubRights, &key);
    if (lastResult_ != ERROR_SUCCESS) return false;
    Replace(key, root_, WithoutTrailingBackslashes(path));
    return true;
}

bool RegistryUtil::CreateSub(const std::string& name) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    std::string path = path_ + "\\" + name;
    HKEY key = nullptr;
    if (FitsPathBuffer(path))
        lastResult_ = RegCreateKeyExA(key_, name.c_str(), 0, nullptr, 0, kWriteRights, nullptr, &key, nullptr);
    else
        lastResult_ = ERROR_FILENAME_EXCED_RANGE;
    if (lastResult_ != ERROR_SUCCESS) {
        Close();
        return false;
    }
    Replace(key, root_, WithoutTrailingBackslashes(path));
    return true;
}

bool RegistryUtil::ReadValue(const std::string& valueName, void* buffer, DWORD bufferSize) {
    if (!key_ || !buffer || bufferSize == 0) {
        lastResult_ = key_ ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE;
        return false;
    }
    DWORD type = REG_NONE;
    DWORD size = bufferSize;
    lastResult_ = RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, static_cast<BYTE*>(buffer), &size);
    char* text = static_cast<char*>(buffer);
    if (lastResult_ == ERROR_MORE_DATA) text[bufferSize - 1] = '\0';
    if (lastResult_ != ERROR_SUCCESS) return false;
    if (!IsStringType(type)) return true;
    if (size < bufferSize) {
        text[size] = '\0';
        return true;
    }
    if (text[bufferSize - 1] == '\0') return true;
    // The string fills the buffer without its zero: it cannot be terminated
    // without losing a character.
    text[bufferSize - 1] = '\0';
    lastResult_ = ERROR_MORE_DATA;
    return false;
}

bool RegistryUtil::ReadString(const std::string& valueName, std::string& text, DWORD bufferSize) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    DWORD type = REG_NONE;
    lastResult_ = RegQueryValueExA(key_, valueName.c_str(), nullptr, &type, nullptr, nullptr);
    if (lastResult_ != ERROR_SUCCESS) return false;
    if (!IsStringType(type)) {
        lastResult_ = ERROR_INVALID_DATATYPE;
        return false;
    }
    std::vector<char> data(bufferSize == 0 ? 1 : bufferSize);
    if (!ReadValue(valueName, data.data(), DWORD(data.size()))) return false;
    text = data.data();
    return true;
}

bool RegistryUtil::WriteValue(const std::string& valueName, const std::string& text, DWORD type) {
    if (type == REG_DWORD) return WriteValue(valueName, std::uint32_t(ParseInteger(text)));
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    std::string data = text;
    data.push_back('\0');
    if (type == REG_MULTI_SZ) data.push_back('\0');
    lastResult_ = RegSetValueExA(key_, valueName.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 DWORD(data.size()));
    return lastResult_ == ERROR_SUCCESS;
}

bool RegistryUtil::WriteValue(const std::string& valueName, std::uint32_t number) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    DWORD data = number;
    lastResult_ = RegSetValueExA(key_, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                 DWORD(sizeof(data)));
    return lastResult_ == ERROR_SUCCESS;
}

bool RegistryUtil::HasSubKey(const std::string& name) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    char found[kMaxKeyNameLength + 2];
    for (DWORD index = 0;; ++index) {
        DWORD length = DWORD(sizeof(found));
        LONG result = RegEnumKeyExA(key_, index, found, &length, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA) continue;  // longer than any name we look for
        if (result != ERROR_SUCCESS) return false;
        if (name.size() == length && name.compare(0, length, found, length) == 0) return true;
    }
}

bool RegistryUtil::DeleteSubTree(const std::string& name) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    // An empty name would empty the open key itself.
    if (name.empty()) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    lastResult_ = RegDeleteTreeA(key_, name.c_str());
    if (lastResult_ != ERROR_SUCCESS) return false;
    lastResult_ = RegDeleteKeyA(key_, name.c_str());
    if (lastResult_ == ERROR_FILE_NOT_FOUND) lastResult_ = ERROR_SUCCESS;
    return lastResult_ == ERROR_SUCCESS;
}

bool RegistryUtil::CopySubTree(int root, const std::string& destinationSuffix, const std::string& sourceName) {
    if (!key_) {
        lastResult_ = ERROR_INVALID_HANDLE;
        return false;
    }
    HKEY rootKey = RootKey(root);
    if (!rootKey || sourceName.empty()) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    std::optional<std::string> destination = VendorKeyPath(destinationSuffix);
    if (!destination) {
        lastResult_ = ERROR_FILENAME_EXCED_RANGE;
        return false;
    }
    std::string destinationPath = WithoutTrailingBackslashes(*destination);
    // Copying a tree into itself would never end.
    if (root == root_ && IsWithin(destinationPath, WithoutTrailingBackslashes(path_ + "\\" + sourceName))) {
        lastResult_ = ERROR_INVALID_PARAMETER;
        return false;
    }
    wingui::RegKey source;
    lastResult_ = RegOpenKeyExA(key_, sourceName.c_str(), 0, KEY_READ, source.Receive());
    if (lastResult_ != ERROR_SUCCESS) return false;
    wingui::RegKey target;
    lastResult_ = RegCreateKeyExA(rootKey, destinationPath.c_str(), 0, nullptr, 0, kWriteRights, nullptr,
                                  target.Receive(), nullptr);
    if (lastResult_ != ERROR_SUCCESS) return false;
    lastResult_ = RegCopyTreeA(source.Get(), nullptr, target.Get());
    return lastResult_ == ERROR_SUCCESS;
}

bool ReadPathValue(const std::string& keyPath, const std::string& valueName, std::string& value) {
    std::optional<RegistryKeyPath> parsed = ParseRegistryKeyPath(keyPath);
    if (!parsed) return false;
    wingui::RegKey key;
    if (RegOpenKeyExA(PredefinedKey(parsed->root), parsed->subKey.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) !=
        ERROR_SUCCESS) {
        return false;
    }
    char data[512];
    DWORD size = sizeof(data);
    DWORD type = REG_NONE;
    if (RegQueryValueExA(key.Get(), valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    switch (type) {
        case REG_SZ:
        case REG_MULTI_SZ:
            value = TextFromRegistryData(data, size);
            return true;
        case REG_EXPAND_SZ:
            value = ExpandEnvironment(TextFromRegistryData(data, size));
            return true;
        case REG_DWORD:
            if (size < sizeof(DWORD)) return false;
            {
                DWORD number = 0;
                std::memcpy(&number, data, sizeof(number));
                value = std::to_string(number);
            }
            return true;
        case REG_QWORD:
            if (size < sizeof(ULONGLONG)) return false;
            {
                ULONGLONG number = 0;
                std::memcpy(&number, data, sizeof(number));
                value = std::to_string(number);
            }
            return true;
        default:
            return false;
    }
}
