#pragma once
// A fresh directory for one test, removed afterwards; File gives a path in
// the platform's spelling.
#include <filesystem>
#include <random>
#include <string>

class TempDirectory {
public:
    TempDirectory() {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() / ("mw-designer-" + std::to_string(seed()));
        std::filesystem::create_directories(path_);
    }
    ~TempDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
