#pragma once
// What the panes and forms of the designer ask of the main window that holds
// them: the open project, the record whose form is shown, and the few
// operations they call back into.
class CDiscSettings;
class CSettings;

inline constexpr int kStandardView = 1;
inline constexpr int kAdvancedView = 2;

class IDesignerHost {
public:
    virtual CDiscSettings* CurrentProject() = 0;
    // The record whose form is shown; null while the General form is.
    virtual CSettings* CurrentRecord() = 0;
    virtual int ViewMode() const = 0;

    // After every edit: the project is no longer built.
    virtual void ProjectChanged() = 0;
    // Saves the form being left and shows the record's form (the General
    // form for null).
    virtual void ShowFormFor(CSettings* record) = 0;
    virtual void SaveShownForm() = 0;
    // The shown record is about to be deleted: nothing is saved into it.
    virtual void ForgetShownRecord() = 0;
    // The shown record was renamed: its form's banner follows.
    virtual void UpdateFormTitle() = 0;
    virtual void ShowHelp(int context) = 0;

protected:
    ~IDesignerHost() = default;
};
