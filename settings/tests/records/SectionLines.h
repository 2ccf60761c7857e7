#pragma once
// The "key=value" lines of one section of a settings file, in file order.
#include <fstream>
#include <string>
#include <vector>

inline std::vector<std::string> SectionLines(const std::string& file, const std::string& section) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[') {
            inside = line == "[" + section + "]";
            continue;
        }
        if (inside && !line.empty()) lines.push_back(line);
    }
    return lines;
}

// Only the keys of those lines.
inline std::vector<std::string> SectionKeys(const std::string& file, const std::string& section) {
    std::vector<std::string> keys;
    for (const std::string& line : SectionLines(file, section)) keys.push_back(line.substr(0, line.find('=')));
    return keys;
}
