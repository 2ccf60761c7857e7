#include "BurnTexts.h"

#include <cctype>
#include <cstdio>

bool IsValidClientName(const std::string& name) {
    if (name.empty() || name.size() > 63) return false;
    for (unsigned char c : name) {
        if (!std::isalnum(c) && c != ' ' && c != ',' && c != '-' && c != '.' && c != ':' && c != ';' && c != '_')
            return false;
    }
    return true;
}

std::string BurnTimeText(long seconds) {
    if (seconds < 1) return "0:00";
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", int(seconds / 60), int(seconds % 60));
    return text;
}

bool MediaFitsPreset(int mediaType, MediaPreset preset) {
    const auto presets = PresetsForMediaTypes({mediaType});
    return !presets.empty() && presets.front() == preset;
}

std::string MediaQuestionText(MediaPreset preset, int currentMediaType) {
    return std::string("The media type selected does not match the media currently in the drive.\n\n") +
           "\tSelected Media Type: " + PresetOf(preset).text + "\n\tCurrent Media Type:  " +
           MediaTypeName(currentMediaType) + "\n\nDo you want to continue attempting to burn the CD/DVD?";
}

std::string WriteActionText(int action) {
    switch (action) {
        case 0: return "Validating current media...";
        case 1: return "Formatting media...";
        case 2: return "Initializing hardware...";
        case 3: return "Optimizing laser intensity...";
        case 5: return "Finalizing writing...";
        case 6: return "Completed!";
        default: return "";
    }
}

namespace {

int Percent(long part, long whole) { return int(static_cast<long long>(part) * 100 / whole); }

}  // namespace

std::string BufferText(long used, long total) {
    if (used == 0 || total == 0) return "Buffer Empty";
    return "Buffer: " + std::to_string(Percent(used, total)) + "%";
}

std::string ProgressPercentText(long done, long total) {
    if (done == 0 || total == 0) return "Progress";
    return "Progress: " + std::to_string(Percent(done, total)) + "%";
}

std::string WriterEntryText(const std::vector<std::string>& volumes, const std::string& product) {
    std::string joined;
    for (const std::string& volume : volumes) joined += (joined.empty() ? "" : ",") + volume;
    return joined + " [" + product + "]";
}

std::string WithCode(const char* format, std::uint32_t code) {
    char text[512];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(code));
    return text;
}

std::string WithNumber(const char* format, long number) {
    char text[512];
    std::snprintf(text, sizeof text, format, static_cast<int>(number));
    return text;
}

std::optional<std::string> FinishMessage(int code, const std::string& text) {
    switch (code) {
        case kFinishFailedWithText:
        case kFinishFailedWithReason: return "Burn Failed: " + text;
        case kFinishUserChoice:
        case kFinishSucceeded: return std::nullopt;
        case kFinishNoImapi:
            return "Burn Failed: Please ensure that the \"Image Mastering Applications Programming Interface - "
                   "Version 2 (IMAPI v2)\" is installed correctly.";
        default: return "Burn Failed: Please ensure that there is a blank CD/DVD in the selected disk drive.";
    }
}

std::string ShortenImageName(const std::string& name) {
    constexpr std::size_t kLimit = 108;
    if (name.size() <= kLimit) return name;
    const std::size_t dot = name.rfind('.');
    const std::size_t extension = dot == std::string::npos ? 0 : name.size() - dot;
    // An extension that would leave no stem is cut like the rest.
    if (extension == 0 || extension >= kLimit / 2) return name.substr(0, kLimit);
    return name.substr(0, kLimit - extension) + name.substr(dot);
}

std::optional<LegacyStatus> LegacyStatusOf(int code, const std::string& name) {
    switch (code) {
        case 9: return LegacyStatus{"Copying files...", 1};
        case 10: return LegacyStatus{"Preparing to burn...", 2};
        case 17: return LegacyStatus{"Burning...", 3};
        case 11: return LegacyStatus{"Closing...", 4};
        case 12: return LegacyStatus{"Building the image...", 0};
        case 14: return LegacyStatus{"Copying: " + name, 0};
        case 15: return LegacyStatus{"Converting: " + name, 0};
        case 16: return LegacyStatus{"Loading: " + name, 0};
        case 18: return LegacyStatus{"Saving: " + name, 0};
        default: return std::nullopt;
    }
}

bool LegacyStatusFilter::IsNew(int code, long figure, const std::string& name) {
    const bool repeated = code == code_ && (figure == figure_ || name == name_);
    code_ = code;
    figure_ = figure;
    name_ = name;
    return !repeated;
}
