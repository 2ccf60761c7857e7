#pragma once
// The install form's file type list: entries such as "*.pdf (Adobe PDF
// Document)", stored as the bare extension ("pdf").
#include <string>
#include <string_view>
#include <vector>

// The entry that shows the extension: the whole extension after "*." and
// before the first blank must match (any case), so that "htm" never picks
// "*.html". The last such entry; -1 when none does.
int FileTypeEntryFor(const std::vector<std::string>& entries, std::string_view extension);
// What is stored of the list's text: trimmed, without any "*" or ".",
// trimmed again and cut at the first blank.
std::string FileTypeToStore(std::string_view text);
