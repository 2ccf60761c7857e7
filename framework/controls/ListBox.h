#pragma once
// A list box of a dialog: lines of text, each with a value of the caller's.
#include <windows.h>

#include <string>

namespace wingui {

class CListBox {
public:
    void Attach(HWND control) { hwnd_ = control; }
    HWND Handle() const { return hwnd_; }

    // The new line's index (sorted boxes place it themselves); -1 on failure.
    int Add(const std::string& text, LPARAM data = 0);
    int Insert(int index, const std::string& text, LPARAM data = 0);
    bool Delete(int index);
    void Clear();
    int Count() const;

    // -1 when nothing is selected.
    int Selection() const;
    void Select(int index);
    std::string Text(int index) const;
    LPARAM Data(int index) const;
    void SetData(int index, LPARAM data);

private:
    HWND hwnd_ = nullptr;
};

}  // namespace wingui
