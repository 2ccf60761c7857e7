#include "HistoryKeys.h"

#include <windows.h>

namespace testwin {

namespace {

std::string DiscKey(const std::string& disc) { return "SOFTWARE\\Fernhollow Software\\Menuwright\\" + disc; }

}  // namespace

bool SetDiscHistory(const std::string& disc) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, DiscKey(disc).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const LONG set = RegSetValueExA(key, "License", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(key);
    return set == ERROR_SUCCESS;
}

bool HasDiscHistory(const std::string& disc) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, DiscKey(disc).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void DeleteDiscHistory(const std::string& disc) { RegDeleteTreeA(HKEY_LOCAL_MACHINE, DiscKey(disc).c_str()); }

}  // namespace testwin
