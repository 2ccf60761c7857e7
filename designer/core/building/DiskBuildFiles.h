#pragma once
// The build's checks answered from the project directory on disc.
#include <string>

#include "BuildFiles.h"

class CDiskBuildFiles : public IBuildFiles {
public:
    explicit CDiskBuildFiles(std::string projectDirectory) : directory_(std::move(projectDirectory)) {}
    bool FileInProject(const std::string& relativeName, bool rootOnly) override;
    bool DirectoryInProject(const std::string& relativeDirectory) override;
    void ForEachFile(const FileVisitor& visit) override;

private:
    std::string directory_;
};
