#pragma once
// What the action tests share: a settings file made of action sections, the
// helper program that actions start, and the log it writes.
#include <windows.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "E2eHarness.h"

namespace actions_e2e {

using Keys = std::vector<std::pair<std::string, std::string>>;

// A tree-layout settings file whose root list holds the given sections in
// order (each starts with its SettingType).
inline std::string RootListSettings(const std::vector<Keys>& steps, const std::string& discNumber = "") {
    std::string ini = "[General]\r\nVersion=3\r\nAppVersion=3\r\nAutorunType=1\r\nCdID=" + discNumber +
                      "\r\n[Root]\r\nSettingsCount=" + std::to_string(steps.size()) + "\r\n";
    for (size_t i = 0; i < steps.size(); ++i) {
        ini += "[Root." + std::to_string(i + 1) + "]\r\n";
        for (const auto& [key, value] : steps[i]) ini += key + "=" + value + "\r\n";
    }
    return ini;
}

inline Keys Action(int kind, const std::string& file, Keys more = {}) {
    Keys keys = {{"SettingType", "3"}, {"LaunchTypeV3", std::to_string(kind)}, {"LaunchType", "1"}, {"File", file}};
    for (const auto& [key, value] : more) {
        auto same = std::find_if(keys.begin(), keys.end(), [&](const auto& k) { return k.first == key; });
        if (same != keys.end()) {
            same->second = value;
        } else {
            keys.emplace_back(key, value);
        }
    }
    return keys;
}

inline std::string UniqueName(const std::string& prefix) {
    std::random_device seed;
    return prefix + std::to_string(seed()) + std::to_string(seed());
}

inline std::string HelperProgram() { return e2e::TestProgramDirectory() + "\\mw_action_helper.exe"; }

// The helper's log in a fresh temporary file, named to the helper through
// the environment that the player and everything it starts inherit.
class CActionLog {
public:
    CActionLog() {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + UniqueName("mw-action-log-") + ".txt";
        SetEnvironmentVariableA("MW_ACTION_LOG", path_.c_str());
    }
    ~CActionLog() {
        SetEnvironmentVariableA("MW_ACTION_LOG", nullptr);
        DeleteFileA(path_.c_str());
    }
    CActionLog(const CActionLog&) = delete;
    CActionLog& operator=(const CActionLog&) = delete;

    // Each line split at "|".
    std::vector<std::vector<std::string>> Entries() const {
        std::vector<std::vector<std::string>> entries;
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return entries;
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) text.append(buffer, read);
        CloseHandle(file);
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            std::vector<std::string> fields;
            std::string line = text.substr(start, end - start);
            for (size_t from = 0;;) {
                size_t bar = line.find('|', from);
                fields.push_back(line.substr(from, bar - from));
                if (bar == std::string::npos) break;
                from = bar + 1;
            }
            entries.push_back(fields);
        }
        return entries;
    }
    // "start first", "end first", ...
    std::vector<std::string> Order() const {
        std::vector<std::string> order;
        for (const auto& entry : Entries()) order.push_back(entry[0] + " " + (entry.size() > 1 ? entry[1] : ""));
        return order;
    }
    // Polls until the log holds at least the given number of lines.
    bool WaitForLines(size_t count, DWORD timeoutMs = 20000) const {
        for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
            if (Entries().size() >= count) return true;
            Sleep(50);
        }
        return Entries().size() >= count;
    }

private:
    std::string path_;
};

inline bool SamePath(std::string a, std::string b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

}  // namespace actions_e2e
