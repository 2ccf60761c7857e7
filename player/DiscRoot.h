#pragma once
// Where the disc's files are: the directory of the running Autorun.exe.
#include <string>
#include <string_view>

// The first element of a process command line, without its quotes.
std::string FirstCommandLineElement(std::string_view commandLine);

// Everything before the program path's last backslash, or empty when the
// path has none (or only a leading one): then every disc path starts at the
// root of the current drive.
std::string DiscRootFromProgramPath(std::string_view programPath);

// The disc root followed by a project-relative name (which starts with a
// backslash).
inline std::string DiscPath(const std::string& discRoot, std::string_view relativeName) {
    return discRoot + std::string(relativeName);
}
