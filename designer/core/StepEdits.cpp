#include "StepEdits.h"

#include "SettingsList.h"
#include "records/SettingsButton.h"

StepNode InsertNewStep(CSettingsList& root, const StepNode& selected, std::unique_ptr<CSettings> record) {
    const InsertPlace place = PlaceForNewStep(root, selected);
    if (selected) selected.list->MakeUniqueName(*record);
    CSettings* inserted = place.list->InsertAfter(std::move(record), place.after);
    return {inserted, place.list, place.parent};
}

StepNode InsertNewButton(CSettingsList& root, const StepNode& selected, const std::string& name) {
    const InsertPlace place = PlaceForNewButton(root, selected);
    if (!place.list) return {};
    auto button = std::make_unique<CSettingsButton>();
    button->SetName(name);
    CSettings* inserted = place.list->InsertAfter(std::move(button), place.after);
    return {inserted, place.list, place.parent};
}

bool RenameStep(const StepNode& node, const std::string& newName) {
    if (!node) return false;
    if (node.record->SettingType() == kSettingButton && !node.list->IsButtonNameFree(newName, node.record)) {
        return false;
    }
    node.record->SetName(newName);
    node.record->SaveRecord();
    return true;
}

StepNode DeleteStep(CSettingsList& root, const StepNode& node) {
    if (!node) return {};
    const StepNode next = NodeToSelectAfterDelete(root, node);
    node.list->Remove(node.record);
    return next;
}
