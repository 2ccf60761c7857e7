#include "ViewerFolders.h"

#include <filesystem>
#include <system_error>

namespace viewer_folders {

bool PathExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

bool CreateDirectoryPath(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string DesignerViewersDirectory() {
    std::error_code error;
    return (std::filesystem::current_path(error) / "Viewers").string();
}

}  // namespace viewer_folders
