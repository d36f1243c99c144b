// Dragging a node in the tree with the mouse: the drag image with its marks
// (refused, copy), Ctrl for copying, auto-scroll at the tree's edges, Esc to
// cancel, and the drop by the rules of editor/tree_editing.h. While a drag
// runs, the main window has the mouse and hands its moves, keys and the
// button's release to the drag.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "editor/tree_editing.h"

namespace tessary {

class MainWindow;

class TreeDrag {
public:
    explicit TreeDrag(MainWindow& window) : window_(window) {}
    ~TreeDrag();
    TreeDrag(const TreeDrag&) = delete;
    TreeDrag& operator=(const TreeDrag&) = delete;

    bool active() const { return node_ != kNoNode; }

    // The tree reported that the user started dragging an item; `start` is the
    // cursor in screen coordinates.
    void begin(HTREEITEM item, POINT start);
    // A mouse move in the main window, in screen coordinates.
    void move(POINT cursor);
    // A key went down or up: Ctrl chooses copy or move.
    void keyChanged();
    // The left button was released, in screen coordinates.
    void drop(POINT cursor);
    // Esc: the drag ends and the tree stays as it was.
    void cancel();

private:
    void showMark();
    void releaseMouse();
    void finish();

    MainWindow& window_;
    NodeHandle node_ = kNoNode;
    HIMAGELIST image_ = nullptr;
    HIMAGELIST refusedMark_ = nullptr;
    HIMAGELIST copyMark_ = nullptr;
    HIMAGELIST noMark_ = nullptr;
    bool copy_ = false;
    bool dropAllowed_ = true;
    DropPlace place_;
};

}  // namespace tessary
