#pragma once
// The texts the burn dialog and its engines show, and the small rules behind
// them: the client name a writer is locked with, the media question, times,
// buffer and progress figures, the finish messages and the older engine's
// status lines.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "DiscUsage.h"

inline constexpr const char* kBurnClientName = "BurnCD";

// 1 to 63 characters of letters, digits, blanks and , - . : ; _
bool IsValidClientName(const std::string& name);

// "%d:%02d" minutes and seconds; "0:00" below one second.
std::string BurnTimeText(long seconds);

// The Yes/No question when the media in the drive is not of the chosen
// preset's family.
std::string MediaQuestionText(MediaPreset preset, int currentMediaType);
// Whether a physical media type belongs to the preset's family.
bool MediaFitsPreset(int mediaType, MediaPreset preset);

// The progress line for a writer's current action; empty for writing (4),
// whose figures are shown instead.
std::string WriteActionText(int action);
// "Buffer: 40%" or "Buffer Empty".
std::string BufferText(long used, long total);
// "Progress: 25%" or "Progress".
std::string ProgressPercentText(long done, long total);

// A writer as the "Disk drive:" list shows it: "E:\,F:\ [DVD-RW 1234]".
std::string WriterEntryText(const std::vector<std::string>& volumes, const std::string& product);

// A text with one "%08x" or "%d" figure put in, as the engines' failures read.
std::string WithCode(const char* format, std::uint32_t code);
std::string WithNumber(const char* format, long number);

// How a burn ended, as the worker reports it.
enum BurnFinish : int {
    kFinishFailedWithText = 1,
    kFinishUserChoice = 2,
    kFinishFailed = 3,
    kFinishNoImapi = 4,
    kFinishFailedWithReason = 5,
    kFinishSucceeded = 6,
};
// The message box the finish shows, if any (none for the user's choice and
// for success).
std::optional<std::string> FinishMessage(int code, const std::string& text);
inline constexpr const char* kBurnSucceededText = "Burn completed successfully!";

// The older engine names a file it cannot take in at most 108 characters:
// the stem is cut, the extension kept.
std::string ShortenImageName(const std::string& name);

// The older engine's status lines: a code with a figure and a file name. A
// status with the previous code and the same figure or the same name is not
// shown again.
struct LegacyStatus {
    std::string text;
    int step = 0;  // of the step bar's 5; 0 for the building statuses
};
std::optional<LegacyStatus> LegacyStatusOf(int code, const std::string& name);

class LegacyStatusFilter {
public:
    bool IsNew(int code, long figure, const std::string& name);

private:
    int code_ = -1;
    long figure_ = 0;
    std::string name_;
};
