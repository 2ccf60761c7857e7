#pragma once
// The step tree as the tree pane sees it, without the tree control: what a
// node shows, which operations the selection allows, and where a new step
// or button goes. The record tree is the truth; the pane mirrors it.
#include <string>

class CSettings;
class CSettingsList;

// One node of the tree: a record, the list that holds it and the record of
// the node above it (null for a root step).
struct StepNode {
    CSettings* record = nullptr;
    CSettingsList* list = nullptr;
    CSettings* parent = nullptr;

    explicit operator bool() const { return record != nullptr; }
};

// The node of the record, searched from the root list; empty when the
// record is not in the tree.
StepNode FindStepNode(CSettingsList& root, const CSettings* record);

// The node text. A step without a name is given its kind's default name
// first; a button shows "Button: " and its name.
std::string StepDisplayName(CSettings& record);
// Index into the tree's image list of fifteen 16 x 16 pictures.
int StepImageIndex(const CSettings& record);

struct StepTreeFlags {
    bool canAddButton = false;  // the root list holds a menu
    bool canDelete = false;
    bool canRename = false;
    bool canMoveUp = false;
    bool canMoveDown = false;
    bool hasParent = false;  // "Add Submenu" instead of "Add Menu"
};
StepTreeFlags FlagsFor(const CSettingsList& root, const StepNode& selected);

// Where a new record goes: into list, after the given record (at the front
// when null), as a child of parent's node (a root node when null).
struct InsertPlace {
    CSettingsList* list = nullptr;
    const CSettings* after = nullptr;
    CSettings* parent = nullptr;
};

// Add Action and Add Menu: first among a selected button's actions, right
// after any other selected record, first in the root list without a
// selection.
InsertPlace PlaceForNewStep(CSettingsList& root, const StepNode& selected);
// Add Button: the receiving menu's button list and the button it follows;
// no list when the disc has no menu.
InsertPlace PlaceForNewButton(CSettingsList& root, const StepNode& selected);

// After a delete: the next sibling, else the previous one, else the parent.
StepNode NodeToSelectAfterDelete(CSettingsList& root, const StepNode& deleted);
