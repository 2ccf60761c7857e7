#include "ProjectListFile.h"

#include <fstream>

#include "SettingsFileAccess.h"
#include "profile/FileSession.h"

namespace {

constexpr char kGeneral[] = "General";

bool RecreateEmpty(const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    return bool(file);
}

}  // namespace

ProjectListRead ReadProjectList(const std::string& listFile) {
    profile::FileSession session(listFile);
    ProjectListRead read;
    ProjectListContents& list = read.contents;
    ReadString(listFile, kGeneral, "Current", list.current);
    ReadInt(listFile, kGeneral, "CdID", list.discNumberCounter);
    ReadInt(listFile, kGeneral, "ViewMode", list.viewMode);
    for (std::int32_t index = 1;; ++index) {
        const std::string section = std::to_string(index);
        ProjectListEntry entry;
        if (!ReadString(listFile, section, "Name", entry.name) || entry.name.empty()) break;
        if (!ReadString(listFile, section, "Directory", entry.directory)) {
            list.skipped.push_back(entry.name);
            continue;
        }
        list.projects.push_back(std::move(entry));
        read.sections.push_back(index);
    }
    return read;
}

bool WriteProjectList(const std::string& listFile, const std::vector<ProjectListEntry>& projects,
                      std::int32_t currentIndex, std::int32_t discNumberCounter) {
    if (!RecreateEmpty(listFile)) return false;
    profile::FileSession session(listFile);
    bool written = true;
    for (std::size_t i = 0; i < projects.size(); ++i) {
        const std::int32_t index = std::int32_t(i + 1);
        if (index == currentIndex) written &= WriteInt(listFile, kGeneral, "Current", index);
        const std::string section = std::to_string(index);
        written &= WriteString(listFile, section, "Name", projects[i].name);
        written &= WriteString(listFile, section, "Directory", projects[i].directory);
    }
    written &= WriteInt(listFile, kGeneral, "CdID", discNumberCounter);
    return session.Commit() && written;
}
