#include "SettingsDriver.h"

#include <algorithm>
#include <utility>

bool CSettingsDriver::Load() {
    CSettings::Load();
    std::int32_t count = 0;
    Read("Count", count);
    count = std::clamp(count, std::int32_t(0), std::int32_t(kMaxDirectories));
    directories_.clear();
    for (int i = 0; i < count; ++i) {
        std::string directory;
        Read(("Dir" + std::to_string(i)).c_str(), directory);
        directories_.push_back(directory);
    }
    return true;
}

bool CSettingsDriver::Save() {
    CSettings::Save();
    Write("Count", std::int32_t(directories_.size()));
    for (int i = 0; i < DirectoryCount(); ++i) Write(("Dir" + std::to_string(i)).c_str(), directories_[i]);
    return true;
}

std::string CSettingsDriver::GetDirectory(int index) const { return IsIndex(index) ? directories_[index] : std::string(); }

bool CSettingsDriver::SetDirectory(int index, const std::string& directory) {
    if (!IsIndex(index)) return false;
    directories_[index] = directory;
    return true;
}

bool CSettingsDriver::RemoveDirectoryAt(int index) {
    if (!IsIndex(index)) return false;
    directories_.erase(directories_.begin() + index);
    return true;
}

bool CSettingsDriver::MoveDirectoryDown(int index) {
    if (!IsIndex(index) || !IsIndex(index + 1)) return false;
    std::swap(directories_[index], directories_[index + 1]);
    return true;
}
