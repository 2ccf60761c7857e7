#pragma once
// The registry below the vendor key "SOFTWARE\Fernhollow Software\Menuwright\",
// walked one level at a time, and values read from written-out key paths.
#include <windows.h>

#include <cstdint>
#include <string>

// Holds at most one open key. Roots by number: 0 HKEY_CLASSES_ROOT,
// 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS; other numbers fail.
// Every operation returns true on success; LastResult keeps the platform's
// code of the last open, create, read, write, copy or delete (0 = success).
class RegistryUtil {
public:
    RegistryUtil() = default;
    virtual ~RegistryUtil();
    RegistryUtil(const RegistryUtil&) = delete;
    RegistryUtil& operator=(const RegistryUtil&) = delete;

    // Opens the vendor key followed by the suffix (no separator added) to
    // read, create sub keys and set values. Fails, with no key open, when the
    // path would not fit 260 characters.
    bool OpenBase(int root, const std::string& suffix = std::string());
    // Creates, or opens when it exists, the vendor key itself.
    bool CreateBase(int root);
    // Opens a sub key of the open key; on failure the old key stays open.
    bool OpenSub(const std::string& name);
    // Creates, or opens, a sub key of the open key; on failure no key is open.
    bool CreateSub(const std::string& name);

    // Reads the value's data into the buffer. String data is always
    // zero-terminated within the buffer, stored with or without its zero; a
    // string that does not fit with its zero fails (ERROR_MORE_DATA).
    bool ReadValue(const std::string& valueName, void* buffer, DWORD bufferSize);
    // The same for string values, as text; bufferSize bounds the data read.
    bool ReadString(const std::string& valueName, std::string& text, DWORD bufferSize = 1024);

    // REG_DWORD writes the text's decimal number as a double word; any other
    // type writes the text with its terminating zero, with that type.
    bool WriteValue(const std::string& valueName, const std::string& text, DWORD type = REG_SZ);
    bool WriteValue(const std::string& valueName, std::uint32_t number);

    // True when the open key has a sub key of exactly this name.
    bool HasSubKey(const std::string& name);
    // Deletes the named sub key of the open key with everything below it.
    bool DeleteSubTree(const std::string& name);
    // Copies the named sub key of the open key, with everything below it,
    // into the key made of the vendor key and the destination suffix (opened,
    // or created when missing). The open key stays open. Fails when the
    // source is missing or the destination lies within the source.
    bool CopySubTree(int root, const std::string& destinationSuffix, const std::string& sourceName);

    void Close();
    bool IsOpen() const { return key_ != nullptr; }
    HKEY Key() const { return key_; }
    LONG LastResult() const { return lastResult_; }

private:
    bool OpenFromRoot(int root, const std::string& suffix, bool create);
    void Replace(HKEY key, int root, std::string path);

    HKEY key_ = nullptr;
    int root_ = -1;
    std::string path_;  // of the open key below its root, without trailing backslash
    LONG lastResult_ = ERROR_SUCCESS;
};

// The value of a key path written out with its root's name, any case:
// "HKEY_LOCAL_MACHINE\Software\X" (also "\HKEY_...", and HKEY_CLASSES_ROOT,
// HKEY_CURRENT_USER, HKEY_USERS, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA).
// Strings (at most 512 bytes of data) are returned as they are stored, expanded
// strings with their environment variables expanded, numbers as decimal
// text, multi-strings as their first string; other data fails.
bool ReadPathValue(const std::string& keyPath, const std::string& valueName, std::string& value);
