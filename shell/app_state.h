// The program-wide handles and flags of the editor: one instance, owned by the shell.
#pragma once

#include <windows.h>

#include "model/node_handle.h"

namespace tessary {

class MenuTree;
class TreeViewMirror;

struct AppState {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND statusBar = nullptr;
    HWND toolbar = nullptr;
    HWND tabControl = nullptr;
    HWND treeControl = nullptr;
    HWND codeEdit = nullptr;
    HWND topLine = nullptr;
    HWND buttonLine = nullptr;
    HWND sideButtons[9] = {};
    HWND wizardFrame = nullptr;
    HMENU contextMenu = nullptr;
    HACCEL accelMain = nullptr;
    HACCEL accelTree = nullptr;
    // The document's menu, mirrored into treeControl; owned by the shell.
    MenuTree* tree = nullptr;
    TreeViewMirror* treeMirror = nullptr;
    // The node that the tree's Cut or Copy remembered; a stale handle means none.
    NodeHandle clipNode = kNoNode;
    // Accelerator table 221 (Delete, Enter) applies only while the tree has the keys.
    bool treeKeysActive = true;
};

extern AppState gApp;

}  // namespace tessary
