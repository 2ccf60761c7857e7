#include "DiscRoot.h"

std::string FirstCommandLineElement(std::string_view commandLine) {
    size_t start = 0;
    while (start < commandLine.size() && (commandLine[start] == ' ' || commandLine[start] == '\t')) ++start;
    commandLine.remove_prefix(start);
    if (!commandLine.empty() && commandLine.front() == '"') {
        size_t close = commandLine.find('"', 1);
        return std::string(commandLine.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    }
    size_t end = commandLine.find_first_of(" \t");
    return std::string(commandLine.substr(0, end));
}

std::string DiscRootFromProgramPath(std::string_view programPath) {
    size_t slash = programPath.rfind('\\');
    if (slash == std::string_view::npos || slash == 0) return {};
    return std::string(programPath.substr(0, slash));
}
