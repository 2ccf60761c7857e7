#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "FileBytes.h"

FileRead ReadFileBytes(const std::string& file, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) return FileRead::Missing;
    if (!std::filesystem::is_regular_file(status)) return FileRead::Unusable;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxBytes) return FileRead::Unusable;
    std::ifstream in(file, std::ios::binary);
    if (!in) return FileRead::Unusable;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return FileRead::Read;
}

bool WriteFileBytes(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << bytes;
    return bool(out.flush());
}
