#include "PrivateProfile.h"

#include <fstream>
#include <iterator>

#include "IniDocument.h"

namespace profile {

namespace {

bool ReadWholeFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace

namespace portable {

std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
    std::string text;
    if (!ReadWholeFile(file, text)) return {};
    return IniDocument::Parse(text).Get(section, key);
}

bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    std::string text;
    bool existed = ReadWholeFile(file, text);
    IniDocument doc = IniDocument::Parse(text);
    if (!doc.Set(section, key, value) && existed) return true;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << doc.Serialize();
    return bool(out.flush());
}

}  // namespace portable

#ifndef _WIN32
std::string ReadValue(const std::string& file, const std::string& section, const std::string& key) {
    return portable::ReadValue(file, section, key);
}

bool WriteValue(const std::string& file, const std::string& section, const std::string& key,
                const std::string& value) {
    return portable::WriteValue(file, section, key, value);
}
#endif

}  // namespace profile
