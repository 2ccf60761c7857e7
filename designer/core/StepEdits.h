#pragma once
// The changes the tree pane makes to the record tree. Each one saves what it
// changed at once; the pane then mirrors the result in its nodes.
#include <memory>
#include <string>

#include "StepTree.h"

class CSettings;
class CSettingsList;

// Add Action and Add Menu: the record goes where PlaceForNewStep says, its
// name made unique within the selected record's list. Returns its node.
StepNode InsertNewStep(CSettingsList& root, const StepNode& selected, std::unique_ptr<CSettings> record);

// Add Button: a button of that name where PlaceForNewButton says; an empty
// node when the disc has no menu.
StepNode InsertNewButton(CSettingsList& root, const StepNode& selected, const std::string& name);

// Rename: a button may not take the name of another button of its menu (any
// case); other steps may share names. False when refused (string 176).
bool RenameStep(const StepNode& node, const std::string& newName);

// Delete: the record and everything below it; returns the node to select
// next (empty when none is left: the General form shows).
StepNode DeleteStep(CSettingsList& root, const StepNode& node);
