#pragma once
// Letter case of 8-bit text, as every name in the settings and on the disc
// is compared: A to Z against a to z, other bytes as they are (the same as
// the C library in its default locale).
#include <string>
#include <string_view>

inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
inline char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

inline std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = LowerAscii(c);
    return lower;
}

inline std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

inline bool StartsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() && EqualsNoCase(text.substr(0, start.size()), start);
}

inline bool EndsWithNoCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() && EqualsNoCase(text.substr(text.size() - ending.size()), ending);
}
