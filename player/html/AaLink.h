#pragma once
// Links of an HTML menu page whose address begins with "aa:" press the menu
// button named after the prefix instead of being followed.
#include <optional>
#include <string>
#include <string_view>

class CSettingsButton;
class CSettingsList;

// The button name of an "aa:" address (prefix in any case; every "%20" is a
// blank, no other escape is decoded), or nothing for any other address.
std::optional<std::string> AaLinkButtonName(std::string_view address);

// The first button record of the list whose name equals the name without
// regard to case, or null.
CSettingsButton* FindButtonByName(const CSettingsList& buttons, std::string_view name);
