#include "ViewerFolders.h"

#include "win32/FileUtil.h"

namespace viewer_folders {

bool PathExists(const std::string& path) { return !path.empty() && FileExists(path); }

bool CreateDirectoryPath(const std::string& path) { return ::CreateDirectoryPath(path); }

std::string DesignerViewersDirectory() { return Join(GetModuleDirectory(), "Viewers"); }

}  // namespace viewer_folders
