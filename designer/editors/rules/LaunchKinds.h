#pragma once
// How the action form presents each of the eight action kinds, and how its
// controls map onto the record: which field the shared edit stands for,
// which values a kind never keeps, and the lists of the message box.
#include <string>
#include <string_view>
#include <vector>

#include "records/SettingsLaunch.h"

enum class MainFieldButton { kNone, kBrowseFile, kBrowseProgram, kBrowseDirectory, kEditText };

struct LaunchKindLayout {
    int kind;
    int descriptionId;  // string table entry
    const char* mainLabel;
    MainFieldButton button;
    bool mainEditable;
    bool showsWait;
    bool showsMaximize;
    bool showsPrefix;
    bool showsParameters;
    const char* parametersLabel;
    bool showsBody;
    bool showsMessageBox;
    int helpTopic;

    const char* ButtonText() const;
    bool ShowsOptions() const { return showsWait || showsMaximize; }
};

// The layout of the kind; an unknown kind is shown as an open document.
const LaunchKindLayout& LayoutForKind(int kind);

// What the form's controls hold, independent of the kind.
struct LaunchFormValues {
    bool fromRegistry = false;
    std::string mainField;
    std::string addressPrefix;  // the list's text
    std::string registryKey;
    std::string registryValue;
    std::string parameters;  // the shared edit: parameters, title or subject
    std::string body;
    bool maximize = false;
    bool wait = false;
    int icon = 64;
    int buttons = 0;
    int defaultButton = 0;
};

LaunchFormValues LaunchValuesOf(const CSettingsLaunch& record);
// Stores the values as the record's kind keeps them; Kiosk is left alone.
void StoreLaunchValues(const LaunchFormValues& values, CSettingsLaunch& record);

inline constexpr int kMaxParametersLength = 200;
inline constexpr int kMaxBodyLength = 1000;

// The message box lists: each entry's text and the flag value it stores.
struct FlagChoice {
    const char* text;
    int value;
};
const std::vector<FlagChoice>& IconStyleChoices();
const std::vector<FlagChoice>& ButtonsChoices();
// Empty for OK Only, which has no choice of default button.
const std::vector<FlagChoice>& DefaultButtonChoices(int buttons);

// The web site's address prefix list. A stored prefix that is none of the
// list's entries is offered as one more, so that saving keeps it.
inline constexpr const char* kNoAddressPrefix = "<none>";
std::vector<std::string> AddressPrefixEntries(std::string_view stored);
int AddressPrefixIndex(const std::vector<std::string>& entries, std::string_view stored);
std::string AddressPrefixToStore(std::string_view shown);

// The player's own files in the project root, which no step may launch or
// install: the player program and its configuration.
enum class ReservedDiscFile { kNone, kPlayerProgram, kPlayerConfiguration };
ReservedDiscFile ReservedDiscFileOf(std::string_view relativeName);
