#include "FileTypeChoice.h"

#include "ProjectNames.h"
#include "util/TextCase.h"

int FileTypeEntryFor(const std::vector<std::string>& entries, std::string_view extension) {
    int found = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        std::string_view entry = entries[i];
        if (entry.substr(0, 2) != "*.") continue;
        entry.remove_prefix(2);
        const std::string_view shown = entry.substr(0, entry.find(' '));
        if (EqualsNoCase(shown, extension)) found = int(i);
    }
    return found;
}

std::string FileTypeToStore(std::string_view text) {
    std::string kept;
    for (char c : TrimBlanks(text)) {
        if (c != '*' && c != '.') kept += c;
    }
    kept = TrimBlanks(kept);
    return kept.substr(0, kept.find(' '));
}
