#include "Addresses.h"

bool IsValidEmailAddress(std::string_view text) {
    size_t at = text.find('@');
    if (at == std::string_view::npos || at == 0 || at + 1 == text.size()) return false;
    size_t dot = text.find('.', at);
    return dot != std::string_view::npos && dot + 1 != text.size();
}

bool IsValidWebAddress(std::string_view text) {
    size_t dot = text.find('.');
    return dot != std::string_view::npos && dot != 0 && dot + 1 != text.size();
}
