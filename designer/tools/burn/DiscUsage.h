#pragma once
// The "Burn CD/DVD" dialog's arithmetic: the media presets a writer's
// supported media types offer, and how full the disc will be.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum MediaPreset : int { kPresetCd = 0, kPresetDvd = 1, kPresetDualLayer = 2 };

struct PresetInfo {
    const char* text;
    std::uint64_t capacity;
};
const PresetInfo& PresetOf(MediaPreset preset);

// The display name of a physical media type number.
const char* MediaTypeName(int type);
// The presets the types offer, in preset order (CD, DVD, dual layer).
std::vector<MediaPreset> PresetsForMediaTypes(const std::vector<int>& types);
// The types' names joined by ", ", as the supported-types text shows them.
std::string SupportedTypesText(const std::vector<int>& types);

struct DiscUsage {
    bool overloaded = false;
    int barPercent = 0;
    std::string text;  // the usage text
    bool burnEnabled = false;
};

// total: the project directory's bytes, summed in 64 bits. Every preset is
// overloaded when the total exceeds its capacity; without a preset there
// is nothing to compare with, so only the total is shown and Burn stays
// off. usedFree: string 48, overloadedPrefix: string 47.
DiscUsage UsageFor(std::uint64_t total, std::optional<MediaPreset> preset, const std::string& trimmedLabel,
                   const std::string& usedFree, const std::string& overloadedPrefix);

inline constexpr std::size_t kMaxDiscLabel = 15;
