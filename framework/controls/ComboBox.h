#pragma once
// A drop-down list of a dialog: entries of text, each with a value of the
// caller's, chosen and found again by that value (sorted boxes reorder the
// entries, so their indexes say nothing).
#include <windows.h>

#include <optional>
#include <string>

namespace wingui {

class CComboBox {
public:
    CComboBox() = default;
    explicit CComboBox(HWND control) : hwnd_(control) {}
    void Attach(HWND control) { hwnd_ = control; }
    HWND Handle() const { return hwnd_; }

    // The new entry's index; -1 on failure.
    int Add(const std::string& text, LPARAM data);
    void Clear();
    int Count() const;
    void Select(int index);
    // Selects the first entry with the value; nothing changes when none has it.
    void SelectData(LPARAM data);
    // The chosen entry's value; nothing when no entry is chosen.
    std::optional<LPARAM> SelectedData() const;

private:
    HWND hwnd_ = nullptr;
};

}  // namespace wingui
