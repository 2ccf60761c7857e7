#include "SettingsViewer.h"

#include <algorithm>

#include "ViewerFolders.h"

namespace {
const char kAttributesFile[] = "Attributes.ini";
const char kFolderBaseName[] = "Viewers";
}  // namespace

CSettingsViewer::CSettingsViewer() : CSettingsViewer(viewer_folders::DesignerViewersDirectory()) {}

CSettingsViewer::CSettingsViewer(std::string viewersDirectory)
    : CSettingsInstall(kSettingInstall, "Viewer"), viewersDirectory_(std::move(viewersDirectory)) {}

bool CSettingsViewer::Load() {
    if (!FileExists(GetFileName())) return false;
    CSettings::Load();
    LoadInstallKeys();
    std::int32_t count = 0;
    Read("FileExtensionCount", count);
    count = std::clamp(count, std::int32_t(0), std::int32_t(kMaxExtensions));
    for (int i = 1; i <= count; ++i) {
        std::string extension;
        // A missing key would only add an empty extension, shown as "*.".
        if (Read(("FileExtension" + std::to_string(i)).c_str(), extension)) extensions_.insert(extension);
    }
    return true;
}

bool CSettingsViewer::Save() {
    CSettings::Save();
    SaveInstallKeys();
    int position = 0;
    for (const std::string& extension : extensions_) {
        Write(("FileExtension" + std::to_string(++position)).c_str(), extension);
    }
    Write("FileExtensionCount", std::int32_t(extensions_.size()));
    return true;
}

void CSettingsViewer::SetDirectoryName(const std::string& name) {
    directoryName_ = name;
    const std::string directory = JoinPath(viewersDirectory_, name);
    SetFileName(JoinPath(directory, kAttributesFile));
    if (!FileExists(directory)) CreateDirectoryPath(directory);
}

std::string CSettingsViewer::GetDirectoryPath() {
    if (directoryName_.empty()) {
        for (int number = 1;; ++number) {
            const std::string name = kFolderBaseName + std::to_string(number);
            const std::string directory = JoinPath(viewersDirectory_, name);
            if (FileExists(directory)) continue;
            SetDirectoryName(name);
            break;
        }
    }
    return JoinPath(viewersDirectory_, directoryName_);
}

std::string CSettingsViewer::DisplayText() const {
    std::string text = GetName() + " (";
    const char* separator = "";
    for (const std::string& extension : extensions_) {
        text += separator;
        text += "*." + extension;
        separator = "; ";
    }
    return text + ")";
}
