#pragma once
// Text rules shared by the in-memory initialization file and its callers.
#include <string_view>

#include "../util/TextCase.h"

namespace profile {

// The platform counts Ctrl-Z (0x1A) among the blanks of an initialization file.
inline bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == 0x1A;
}

inline std::string_view TrimLeadingBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    return text;
}

inline std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeadingBlanks(text);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

// One pair of enclosing quotes, double or single, is not part of a value.
inline std::string_view StripEnclosingQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace profile
