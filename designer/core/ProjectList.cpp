#include "ProjectList.h"

#include <algorithm>

#include "ProjectListFile.h"
#include "ProjectNames.h"
#include "SettingsFileAccess.h"
#include "util/LocalFiles.h"
#include "util/PathNames.h"

namespace {

constexpr char kGeneral[] = "General";
constexpr char kSettingsFileName[] = "Settings.ini";

}  // namespace

CProjectList::CProjectList(const std::string& designerDirectory, IProjectFiles& files, Reporter report)
    : designerDirectory_(designerDirectory),
      baseDirectory_(JoinPath(designerDirectory, "ProjectsV3")),
      listFile_(JoinPath(baseDirectory_, "Projects.ini")),
      files_(files),
      report_(std::move(report)) {}

void CProjectList::SetInformationDirectory(CDiscSettings& project, const std::string& base, const std::string& name) {
    project.InfoBaseDir = base;
    project.InfoDirName = name;
    project.InfoDirPath = JoinPath(base, name);
    project.SetFileName(JoinPath(project.InfoDirPath, kSettingsFileName));
}

bool CProjectList::Load() {
    if (!files_.IsDirectory(baseDirectory_) && !files_.CreateDirectoryPath(baseDirectory_)) {
        report_(kMessageNoProjectDirectory, baseDirectory_);
        return false;
    }
    if (!files_.FileExists(listFile_)) {
        if (!files_.CreateEmptyFile(listFile_)) {
            report_(kMessageNoProjectFile, listFile_);
            return false;
        }
        Migrate();
    } else {
        ReadProjects(baseDirectory_);
    }
    if (!current_ && !projects_.empty()) current_ = projects_.front().get();
    return true;
}

void CProjectList::ReadProjects(const std::string& base) {
    const ProjectListRead read = ReadProjectList(JoinPath(base, "Projects.ini"));
    discNumberCounter_ = read.contents.discNumberCounter;
    viewMode_ = read.contents.viewMode;
    for (const std::string& skipped : read.contents.skipped) report_(kMessageCorruptProjectList, skipped);
    for (std::size_t i = 0; i < read.contents.projects.size(); ++i) {
        const ProjectListEntry& entry = read.contents.projects[i];
        auto project = std::make_unique<CDiscSettings>();
        project->ProjectName = entry.name;
        project->Index = read.sections[i];
        SetInformationDirectory(*project, base, entry.directory);
        project->Load();
        if (std::to_string(project->Index) == read.contents.current) current_ = project.get();
        projects_.push_back(std::move(project));
    }
}

bool CProjectList::Migrate() {
    const std::string olderBase = JoinPath(designerDirectory_, "Projects");
    if (!files_.IsDirectory(olderBase)) return true;
    // The older projects load from their old place (converted on loading),
    // then move into the new base under the same directory names.
    ReadProjects(olderBase);
    current_ = nullptr;
    bool saved = Save();
    for (auto& project : projects_) {
        SetInformationDirectory(*project, baseDirectory_, project->InfoDirName);
        if (!files_.CreateDirectoryPath(project->InfoDirPath)) {
            report_(kMessageNoProjectDirectory, project->InfoDirPath);
            saved = false;
            continue;
        }
        saved &= project->SaveAll();
    }
    return saved;
}

bool CProjectList::Save() {
    std::vector<ProjectListEntry> entries;
    std::int32_t currentIndex = -1;
    for (std::size_t i = 0; i < projects_.size(); ++i) {
        entries.push_back({projects_[i]->ProjectName, projects_[i]->InfoDirName});
        if (projects_[i].get() == current_) currentIndex = std::int32_t(i + 1);
    }
    if (!WriteProjectList(listFile_, entries, currentIndex, discNumberCounter_)) {
        report_(kMessageNoProjectFile, listFile_);
        return false;
    }
    for (std::size_t i = 0; i < projects_.size(); ++i) projects_[i]->Index = std::int32_t(i + 1);
    return true;
}

std::vector<std::string> CProjectList::NamesExcept(const CDiscSettings* except) const {
    std::vector<std::string> names;
    for (const auto& project : projects_) {
        if (project.get() != except) names.push_back(project->ProjectName);
    }
    return names;
}

bool CProjectList::IsNameTaken(const std::string& name, const CDiscSettings* except) const {
    return ContainsNameNoCase(NamesExcept(except), name);
}

CDiscSettings& CProjectList::Add(std::unique_ptr<CDiscSettings> project) {
    std::vector<std::string> used;
    for (const auto& other : projects_) used.push_back(other->InfoDirName);
    // A directory that another project uses is never taken, even when it
    // exists: its settings file must not be emptied.
    const std::string name = ChooseInformationDirectoryName(project->ProjectName, used, [&](const std::string& candidate) {
        return files_.CreateDirectoryPath(JoinPath(baseDirectory_, candidate));
    });
    if (name.empty()) {
        SetInformationDirectory(*project, baseDirectory_, MakeValidFileName(project->ProjectName));
        report_(kMessageNoProjectDirectory, project->InfoDirPath);
    } else {
        SetInformationDirectory(*project, baseDirectory_, name);
        if (!files_.CreateEmptyFile(project->GetFileName())) report_(kMessageNoProjectFile, project->GetFileName());
    }
    projects_.push_back(std::move(project));
    return *projects_.back();
}

bool CProjectList::Delete(const CDiscSettings* project) {
    auto found = std::find_if(projects_.begin(), projects_.end(),
                              [project](const auto& entry) { return entry.get() == project; });
    if (found == projects_.end()) return false;
    const std::string& name = (*found)->InfoDirName;
    if (!IsSafeInformationDirectoryName(name)) {
        report_(kMessageUnsafeProjectDirectory, name);
        return false;
    }
    files_.DeleteDirectoryTree(JoinPath(baseDirectory_, name));
    if (current_ == project) current_ = nullptr;
    projects_.erase(found);
    Save();
    return true;
}

void CProjectList::SetCurrent(CDiscSettings* project) {
    current_ = project;
    if (project && project->Index > 0) WriteInt(listFile_, kGeneral, "Current", project->Index);
}

void CProjectList::SetViewMode(std::int32_t mode) {
    viewMode_ = mode;
    WriteInt(listFile_, kGeneral, "ViewMode", mode);
}

std::int32_t CProjectList::NextDiscNumber() {
    ++discNumberCounter_;
    WriteInt(listFile_, kGeneral, "CdID", discNumberCounter_);
    return discNumberCounter_;
}
