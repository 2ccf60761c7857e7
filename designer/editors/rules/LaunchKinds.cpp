#include "LaunchKinds.h"

#include <array>

#include "ProjectNames.h"
#include "util/TextCase.h"

namespace {

using enum MainFieldButton;

constexpr const char* kParameters = "&Parameters:";

// kind, description, main label, button, editable, wait, maximize, prefix,
// parameters (label), body, message box, help topic
const std::array<LaunchKindLayout, 8> kLayouts = {{
    {kLaunchOpenDocument, 214, "Filename on disc:", kBrowseFile, false, true, true, false, false, kParameters, false,
     false, 11},
    {kLaunchWebSite, 50, "Web site address:", kNone, true, false, false, true, false, kParameters, false, false, 210},
    {kLaunchEmail, 49, "Email address:", kNone, true, false, false, false, true, "&Subject:", true, false, 220},
    {kLaunchExplore, 327, "Directory on disc:", kBrowseDirectory, false, false, true, false, false, kParameters,
     false, false, 180},
    {kLaunchMessage, 328, "Message text:", kEditText, true, false, false, false, true, "&Title:", false, true, 230},
    {kLaunchRunFromDisc, 329, "Application on disc:", kBrowseProgram, false, true, true, false, true, kParameters,
     false, false, 190},
    {kLaunchRunWindowsProgram, 330, "Application name:", kNone, true, true, true, false, true, kParameters, false,
     false, 200},
    {kLaunchPrintDocument, 326, "Filename on disc:", kBrowseFile, false, false, false, false, false, kParameters,
     false, false, 360},
}};

std::string WithoutLeadingBackslash(std::string key) {
    if (!key.empty() && key.front() == '\\') key.erase(0, 1);
    return key;
}

}  // namespace

const char* LaunchKindLayout::ButtonText() const {
    switch (button) {
        case kNone: return "";
        case kEditText: return "Edit...";
        default: return "Browse...";
    }
}

const LaunchKindLayout& LayoutForKind(int kind) {
    for (const LaunchKindLayout& layout : kLayouts) {
        if (layout.kind == kind) return layout;
    }
    return kLayouts.front();
}

LaunchFormValues LaunchValuesOf(const CSettingsLaunch& record) {
    LaunchFormValues values;
    values.fromRegistry = record.LaunchType == CSettingsLaunch::kFromRegistry;
    values.mainField = record.File;
    values.addressPrefix = record.AddressType;
    values.registryKey = record.RegKey;
    values.registryValue = record.RegValue;
    values.parameters = record.LaunchTypeV3 == kLaunchMessage ? record.WindowTitle
                        : record.LaunchTypeV3 == kLaunchEmail ? record.Subject
                                                              : record.Parameters;
    values.body = record.Body;
    values.maximize = record.Maximize;
    values.wait = record.LaunchAndWait;
    values.icon = record.Icon;
    values.buttons = record.Buttons;
    values.defaultButton = record.DefaultButton;
    return values;
}

void StoreLaunchValues(const LaunchFormValues& values, CSettingsLaunch& record) {
    const int kind = record.LaunchTypeV3;
    const LaunchKindLayout& layout = LayoutForKind(kind);
    record.LaunchType = values.fromRegistry ? CSettingsLaunch::kFromRegistry : CSettingsLaunch::kFromFile;
    record.File = TrimBlanks(values.mainField);
    if (layout.showsPrefix) record.AddressType = AddressPrefixToStore(values.addressPrefix);
    record.RegKey = WithoutLeadingBackslash(TrimBlanks(values.registryKey));
    record.RegValue = TrimBlanks(values.registryValue);
    // The one edit stands for the field of the kind; the others keep theirs.
    const std::string shared = TrimBlanks(values.parameters);
    if (kind == kLaunchMessage) {
        record.WindowTitle = shared;
    } else if (kind == kLaunchEmail) {
        record.Subject = shared;
    } else {
        record.Parameters = shared;
    }
    if (layout.showsBody) record.Body = TrimBlanks(values.body);
    record.Maximize = layout.showsMaximize && values.maximize;
    record.LaunchAndWait = layout.showsWait && values.wait;
    if (layout.showsMessageBox) {
        record.Icon = values.icon;
        record.Buttons = values.buttons;
        record.DefaultButton = values.defaultButton;
    }
}

const std::vector<FlagChoice>& IconStyleChoices() {
    static const std::vector<FlagChoice> choices = {{"Information (\"I\" in a circle)", 64},
                                                    {"Error (stop sign)", 16},
                                                    {"Warning (exclamation mark)", 48},
                                                    {"Question (question-mark)", 32}};
    return choices;
}

const std::vector<FlagChoice>& ButtonsChoices() {
    static const std::vector<FlagChoice> choices = {{"OK Only", 0}, {"OK and Cancel", 1}, {"Yes and No", 4}};
    return choices;
}

const std::vector<FlagChoice>& DefaultButtonChoices(int buttons) {
    static const std::vector<FlagChoice> none;
    static const std::vector<FlagChoice> okCancel = {{"OK", 0}, {"Cancel", 256}};
    static const std::vector<FlagChoice> yesNo = {{"Yes", 0}, {"No", 256}};
    return buttons == 1 ? okCancel : buttons == 4 ? yesNo : none;
}

std::vector<std::string> AddressPrefixEntries(std::string_view stored) {
    std::vector<std::string> entries = {"http://", "https://", "ftp://", kNoAddressPrefix};
    if (!stored.empty() && AddressPrefixIndex(entries, stored) < 0) entries.emplace_back(stored);
    return entries;
}

int AddressPrefixIndex(const std::vector<std::string>& entries, std::string_view stored) {
    const std::string_view wanted = stored.empty() ? std::string_view(kNoAddressPrefix) : stored;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (EqualsNoCase(entries[i], wanted)) return int(i);
    }
    return -1;
}

std::string AddressPrefixToStore(std::string_view shown) {
    return shown == kNoAddressPrefix ? std::string() : std::string(shown);
}

ReservedDiscFile ReservedDiscFileOf(std::string_view relativeName) {
    if (EqualsNoCase(relativeName, "\\autorun.exe")) return ReservedDiscFile::kPlayerProgram;
    if (EqualsNoCase(relativeName, "\\autorun.inf")) return ReservedDiscFile::kPlayerConfiguration;
    return ReservedDiscFile::kNone;
}
