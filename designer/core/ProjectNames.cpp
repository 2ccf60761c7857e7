#include "ProjectNames.h"

#include "util/PathNames.h"
#include "util/TextCase.h"

namespace {

constexpr std::string_view kDefaultImageRoot = "C:\\My CD Images\\";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ContainsNameNoCase(const std::vector<std::string>& names, std::string_view name) {
    for (const std::string& other : names) {
        if (EqualsNoCase(other, name)) return true;
    }
    return false;
}

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return std::string(text);
}

ProjectNameProblem CheckProjectName(std::string_view name, const std::vector<std::string>& otherNames) {
    if (name.size() > kMaxProjectNameLength) return ProjectNameProblem::kTooLong;
    if (ContainsNameNoCase(otherNames, name)) return ProjectNameProblem::kTaken;
    return ProjectNameProblem::kNone;
}

std::string NormaliseProjectDirectory(std::string_view directory) {
    std::string path(directory);
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    if (path.size() >= 2 && path[1] == ':') return path;
    if (path.empty() || path[0] != '\\') return std::string(kDefaultImageRoot) + path;
    if (path.size() < 2 || path[1] != '\\') return "C:" + path;
    return path;
}

std::string CopyNameFor(std::string_view projectName) {
    return ("Copy of " + std::string(projectName)).substr(0, kMaxProjectNameLength);
}

std::vector<std::string> InformationDirectoryCandidates(std::string_view projectName) {
    const std::string base = MakeValidFileName(projectName);
    std::vector<std::string> candidates{base};
    for (char digit = '1'; digit <= '9'; ++digit) candidates.push_back(base + digit);
    return candidates;
}

bool IsSafeInformationDirectoryName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    // A valid file name is its own cleaned form; that rules out separators,
    // drives and wildcards at once.
    if (MakeValidFileName(name) != name) return false;
    // Trailing dots and blanks vanish from Windows names: "x." is "x", and
    // " " or "..." would name the base itself.
    return name.back() != '.' && name.back() != ' ';
}

std::string ChooseInformationDirectoryName(std::string_view projectName, const std::vector<std::string>& usedNames,
                                           const std::function<bool(const std::string&)>& usable) {
    for (const std::string& candidate : InformationDirectoryCandidates(projectName)) {
        if (!IsSafeInformationDirectoryName(candidate) || ContainsNameNoCase(usedNames, candidate)) continue;
        if (usable(candidate)) return candidate;
    }
    return {};
}

std::string DirectoryFollowingName(const std::string& directoryBox, const std::string& defaultDirectory,
                                   const std::string& previousName, const std::string& newName) {
    if (!directoryBox.empty() && !EqualsNoCase(directoryBox, defaultDirectory + previousName)) return directoryBox;
    return defaultDirectory + TrimBlanks(newName);
}

std::string DefaultImageBaseDirectory(const std::string& stored, bool driveDExists,
                                      const std::function<bool(const std::string&)>& usable) {
    std::string directory = stored;
    if (directory.empty()) directory = std::string(driveDExists ? "D:\\" : "C:\\") + "My CD Images\\";
    if (directory.back() != '\\') directory.push_back('\\');
    if (!usable(directory)) directory = std::string(kDefaultImageRoot);
    return directory;
}
