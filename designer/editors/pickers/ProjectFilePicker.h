#pragma once
// Picking files and folders for a step: whatever the author picks ends up
// inside the project directory (a file from elsewhere is copied in, never
// over an existing one) and is stored relative to it.
#include <windows.h>

#include <string>

struct ProjectFileRequest {
    UINT titleId = 0;
    UINT filterId = 0;
    bool rootOnly = false;          // the file must lie in the project's root
    bool keepInsideProject = true;  // false: the full path of any file
    bool requireExtension = false;
};

// path: in, the stored name; out, the new one. base: the project
// directory. False when the author cancelled; the path is then unchanged.
bool ChooseProjectFile(HWND owner, const ProjectFileRequest& request, const std::string& base, std::string& path);
// A folder below base; relative stores it as "\Folder" ("\" for base).
bool ChooseProjectDirectory(HWND owner, UINT titleId, const std::string& base, bool relative, std::string& path);
// A name longer than the disc allows is renamed by the author; false when
// the author cancelled.
bool CheckFileNameLength(HWND owner, std::string& fileName);
