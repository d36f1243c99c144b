// The main window of class "VarnexMain": one object per window, kept with its
// HWND, owning the window's controls, its document (state, session, host), the
// MenuTree its tree control mirrors with its undo history, and the tree's
// editing state.
#pragma once

#include <windows.h>

#include <memory>

#include "documents/document_session.h"
#include "documents/document_state.h"
#include "editor/command_enabling.h"
#include "editor/main_window_layout.h"
#include "editor/tree_editing.h"
#include "model/menu_tree.h"
#include "model/tree_history.h"
#include "shell/document_host.h"
#include "shell/tree_drag.h"

namespace tessary {

struct Program;
class TreeViewMirror;

constexpr int kSideButtonCount = kMainSideButtonCount;

// The child controls, in creation order.
struct MainWindowControls {
    HWND statusBar = nullptr;
    HWND toolbar = nullptr;
    HWND tabControl = nullptr;
    HWND topLine = nullptr;
    HWND buttonLine = nullptr;
    HWND tree = nullptr;
    HWND codeEdit = nullptr;
    // By position down the right edge: Add Menu ... Copy Code.
    HWND sideButtons[kSideButtonCount] = {};
    // The tree's context menu: the first submenu of its menu resource.
    HMENU contextMenu = nullptr;
};

// How a main window starts.
struct MainWindowOptions {
    bool show = true;      // shown and brought to the front
    bool untitled = true;  // named "Untitled Menu Project"
};

class MainWindow {
public:
    // Creates a main window (registering its class when needed) centred on the
    // desktop, as the options say. It becomes the program's main window. Null
    // when the window cannot be made. The object lives until its window is
    // destroyed.
    static MainWindow* create(Program& program, const MainWindowOptions& options = {});
    // The object of a main window, or of the main window a child control or
    // menu of it belongs to; null for any other window.
    static MainWindow* from(HWND window);

    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND hwnd() const { return window_; }
    Program& program() { return program_; }
    const MainWindowControls& controls() const { return controls_; }
    MenuTree& tree() { return tree_; }
    // The undo history of the tree.
    TreeHistory& history() { return history_; }
    TreeViewMirror& mirror() { return *mirror_; }
    DocumentState& document() { return document_; }
    DocumentSession& session() { return session_; }

    // The tab shown: the tab control's selection.
    EditorTab currentTab() const;
    // The side button that carries a command, or null.
    HWND sideButton(UINT commandId) const;
    // The screen's DPI the window is laid out for, and its smallest size there
    // (also its size at the first start), within the screen's work area.
    int dpi() const { return dpi_; }
    WindowSize minimumSize() const { return minimumSize_; }

    // Accelerator table 221 (Delete, Enter) applies only while the tree tab is
    // shown.
    bool treeKeysActive = true;
    // A caption is being edited in place: every key is then the edit box's.
    bool captionEditOpen() const;
    // The node that the tree's Cut or Copy remembered.
    NodeClipboard clipboard;
    // A node being dragged in the tree.
    TreeDrag& drag() { return drag_; }

private:
    explicit MainWindow(Program& program);
    ~MainWindow();
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void layout();
    // The width of the widest side-button label in the buttons' font.
    static int longestSideButtonLabel();

    Program& program_;
    HWND window_ = nullptr;
    MainWindowControls controls_;
    HMENU contextMenus_ = nullptr;  // the loaded menu resource holding the context menu
    int dpi_ = kDesignDpi;
    int buttonWidth_ = 0;  // of the side buttons, fitting their longest label
    WindowSize minimumSize_;
    HFONT codeFont_ = nullptr;
    MenuTree tree_;
    TreeHistory history_{tree_};
    std::unique_ptr<TreeViewMirror> mirror_;
    DocumentState document_;
    ShellDocumentHost host_;
    DocumentSession session_;
    TreeDrag drag_;
};

}  // namespace tessary
