#include "IsoNames.h"

#include <set>

namespace {

// Code page 1252's characters 0x80 to 0x9F; the rest of the upper half is
// Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char IsoCharacter(char c) {
    if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') return c;
    return '_';
}

std::string IsoPart(std::string_view text, std::size_t limit) {
    std::string part;
    for (char c : text) {
        if (part.size() == limit) break;
        part += IsoCharacter(c);
    }
    return part;
}

// base.ext split at the last dot; folders have no extension.
std::pair<std::string_view, std::string_view> Split(std::string_view name, bool directory) {
    const std::size_t dot = name.rfind('.');
    if (directory || dot == std::string_view::npos) return {name, {}};
    return {name.substr(0, dot), name.substr(dot + 1)};
}

std::string IsoName(const std::string& base, const std::string& extension, bool directory) {
    if (directory) return base;
    return base + "." + extension + ";1";
}

// A short tail that makes a name unique: "~1", "~2", ...
template <class Text>
Text WithTail(const Text& base, std::size_t limit, const Text& tail) {
    Text result = base.substr(0, limit > tail.size() ? limit - tail.size() : 0);
    return result + tail;
}

}  // namespace

std::u16string WindowsTextToUcs2(std::string_view text) {
    std::u16string converted;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        converted += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t(byte);
    }
    return converted;
}

std::vector<std::string> IsoNamesFor(const std::vector<std::string>& names, const std::vector<bool>& directories) {
    std::vector<std::string> result;
    std::set<std::string> taken;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto [baseText, extensionText] = Split(names[i], directories[i]);
        std::string base = IsoPart(baseText, 8);
        const std::string extension = IsoPart(extensionText, 3);
        if (base.empty()) base = "_";
        std::string name = IsoName(base, extension, directories[i]);
        for (int number = 1; taken.count(name); ++number) {
            const std::string tail = "_" + std::to_string(number);
            name = IsoName(WithTail(base, 8, tail), extension, directories[i]);
        }
        taken.insert(name);
        result.push_back(name);
    }
    return result;
}

std::vector<std::u16string> JolietNamesFor(const std::vector<std::string>& names, const std::vector<bool>& directories) {
    std::vector<std::u16string> result;
    std::set<std::u16string> taken;
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::u16string name = WindowsTextToUcs2(names[i]);
        // The few characters Joliet does not allow in a name.
        for (char16_t& c : name) {
            if (c < 0x20 || c == u'*' || c == u'/' || c == u':' || c == u';' || c == u'?' || c == u'\\') c = u'_';
        }
        std::u16string extension;
        const std::size_t dot = name.rfind(u'.');
        if (!directories[i] && dot != std::u16string::npos && name.size() - dot <= 10) extension = name.substr(dot);
        const std::u16string base = name.substr(0, name.size() - extension.size());
        if (name.size() > kMaxJolietName) name = base.substr(0, kMaxJolietName - extension.size()) + extension;
        for (int number = 1; taken.count(name); ++number) {
            std::u16string tail = u"~";
            for (char c : std::to_string(number)) tail += char16_t(c);
            name = WithTail(base, kMaxJolietName - extension.size(), tail) + extension;
            if (base.size() + tail.size() + extension.size() <= kMaxJolietName) name = base + tail + extension;
        }
        taken.insert(name);
        result.push_back(name);
    }
    return result;
}
