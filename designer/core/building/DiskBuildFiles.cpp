#include "DiskBuildFiles.h"

#include "FileUtil.h"

namespace {

void Walk(const std::string& directory, const IBuildFiles::FileVisitor& visit) {
    ForEachDirectoryEntry(directory, [&](const WIN32_FIND_DATAA& entry) {
        const std::string path = JoinPath(directory, entry.cFileName);
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            visit(path, entry.cFileName);
        } else if (!IsLinkEntry(entry)) {
            // A link may lead back up the tree: it is no part of the disc's own folders.
            Walk(path, visit);
        }
    });
}

}  // namespace

bool CDiskBuildFiles::FileInProject(const std::string& relativeName, bool rootOnly) {
    return ProjectFileExists(relativeName, directory_, rootOnly);
}

bool CDiskBuildFiles::DirectoryInProject(const std::string& relativeDirectory) {
    return ProjectDirectoryExists(relativeDirectory, directory_);
}

void CDiskBuildFiles::ForEachFile(const FileVisitor& visit) { Walk(directory_, visit); }
