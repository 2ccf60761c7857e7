#include "ResourceString.h"

namespace wingui {

std::string LoadResourceString(UINT id) {
    // String-table entries are at most 4097 bytes in ANSI form.
    char buffer[4100];
    int length = LoadStringA(GetModuleHandleA(nullptr), id, buffer, int(sizeof(buffer)));
    return length > 0 ? std::string(buffer, size_t(length)) : std::string();
}

std::string LoadResourceStrings(std::initializer_list<UINT> ids) {
    std::string text;
    for (UINT id : ids) text += LoadResourceString(id);
    return text;
}

}  // namespace wingui
