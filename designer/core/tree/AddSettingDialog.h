#pragma once
// "Add Action" and "Add Button": the kinds of step to add, each with its
// picture and description; in button mode also the new button's name,
// which no other button of the receiving menu may have.
#include <string>
#include <vector>

#include "AddStepChoices.h"
#include "Dialog.h"
#include "controls/ImageList.h"

class CSettings;
class CSettingsList;

class CAddSettingDialog : public wingui::CDialog {
public:
    // buttons: the menu's button list that receives the new button (button
    // mode); edited: the button being edited, excepted from the name check.
    CAddSettingDialog(AddStepMode mode, bool standardViewerDefined, const CSettingsList* buttons = nullptr,
                      const CSettings* edited = nullptr);

    // What to select at first: the kind (and action kind) of a step.
    void SetInitialKind(std::int32_t settingType, std::int32_t actionKind);

    const AddStepChoice& Chosen() const { return chosen_; }
    const std::string& ButtonName() const { return name_; }

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnOK() override;

private:
    void LayOutForActions();
    void FillList();
    void ShowDescription();
    int SelectedChoice() const;
    void DrawEntry(const DRAWITEMSTRUCT& item);
    void DrawPicture(const DRAWITEMSTRUCT& item);

    AddStepMode mode_;
    std::vector<AddStepChoice> choices_;
    const CSettingsList* buttons_;
    const CSettings* edited_;
    std::int32_t initialType_ = 3;
    std::int32_t initialAction_ = 101;
    AddStepChoice chosen_{};
    std::string name_;
    wingui::ImageList smallPictures_;
    wingui::ImageList largePictures_;
};
