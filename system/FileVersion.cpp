#include "FileVersion.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "LateShell.h"

bool GetFileVersionText(const std::string& file, bool shortForm, std::string& version) {
    DWORD ignored = 0;
    DWORD size = wingui::late::GetFileVersionInfoSize(file.c_str(), &ignored);
    if (size == 0) return false;
    std::vector<char> data(size);
    if (!wingui::late::GetFileVersionInfo(file.c_str(), 0, size, data.data())) return false;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    if (!wingui::late::VerQueryValue(data.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof(VS_FIXEDFILEINFO)) {
        return false;
    }
    auto major = static_cast<unsigned short>(HIWORD(fixed->dwFileVersionMS));
    auto minor = static_cast<unsigned short>(LOWORD(fixed->dwFileVersionMS));
    auto build = static_cast<unsigned short>(HIWORD(fixed->dwFileVersionLS));
    auto revision = static_cast<unsigned short>(LOWORD(fixed->dwFileVersionLS));
    char text[64];
    if (shortForm)
        std::snprintf(text, sizeof(text), "%hu.%02hu", major, minor);
    else
        std::snprintf(text, sizeof(text), "%hu.%hu.%hu.%hu", major, minor, build, revision);
    version = text;
    return true;
}
