#pragma once
// The action step, one form for its eight kinds: the kind decides the
// description, the main field's label and button and which of the other
// controls are shown. Where the program reads its item from the registry
// is offered in the Advanced view (and kept on screen once chosen).
#include <map>

#include "LaunchKinds.h"
#include "RecordForm.h"

class CLaunchForm : public CRecordForm<CSettingsLaunch> {
public:
    explicit CLaunchForm(IDesignerHost& host);
    bool UpdateControls() override;

protected:
    void Fill(CSettingsLaunch& record) override;
    void Store(CSettingsLaunch& record) override;
    BOOL OnInitDialog() override;
    void OnEdited(WORD id, WORD notifyCode) override;
    bool OnButton(WORD id) override;

private:
    void ShowKind();
    void PlaceMainField();
    void ShowRegistryRows(bool shown);
    void FillDefaultButtons(int buttons, int selected);
    void FillAddressPrefixes(const std::string& stored);
    void BrowseForFile();
    void BrowseForDirectory();
    void EditMessageText();
    // Moves a control to its designed place shifted down by dy pixels.
    void MoveFromDesign(int id, int dy);

    const LaunchKindLayout* layout_ = nullptr;
    std::map<int, RECT> designed_;
    int registryRowsShown_ = -1;  // -1 before the first layout
};
