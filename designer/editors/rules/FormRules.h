#pragma once
// The small rules of the step forms: values they clamp, controls they show,
// and the driver list's buttons.
#include <string>
#include <string_view>

// Seconds of a splash form field: 0 to 30; text that is no number is 0.
int ClampSplashSeconds(int seconds);
int SplashSecondsFromText(std::string_view text);

// The icon index list is offered for icons inside programs and libraries:
// names whose last three characters are "DLL" or "EXE", any case.
bool ShowsIconIndex(std::string_view fileName);

struct DriverListButtons {
    bool edit = false;
    bool remove = false;
    bool up = false;
    bool down = false;
};
// selected: -1 for none.
DriverListButtons DriverButtonsFor(int count, int selected);
// The entry to select after the one at index was deleted from a list that
// now holds count entries; -1 when it is empty.
int SelectionAfterDelete(int index, int count);
