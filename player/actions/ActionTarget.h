#pragma once
// The portable decisions of a launch action: what its target is, where it
// runs, how a message box looks and how an e-mail message is spelled.
#include <cstdint>
#include <string>

class CSettingsLaunch;

// Kinds whose "File" names something on the disc (open, explore, run, print).
bool NamesDiscItem(std::int32_t kind);

// The target of an action whose value comes from "File": the disc root
// (without one trailing backslash) and the file for disc items, the address
// prefix and the address for web sites, the text itself otherwise.
std::string FileActionTarget(const CSettingsLaunch& action, const std::string& discRoot);

// "mailto:" with the address, then "?subject=" and "body=" when they are set.
// Blanks, line breaks and the characters that would end or change a part of
// the address ("%", "&", "?", "#") are percent-encoded, so the message is
// the one the author wrote.
std::string EmailTarget(const std::string& address, const std::string& subject, const std::string& body);

// The directory a disc item runs in: its target before the last backslash,
// unless that backslash is the first character; empty for the other kinds.
std::string ActionWorkingDirectory(std::int32_t kind, const std::string& target);

// The platform message box style of a show-message action: its buttons and
// icon, and its default button when it has more than one button. Each part
// keeps only the bits of its own group.
unsigned MessageStyle(const CSettingsLaunch& action);

// True when the program that opens a document is Internet Explorer.
bool IsInternetExplorer(const std::string& programPath);
// The parameters Internet Explorer gets for a document: "-k " in kiosk mode,
// the action's parameters, a blank and the document as one quoted argument.
std::string InternetExplorerParameters(const CSettingsLaunch& action, const std::string& target);

// True when the target's last four characters are ".exe", any case.
bool IsProgramFile(const std::string& target);
