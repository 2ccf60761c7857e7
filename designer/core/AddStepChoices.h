#pragma once
// The entries of the Add Action and Add Button dialog: what each adds, its
// picture and description, and in which mode it is offered. The list shows
// them sorted by text.
#include <cstdint>
#include <string>
#include <vector>

struct AddStepChoice {
    const char* text;
    std::int32_t settingType;  // the record kind to create
    std::int32_t actionKind;   // 101-108 for actions, 0 otherwise
    bool standardViewer;       // the install comes from a standard viewer
    int bitmap;                // 32 x 32 picture, resource 384-398
    int description;           // string-table id of the description
};

enum class AddStepMode { kAction, kButton };

// The entries offered, sorted by text (any case). "Install standard viewer"
// only when a standard viewer is defined; in button mode no license,
// security, splash or message entries.
std::vector<AddStepChoice> AddStepChoices(AddStepMode mode, bool standardViewerDefined);

// The entry to select on opening: the one that adds the kind (and action
// kind) given, else the first; -1 for an empty list.
int InitialChoice(const std::vector<AddStepChoice>& choices, std::int32_t settingType, std::int32_t actionKind);
