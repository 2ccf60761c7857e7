#pragma once
// "Projects.ini", the list of the designer's projects: the current project,
// the disc number counter, the view mode, and for each project its name and
// the name of its information directory, in sections "1", "2", ... without
// gaps.
#include <cstdint>
#include <string>
#include <vector>

struct ProjectListEntry {
    std::string name;
    std::string directory;  // the information directory's name, not a path
};

struct ProjectListContents {
    std::string current;  // "Current" as written: the 1-based index of the current project
    std::int32_t discNumberCounter = 0;
    std::int32_t viewMode = 1;  // 1 Standard, 2 Advanced
    std::vector<ProjectListEntry> projects;
    // Names of projects whose section had no "Directory": left out (string 142).
    std::vector<std::string> skipped;
};

// Reading stops at the first index without a non-empty "Name". An entry's
// position in the file stays its index: index() of projects[i] is the
// number of its section.
struct ProjectListRead {
    ProjectListContents contents;
    std::vector<std::int32_t> sections;  // the section number of each project read
};
ProjectListRead ReadProjectList(const std::string& listFile);

// Recreates the file: "Current" (when currentIndex is 1 or more), each
// project's section numbered from 1, then "CdID". False when the file
// cannot be written.
bool WriteProjectList(const std::string& listFile, const std::vector<ProjectListEntry>& projects,
                      std::int32_t currentIndex, std::int32_t discNumberCounter);
