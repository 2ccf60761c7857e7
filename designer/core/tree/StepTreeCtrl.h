#pragma once
// The step tree control: one node per record, mirroring the record tree. Each
// node carries a StepNode (the record, its list and its parent record) that
// this control owns and releases with the node.
#include <windows.h>

#include <memory>
#include <unordered_map>

#include "controls/ImageList.h"
#include "StepTree.h"
#include "controls/TreeView.h"

class CStepTreeCtrl : public wingui::CTreeView {
public:
    // The fifteen node pictures, 16 x 16, from the step bitmaps.
    void LoadImages();

    // Inserts the node after the given sibling (TVI_FIRST, TVI_LAST) with
    // the nodes of its buttons or actions below it, expanded.
    HTREEITEM InsertNode(const StepNode& node, HTREEITEM parent, HTREEITEM after);
    // The same at the place its record holds in its list.
    HTREEITEM InsertAtListPosition(const StepNode& node);
    // Deletes the node and the ones below it, releasing their StepNodes.
    void DeleteNode(HTREEITEM item);
    void DeleteAllNodes();

    const StepNode* NodeOf(HTREEITEM item) const;
    StepNode SelectedNode() const;
    HTREEITEM ItemOf(const CSettings* record) const;
    HTREEITEM ItemAt(POINT client) const;
    // The node of the record shows its current display name.
    void RefreshText(HTREEITEM item);

    // While it lives the control does not redraw for every node changed: it
    // is drawn once afterwards.
    class RedrawPause {
    public:
        explicit RedrawPause(CStepTreeCtrl& tree);
        ~RedrawPause();
        RedrawPause(const RedrawPause&) = delete;
        RedrawPause& operator=(const RedrawPause&) = delete;

    private:
        HWND tree_;
    };

private:
    HTREEITEM FindFrom(HTREEITEM first, const CSettings* record) const;

    wingui::ImageList images_;
    std::unordered_map<const StepNode*, std::unique_ptr<StepNode>> nodes_;
};
