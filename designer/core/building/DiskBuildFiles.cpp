#include "DiskBuildFiles.h"

#include <windows.h>

#include <cstring>

#include "FileUtil.h"
#include "Handles.h"

namespace {

void Walk(const std::string& directory, const IBuildFiles::FileVisitor& visit) {
    WIN32_FIND_DATAA found;
    wingui::FindHandle search(FindFirstFileA(JoinPath(directory, "*").c_str(), &found));
    if (!search) return;
    do {
        if (std::strcmp(found.cFileName, ".") == 0 || std::strcmp(found.cFileName, "..") == 0) continue;
        const std::string path = JoinPath(directory, found.cFileName);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            // A link may lead back up the tree: it is no part of the disc's own folders.
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) Walk(path, visit);
        } else {
            visit(path, found.cFileName);
        }
    } while (FindNextFileA(search.Get(), &found));
}

}  // namespace

bool CDiskBuildFiles::FileInProject(const std::string& relativeName, bool rootOnly) {
    return ProjectFileExists(relativeName, directory_, rootOnly);
}

bool CDiskBuildFiles::DirectoryInProject(const std::string& relativeDirectory) {
    return ProjectDirectoryExists(relativeDirectory, directory_);
}

void CDiskBuildFiles::ForEachFile(const FileVisitor& visit) { Walk(directory_, visit); }
