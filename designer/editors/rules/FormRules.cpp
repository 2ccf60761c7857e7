#include "FormRules.h"

#include <cstdlib>

#include "util/TextCase.h"

int ClampSplashSeconds(int seconds) { return seconds < 0 ? 0 : seconds > 30 ? 30 : seconds; }

int SplashSecondsFromText(std::string_view text) {
    // strtol stops at the first character that is no digit; a huge number
    // saturates and is clamped like any other.
    const std::string copy(text);
    const long value = std::strtol(copy.c_str(), nullptr, 10);
    return ClampSplashSeconds(value < -1000 ? -1000 : value > 1000 ? 1000 : int(value));
}

bool ShowsIconIndex(std::string_view fileName) {
    if (fileName.size() < 3) return false;
    const std::string last(fileName.substr(fileName.size() - 3));
    return EqualsNoCase(last, "dll") || EqualsNoCase(last, "exe");
}

DriverListButtons DriverButtonsFor(int count, int selected) {
    DriverListButtons buttons;
    if (count <= 0) return buttons;
    buttons.edit = buttons.remove = true;
    if (count == 1) return buttons;
    buttons.up = selected != 0;
    buttons.down = selected != count - 1;
    return buttons;
}

int SelectionAfterDelete(int index, int count) {
    if (count <= 0) return -1;
    return index < count ? index : count - 1;
}
