#include "StepTestSupport.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace steptest {

CTempDisc::CTempDisc() {
    std::random_device seed;
    const auto path = std::filesystem::temp_directory_path() / ("mw-steps-" + std::to_string(seed()));
    std::filesystem::create_directories(path);
    root_ = path.string();
    for (char& c : root_) {
        if (c == '/') c = '\\';
    }
    while (!root_.empty() && root_.back() == '\\') root_.pop_back();
}

CTempDisc::~CTempDisc() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

void CTempDisc::Write(const std::string& relative, const std::string& bytes) const {
    const std::filesystem::path path(Path(relative));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string CTempDisc::Read(const std::string& relative) const {
    std::ifstream in(Path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void CTempDisc::CopyIn(const std::string& source, const std::string& relative) const {
    const std::filesystem::path path(Path(relative));
    std::filesystem::create_directories(path.parent_path());
    CopyFileA(source.c_str(), path.string().c_str(), FALSE);
}

std::string HelperProgram(const char* builtPath) {
    std::string path = std::string("Z:") + builtPath;
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

}  // namespace steptest
