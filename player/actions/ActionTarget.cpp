#include "ActionTarget.h"

#include <string_view>

#include "ValueEncoding.h"
#include "util/ContainedPath.h"
#include "util/LinkCommand.h"
#include "util/TextCase.h"
#include "records/SettingsLaunch.h"

namespace {

// Message box style groups, as the platform defines them.
constexpr unsigned kButtonsMask = 0x0000000F;
constexpr unsigned kIconMask = 0x000000F0;
constexpr unsigned kDefaultButtonMask = 0x00000F00;

// "%" goes first so the escapes added after it are not escaped again.
std::string EncodeMailPart(const std::string& text) {
    std::string encoded = ReplaceAll(text, "%", "%25");
    encoded = ReplaceAll(encoded, "&", "%26");
    encoded = ReplaceAll(encoded, "?", "%3F");
    encoded = ReplaceAll(encoded, "#", "%23");
    return ReplaceAll(encoded, " ", "%20");
}

}  // namespace

bool NamesDiscItem(std::int32_t kind) {
    return kind == kLaunchOpenDocument || kind == kLaunchExplore || kind == kLaunchRunFromDisc ||
           kind == kLaunchPrintDocument;
}

std::string FileActionTarget(const CSettingsLaunch& action, const std::string& discRoot) {
    if (NamesDiscItem(action.LaunchTypeV3)) return ResolveInsideOrNothing(discRoot, action.File);
    if (action.LaunchTypeV3 == kLaunchWebSite) return action.AddressType + action.File;
    return action.File;
}

std::string EmailTarget(const std::string& address, const std::string& subject, const std::string& body) {
    std::string target = "mailto:" + address;
    if (!subject.empty()) target += "?subject=" + EncodeMailPart(subject);
    if (!body.empty()) {
        target += subject.empty() ? "?" : "&";
        target += "body=" + ReplaceAll(EncodeMailPart(body), "\r\n", "%0A");
    }
    return target;
}

std::string ActionWorkingDirectory(std::int32_t kind, const std::string& target) {
    if (!NamesDiscItem(kind)) return {};
    const size_t lastBackslash = target.rfind('\\');
    if (lastBackslash == std::string::npos || lastBackslash == 0) return {};
    return target.substr(0, lastBackslash);
}

unsigned MessageStyle(const CSettingsLaunch& action) {
    const unsigned buttons = unsigned(action.Buttons) & kButtonsMask;
    unsigned style = buttons | (unsigned(action.Icon) & kIconMask);
    if (buttons != 0) style |= unsigned(action.DefaultButton) & kDefaultButtonMask;
    return style;
}

bool IsInternetExplorer(const std::string& programPath) { return EndsWithNoCase(programPath, "iexplore.exe"); }

std::string InternetExplorerParameters(const CSettingsLaunch& action, const std::string& target) {
    // A disc folder may have blanks in its name: the document stays one argument.
    return (action.Kiosk ? "-k " : "") + action.Parameters + " " + QuoteCommandArgument(target);
}

bool IsProgramFile(const std::string& target) { return EndsWithNoCase(target, ".exe"); }
