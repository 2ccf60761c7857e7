#pragma once
// The checks after a build: every step is named in the build log with the
// problems found under it (files missing from the project, empty required
// fields, addresses that cannot work, names too long for a disc). Problems
// are errors or warnings; an error means the disc is not finished.
#include <functional>
#include <string>

#include "BuildFiles.h"

class CDiscSettings;

struct BuildLog {
    std::string text;  // every line begins with a line break
    int errors = 0;
    int warnings = 0;

    bool Clean() const { return errors == 0 && warnings == 0; }
};

// The text of a string table entry.
using MessageTexts = std::function<std::string(int id)>;

// Names of steps without one are given their default name; nothing else of
// the project changes.
BuildLog ValidateProject(CDiscSettings& project, IBuildFiles& files, const MessageTexts& texts);

// The report for a log with problems, and its summary line.
std::string BuildReportText(const BuildLog& log, const MessageTexts& texts);
std::string BuildSummaryText(const BuildLog& log, const MessageTexts& texts);

inline constexpr int kMaxDiscFileName = 108;
