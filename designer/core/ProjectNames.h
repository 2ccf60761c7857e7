#pragma once
// The rules for project names, project directories and the information
// directories that hold each project's settings below "ProjectsV3".
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kMaxProjectNameLength = 30;

// The name without leading and trailing blanks, tabs and line breaks.
std::string TrimBlanks(std::string_view text);

// True when one of the names equals the name, any case.
bool ContainsNameNoCase(const std::vector<std::string>& names, std::string_view name);

enum class ProjectNameProblem {
    kNone,
    kTooLong,  // more than 30 characters (string 143)
    kTaken,    // another project has it, any case (string 144)
};
// otherNames: the names of every other project of the list.
ProjectNameProblem CheckProjectName(std::string_view name, const std::vector<std::string>& otherNames);

// Forward slashes become backslashes; a name without a drive gets
// "C:\My CD Images\" in front, a rooted one "C:". Paths with a drive and
// UNC paths keep their start.
std::string NormaliseProjectDirectory(std::string_view directory);

// "Copy of " and the name, cut to the longest project name.
std::string CopyNameFor(std::string_view projectName);

// The information directory names to try for a project, in order: the name
// made valid as a file name, then that name followed by 1 to 9.
std::vector<std::string> InformationDirectoryCandidates(std::string_view projectName);

// True for one plain directory name that can only name a directory directly
// below the base: not empty, not "." or "..", no separators, no drive, no
// characters a file name cannot hold. Anything else must never be deleted.
bool IsSafeInformationDirectoryName(std::string_view name);

// The first candidate that no other project uses (any case) and that usable
// accepts (the directory exists or could be created); empty when none.
std::string ChooseInformationDirectoryName(std::string_view projectName, const std::vector<std::string>& usedNames,
                                           const std::function<bool(const std::string&)>& usable);

// The New Project dialog's directory box while the name is typed: it
// follows the name as long as it is empty or still shows the default
// directory followed by the previous name (any case); once the author has
// typed a directory of their own it stays.
std::string DirectoryFollowingName(const std::string& directoryBox, const std::string& defaultDirectory,
                                   const std::string& previousName, const std::string& newName);

// The default directory for new projects ("ImageBaseDir"), ending with a
// backslash: the stored one, else "My CD Images\" on D: when D:\ exists or
// on C:; when that can be neither found nor made, "C:\My CD Images\".
// usable(path) tells whether the directory exists or could be created.
std::string DefaultImageBaseDirectory(const std::string& stored, bool driveDExists,
                                      const std::function<bool(const std::string&)>& usable);
