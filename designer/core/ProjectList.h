#pragma once
// The designer's projects: "ProjectsV3" beside the designer with the list
// file "Projects.ini" and one information directory per project holding its
// "Settings.ini". The list owns its projects, in the order of the file.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DiscSettings.h"
#include "ProjectFiles.h"

// Message ids the list reports with a path or a project name.
inline constexpr int kMessageNoProjectDirectory = 140;
inline constexpr int kMessageNoProjectFile = 141;
inline constexpr int kMessageCorruptProjectList = 142;
inline constexpr int kMessageUnsafeProjectDirectory = 4001;  // ours: a damaged list names no safe directory

class CProjectList {
public:
    using Reporter = std::function<void(int messageId, const std::string& argument)>;

    // designerDirectory: where the designer lies; files: the file system;
    // report: shows a message (a string-table id and its argument).
    CProjectList(const std::string& designerDirectory, IProjectFiles& files, Reporter report);

    const std::string& BaseDirectory() const { return baseDirectory_; }
    const std::string& ListFile() const { return listFile_; }
    const std::vector<std::unique_ptr<CDiscSettings>>& Projects() const { return projects_; }
    CDiscSettings* Current() const { return current_; }
    std::int32_t ViewMode() const { return viewMode_; }
    std::int32_t DiscNumberCounter() const { return discNumberCounter_; }

    // Creates the base directory and the list file when missing (migrating
    // an older "Projects" directory), else reads the list and each project's
    // settings. False when the program cannot keep projects.
    bool Load();
    // Rewrites the list file; false (and reported) when it cannot be written.
    bool Save();

    // Takes the project over: its information directory (a name no other
    // project uses), an empty settings file, and its place at the end.
    CDiscSettings& Add(std::unique_ptr<CDiscSettings> project);
    // Deletes the project's information directory with everything in it and
    // releases the project, then saves the list. A directory name that is
    // not one plain name below the base is refused and reported: nothing is
    // deleted then, and false is returned.
    bool Delete(const CDiscSettings* project);

    // Another project than except already has the name, any case.
    bool IsNameTaken(const std::string& name, const CDiscSettings* except = nullptr) const;
    std::vector<std::string> NamesExcept(const CDiscSettings* except) const;

    // Makes the project current and writes "Current".
    void SetCurrent(CDiscSettings* project);
    void ClearCurrent() { current_ = nullptr; }
    void SetViewMode(std::int32_t mode);
    // The next disc number, written to the list file at once.
    std::int32_t NextDiscNumber();

private:
    // The projects of a list file whose information directories lie below base.
    void ReadProjects(const std::string& base);
    bool Migrate();
    static void SetInformationDirectory(CDiscSettings& project, const std::string& base, const std::string& name);

    std::string designerDirectory_;
    std::string baseDirectory_;
    std::string listFile_;
    IProjectFiles& files_;
    Reporter report_;
    std::vector<std::unique_ptr<CDiscSettings>> projects_;
    CDiscSettings* current_ = nullptr;
    std::int32_t discNumberCounter_ = 0;
    std::int32_t viewMode_ = 1;
};
