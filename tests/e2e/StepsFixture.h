#pragma once
// What the step tests share: pictures and sounds made on the spot, the test
// installer, the disc's first-run history in the registry, and waiting for
// a control to change.
#include <windows.h>

#include <string>

#include "ActionsFixture.h"
#include "E2eHarness.h"
#include "TestBitmap.h"
#include "ValueEncoding.h"

namespace steps_e2e {

using actions_e2e::Action;
using actions_e2e::Keys;
using actions_e2e::RootListSettings;
using actions_e2e::UniqueName;

// Control ids of the step dialogs.
constexpr int kLicenseText = 1101;
constexpr int kLicenseAccept = 1102;
constexpr int kLicenseReject = 1103;
constexpr int kLoginUser = 1112;
constexpr int kLoginPassword = 1114;
constexpr int kInstallMessage = 1121;

// A 24-bit bitmap file: a diagonal blend with a frame, so a screenshot shows
// that the picture itself was drawn.
inline std::string BitmapFile(int width, int height) {
    return testbitmap::BitmapFile(width, height, [width, height](int x, int y) {
        const bool frame = x < 4 || y < 4 || x >= width - 4 || y >= height - 4;
        if (frame) return testbitmap::Pixel{255, 255, 255};
        return testbitmap::Pixel{30, (unsigned char)(40 + 120 * y / height), (unsigned char)(96 + 159 * x / width)};
    });
}

// A wave file of silence, the given number of milliseconds long.
inline std::string SilentWaveFile(int milliseconds) {
    const DWORD rate = 8000;
    const DWORD samples = rate * DWORD(milliseconds) / 1000;
    auto u32 = [](DWORD v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [](WORD v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
    std::string wave = "RIFF" + u32(36 + samples) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate) +
                       u16(1) + u16(8) + "data" + u32(samples);
    wave.append(samples, char(0x80));
    return wave;
}

inline std::string Scrambled(const std::string& key, const std::string& value) {
    return Scramble(key, value).value_or("");
}

// The test installer: appends "parameters|working directory" to
// installer-ran.txt beside itself.
inline std::string InstallerProgram() {
    std::string path = std::string("Z:") + MENUWRIGHT_STEPS_INSTALLER;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

inline const char* VendorKey() { return "SOFTWARE\\Fernhollow Software\\Menuwright"; }

// A disc number no real disc has; its history is deleted at the end.
class CDiscHistory {
public:
    CDiscHistory() : number_(UniqueName("mwsteps-")) {}
    ~CDiscHistory() {
        HKEY vendor = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, VendorKey(), 0, KEY_ALL_ACCESS, &vendor) == ERROR_SUCCESS) {
            RegDeleteTreeA(vendor, number_.c_str());
            RegCloseKey(vendor);
        }
    }
    CDiscHistory(const CDiscHistory&) = delete;
    CDiscHistory& operator=(const CDiscHistory&) = delete;
    const std::string& Number() const { return number_; }

    // The value below "<vendor>\<number>\<subkey>", empty when missing.
    std::string Value(const std::string& subkey, const std::string& valueName) const {
        const std::string path = std::string(VendorKey()) + "\\" + number_ + "\\" + subkey;
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return {};
        char data[64] = {};
        DWORD size = sizeof(data) - 1;
        const LONG result =
            RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        return result == ERROR_SUCCESS ? std::string(data) : std::string();
    }
    // True when nothing at all was recorded for the disc.
    bool Empty() const {
        HKEY key = nullptr;
        const std::string path = std::string(VendorKey()) + "\\" + number_;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return true;
        DWORD subkeys = 0, values = 0;
        RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                         nullptr, nullptr);
        RegCloseKey(key);
        return subkeys == 0 && values == 0;
    }

private:
    std::string number_;
};

inline bool WaitUntil(bool (*condition)(HWND), HWND window, DWORD timeoutMs = 10000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
        if (condition(window)) return true;
        Sleep(20);
    }
    return condition(window);
}
inline bool Enabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
inline bool Disabled(HWND window) { return IsWindowEnabled(window) == FALSE; }
inline bool Gone(HWND window) { return !IsWindow(window) || !IsWindowVisible(window); }

inline std::string ItemText(HWND dialog, int id) { return e2e::WindowText(GetDlgItem(dialog, id)); }

}  // namespace steps_e2e
