#pragma once
// The project directory as the build's checks see it: whether a stored
// name is there, and every file below it. The designer answers from the
// disc, the native tests from a list of names.
#include <functional>
#include <string>

class IBuildFiles {
public:
    virtual ~IBuildFiles() = default;
    // A stored project-relative name ("\Docs\Guide.pdf"); with rootOnly
    // only names directly in the root count.
    virtual bool FileInProject(const std::string& relativeName, bool rootOnly) = 0;
    // A stored relative directory; "\" is the root.
    virtual bool DirectoryInProject(const std::string& relativeDirectory) = 0;
    // Every file (no directory) below the project directory, in the order
    // the file system lists them: its full path and its name.
    using FileVisitor = std::function<void(const std::string& path, const std::string& name)>;
    virtual void ForEachFile(const FileVisitor& visit) = 0;
};
