#include "DiscUsage.h"

#include <array>

#include "MessageText.h"
#include "util/SizeText.h"

namespace {

const std::array<PresetInfo, 3> kPresets = {{
    {"700MB CD Media", 734003200ull},
    {"4.7GB DVD Media", 0x1182A0000ull},
    {"8.5GB Dual-Layer DVD", 0x1FD3E0000ull},
}};

const char* const kTypeNames[] = {
    "CD-ROM or CD-R/RW media", "CD-R", "CD-RW", "DVD ROM", "DVD-RAM", "DVD+R", "DVD+RW", "DVD+R Dual Layer", "DVD-R",
    "DVD-RW", "DVD-R Dual Layer", "random-access writes", "DVD+RW DL", "HD DVD-ROM", "HD DVD-R", "HD DVD-RAM",
    "Blu-ray DVD (BD-ROM)", "Blu-ray media", "Blu-ray Rewritable media"};

std::optional<MediaPreset> FamilyOf(int type) {
    if (type >= 1 && type <= 3) return kPresetCd;
    if ((type >= 4 && type <= 7) || type == 9 || type == 10) return kPresetDvd;
    if (type == 8 || type == 11 || type == 13) return kPresetDualLayer;
    return std::nullopt;
}

std::string SizeText(std::uint64_t bytes) {
    return FormatSize(bytes > std::uint64_t(INT64_MAX) ? INT64_MAX : std::int64_t(bytes));
}

}  // namespace

const PresetInfo& PresetOf(MediaPreset preset) { return kPresets[std::size_t(preset)]; }

const char* MediaTypeName(int type) {
    if (type < 1 || type > int(std::size(kTypeNames))) return "Unknown Media Type";
    return kTypeNames[type - 1];
}

std::vector<MediaPreset> PresetsForMediaTypes(const std::vector<int>& types) {
    bool found[3] = {false, false, false};
    for (int type : types) {
        if (const auto family = FamilyOf(type)) found[*family] = true;
    }
    std::vector<MediaPreset> presets;
    for (MediaPreset preset : {kPresetCd, kPresetDvd, kPresetDualLayer}) {
        if (found[preset]) presets.push_back(preset);
    }
    return presets;
}

std::string SupportedTypesText(const std::vector<int>& types) {
    std::string text;
    for (int type : types) text += (text.empty() ? "" : ", ") + std::string(MediaTypeName(type));
    return text;
}

DiscUsage UsageFor(std::uint64_t total, std::optional<MediaPreset> preset, const std::string& trimmedLabel,
                   const std::string& usedFree, const std::string& overloadedPrefix) {
    DiscUsage usage;
    if (!preset) {
        // No writer's media to compare with: the total alone.
        usage.text = FormatMessageText(usedFree, {SizeText(total), "-"});
        return usage;
    }
    const std::uint64_t capacity = PresetOf(*preset).capacity;
    usage.overloaded = total > capacity;
    usage.barPercent = usage.overloaded ? 100 : int(total * 100 / capacity);
    const std::uint64_t free = usage.overloaded ? 0 : capacity - total;
    usage.text = FormatMessageText(usedFree, {SizeText(total), SizeText(free)});
    if (usage.overloaded) usage.text = overloadedPrefix + usage.text;
    usage.burnEnabled = !usage.overloaded && !trimmedLabel.empty();
    return usage;
}
