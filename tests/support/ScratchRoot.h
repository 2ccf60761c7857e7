#pragma once
// A fresh folder below the temporary directory, removed with everything in
// it at the end of the test.
#include <filesystem>
#include <system_error>

struct ScratchRoot {
    explicit ScratchRoot(const char* name) : root(std::filesystem::temp_directory_path() / name) {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~ScratchRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;
    std::filesystem::path root;
};
