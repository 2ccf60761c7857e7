#pragma once
// The driver directories of the disc, written to Autorun.inf by the build.
#include <vector>

#include "../Settings.h"

class CSettingsDriver : public CSettingsOf<CSettingsDriver> {
public:
    CSettingsDriver() : CSettingsOf(kSettingDriver, "Driver") {}
    bool Load() override;
    bool Save() override;

    std::string GetDirectory(int index) const;
    int DirectoryCount() const { return int(directories_.size()); }
    void AddDirectory(const std::string& directory) { directories_.push_back(directory); }
    bool SetDirectory(int index, const std::string& directory);
    // Not "RemoveDirectory": the platform's headers make that name a macro.
    bool RemoveDirectoryAt(int index);
    bool MoveDirectoryDown(int index);

    // A crafted "Count" must not make the player allocate without limit.
    static constexpr int kMaxDirectories = 1024;

private:
    bool IsIndex(int index) const { return index >= 0 && index < DirectoryCount(); }
    std::vector<std::string> directories_;
};
