#include "LocalFiles.h"

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path NativePath(std::string path) {
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return std::filesystem::path(path);
}

}  // namespace

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(NativePath(path), error);
}

bool IsExistingFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(NativePath(path), error);
}

bool IsDirectory(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_directory(NativePath(path), error);
}

bool CreateDirectoryPath(const std::string& path) {
    if (path.empty()) return false;
    std::error_code error;
    std::filesystem::create_directories(NativePath(path), error);
    return IsDirectory(path);
}

bool CopyFileOver(const std::string& source, const std::string& target) {
    std::error_code error;
    return std::filesystem::copy_file(NativePath(source), NativePath(target),
                                      std::filesystem::copy_options::overwrite_existing, error);
}

std::string GetModulePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.string();
}

std::string GetModuleDirectory() {
    const std::string path = GetModulePath();
    return path.empty() ? std::string() : std::filesystem::path(path).parent_path().string();
}
