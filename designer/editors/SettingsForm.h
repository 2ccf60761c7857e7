#pragma once
// The right-hand pane: one form bound to one record (or, for the General
// form, to the project). The main frame asks it to save before it is left;
// the form tells the main frame about every edit.
#include <windows.h>

#include <initializer_list>
#include <string>

#include "DesignerHost.h"
#include "Dialog.h"
#include "Handles.h"
#include "HoverBitmapButton.h"
#include "controls/HyperLink.h"

class CSettings;

class CSettingsForm : public wingui::CDialog {
public:
    // helpTopic: what the form's help button opens.
    CSettingsForm(UINT templateId, IDesignerHost& host, int helpTopic = 0)
        : CDialog(templateId), host_(host), helpTopic_(helpTopic) {}

    // Binds the form to the record and fills its controls.
    virtual bool LoadSettings(CSettings* /*record*/) { return false; }
    // The banner shows the current record's display name.
    virtual void UpdateTitle();
    // Copies the controls into the bound record and saves it.
    virtual bool SaveSettings() { return false; }
    virtual bool UpdateControls() { return false; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    // A control the author changed (typing, a click, a list choice); the
    // base tells the main frame. Not called while the form fills itself.
    virtual void OnEdited(WORD /*id*/, WORD /*notifyCode*/) { Host().ProjectChanged(); }
    // A button pressed (not the check boxes and radio buttons of the form,
    // which count as edits); true when handled.
    virtual bool OnButton(WORD /*id*/) { return false; }

    IDesignerHost& Host() { return host_; }
    void SetHelpTopic(int topic) { helpTopic_ = topic; }
    // A picture button of the template besides the help button (arrows).
    void AddPictureButton(int id) { pictureButtons_.Add(Handle(), id); }
    void SetBanner(const std::string& text);
    std::string ProjectDirectory();

    // While filling its controls the form reports no edits.
    class Filling {
    public:
        explicit Filling(CSettingsForm& form) : form_(form), was_(form.filling_) { form.filling_ = true; }
        ~Filling() { form_.filling_ = was_; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        CSettingsForm& form_;
        bool was_;
    };

    void SetText(int id, const std::string& text);
    std::string Text(int id) const;
    std::string TrimmedText(int id) const;
    void SetChecked(int id, bool checked);
    bool Checked(int id) const;
    void EnableItems(std::initializer_list<int> ids, bool enabled);
    void ShowItems(std::initializer_list<int> ids, bool shown);
    // After controls were moved, shown or hidden: the whole form again.
    void Repaint();
    // A drop-down list of texts, each with its value.
    void FillChoices(int id, std::initializer_list<std::pair<const char*, int>> choices);
    void SelectChoice(int id, int value);
    int ChosenValue(int id, int otherwise) const;

private:
    IDesignerHost& host_;
    int helpTopic_;
    bool filling_ = false;
    wingui::Font bannerFont_;
    CHoverBitmapButtons pictureButtons_;
    wingui::CHyperLink graphicsLink_;
};
