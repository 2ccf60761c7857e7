#include "SizeText.h"

#include <cstdio>

namespace {

std::string FormatScaled(double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.1f %s", value, unit);
    return text;
}

}  // namespace

std::string FormatSize(std::int64_t bytes) {
    constexpr std::int64_t kKilo = 1024;
    constexpr std::int64_t kMega = kKilo * 1024;
    constexpr std::int64_t kGiga = kMega * 1024;
    if (bytes > kGiga) return FormatScaled(double(bytes) / double(kGiga), "GB");
    if (bytes > kMega) return FormatScaled(double(bytes) / double(kMega), "MB");
    if (bytes > kKilo) return FormatScaled(double(bytes) / double(kKilo), "KB");
    char text[64];
    std::snprintf(text, sizeof(text), "%lld Bytes", static_cast<long long>(bytes));
    return text;
}
