#include "MessageText.h"

std::string FormatMessageText(std::string_view pattern, const std::vector<std::string>& arguments) {
    std::string text;
    text.reserve(pattern.size() + 64);
    std::size_t next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder =
            pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
        if (!placeholder) {
            text += pattern[i];
            continue;
        }
        // A missing argument shows as nothing rather than reading past the list.
        if (next < arguments.size()) text += arguments[next];
        ++next;
        ++i;
    }
    return text;
}
