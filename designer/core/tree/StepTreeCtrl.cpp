#include "StepTreeCtrl.h"

#include <commctrl.h>

#include <vector>

#include "Settings.h"
#include "SettingsList.h"
#include "StepPictures.h"

void CStepTreeCtrl::LoadImages() {
    // In the order of the image indexes StepImageIndex gives.
    images_ = LoadStepPictures(16, {386, 385, 384, 387, 388, 389, 390, 391, 392, 393, 394, 395, 396, 397, 398});
    SetImageList(images_.Get());
}

HTREEITEM CStepTreeCtrl::InsertNode(const StepNode& node, HTREEITEM parent, HTREEITEM after) {
    auto owned = std::make_unique<StepNode>(node);
    const StepNode* data = owned.get();
    HTREEITEM item = Insert(parent, after, StepDisplayName(*node.record), StepImageIndex(*node.record), LPARAM(data));
    if (!item) return nullptr;
    nodes_.emplace(data, std::move(owned));
    if (CSettingsList* children = node.record->ChildList()) {
        for (const auto& child : *children) InsertNode({child.get(), children, node.record}, item, TVI_LAST);
        Expand(item);
    }
    return item;
}

HTREEITEM CStepTreeCtrl::InsertAtListPosition(const StepNode& node) {
    HTREEITEM parent = node.parent ? ItemOf(node.parent) : nullptr;
    HTREEITEM after = TVI_FIRST;
    const int position = node.list->IndexOf(node.record);
    HTREEITEM sibling = parent ? FirstChild(parent) : Root();
    for (int i = 0; i < position && sibling; ++i) {
        after = sibling;
        sibling = NextSibling(sibling);
    }
    HTREEITEM item = InsertNode(node, parent, after);
    if (parent) Expand(parent);
    return item;
}

void CStepTreeCtrl::DeleteNode(HTREEITEM item) {
    if (!item) return;
    // The control may still ask for the item while it deletes it: release
    // the data only once the node is gone.
    std::unordered_map<const StepNode*, std::unique_ptr<StepNode>> released;
    std::vector<HTREEITEM> pending{item};
    while (!pending.empty()) {
        HTREEITEM next = pending.back();
        pending.pop_back();
        for (HTREEITEM child = FirstChild(next); child; child = NextSibling(child)) pending.push_back(child);
        auto found = nodes_.find(NodeOf(next));
        if (found != nodes_.end()) {
            released.insert(nodes_.extract(found));
        }
    }
    Delete(item);
}

void CStepTreeCtrl::DeleteAllNodes() {
    DeleteAll();
    nodes_.clear();
}

const StepNode* CStepTreeCtrl::NodeOf(HTREEITEM item) const {
    return item ? reinterpret_cast<const StepNode*>(Data(item)) : nullptr;
}

StepNode CStepTreeCtrl::SelectedNode() const {
    const StepNode* node = NodeOf(Selection());
    return node ? *node : StepNode{};
}

HTREEITEM CStepTreeCtrl::FindFrom(HTREEITEM first, const CSettings* record) const {
    for (HTREEITEM item = first; item; item = NextSibling(item)) {
        const StepNode* node = NodeOf(item);
        if (node && node->record == record) return item;
        if (HTREEITEM below = FindFrom(FirstChild(item), record)) return below;
    }
    return nullptr;
}

HTREEITEM CStepTreeCtrl::ItemOf(const CSettings* record) const { return record ? FindFrom(Root(), record) : nullptr; }

HTREEITEM CStepTreeCtrl::ItemAt(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    HTREEITEM item = TreeView_HitTest(Handle(), &hit);
    return (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

void CStepTreeCtrl::RefreshText(HTREEITEM item) {
    if (const StepNode* node = NodeOf(item)) SetText(item, StepDisplayName(*node->record));
}

CStepTreeCtrl::RedrawPause::RedrawPause(CStepTreeCtrl& tree) : tree_(tree.Handle()) {
    SendMessageA(tree_, WM_SETREDRAW, FALSE, 0);
}

CStepTreeCtrl::RedrawPause::~RedrawPause() {
    SendMessageA(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}
