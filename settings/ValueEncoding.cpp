#include "ValueEncoding.h"

#include <climits>

#include "util/TextCase.h"

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kStoredLineBreak = "|Q^3|";
constexpr std::string_view kScrambleMarker = "MwZ";

bool IsLeadingBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

unsigned char ScrambleByte(unsigned char x) { return x + 10 <= 123 ? (unsigned char)(x + 10) : (unsigned char)(x - 80); }
unsigned char UnscrambleByte(unsigned char x) { return (unsigned char)((x < 43 ? x + 90 : x) - 10); }

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsLeadingBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > (long long)INT_MAX + 1) value = (long long)INT_MAX + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return std::int32_t(value);
}

std::string FormatInteger(std::int32_t value) { return std::to_string(value); }

bool ParseBoolean(std::string_view text) { return EqualsNoCase(text, "true"); }

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
    if (find.empty()) return std::string(text);
    std::string out;
    size_t start = 0;
    for (size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, start)) {
        out.append(text.substr(start, at - start));
        out.append(replacement);
        start = at + find.size();
    }
    out.append(text.substr(start));
    return out;
}

std::string EncodeMultiLine(std::string_view text) { return ReplaceAll(text, kLineBreak, kStoredLineBreak); }
std::string DecodeMultiLine(std::string_view stored) { return ReplaceAll(stored, kStoredLineBreak, kLineBreak); }

std::optional<std::string> Scramble(std::string_view key, std::string_view value) {
    std::string text = ToUpperAscii(key);
    text.append(value);
    text.append(kScrambleMarker);
    if (text.size() >= kScrambledLimit) return std::nullopt;
    for (char& c : text) c = char(ScrambleByte((unsigned char)c));
    return text;
}

std::optional<std::string> Unscramble(std::string_view key, std::string_view stored) {
    if (stored.size() < key.size() + kScrambleMarker.size() || stored.size() >= kScrambledLimit) return std::nullopt;
    std::string text(stored.substr(key.size(), stored.size() - key.size() - kScrambleMarker.size()));
    for (char& c : text) c = char(UnscrambleByte((unsigned char)c));
    return text;
}
