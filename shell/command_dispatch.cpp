#include "shell/command_dispatch.h"

#include <commctrl.h>

#include <string>

#include "model/menu_tree.h"
#include "resources/resource.h"
#include "shell/app_state.h"
#include "shell/code_view.h"
#include "documents/command_line.h"
#include "documents/document_session.h"
#include "documents/document_state.h"
#include "editor/command_enabling.h"
#include "platform/program_instance.h"
#include "shell/document_host.h"
#include "shell/document_commands.h"
#include "shell/message_box.h"
#include "shell/status_hints.h"
#include "shell/tree_control.h"

namespace tessary {
namespace {

void openManual(HWND mainWindow) {
    std::string path = programFolder() + kManualName;
    INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(mainWindow, "open", path.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED));
    if (result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE) {
        showStringMessage(mainWindow, IDS_MANUAL_NO_READER, MB_OK | MB_ICONERROR);
    } else if (result == SE_ERR_FNF || result == SE_ERR_PNF) {
        showStringMessage(mainWindow, IDS_MANUAL_MISSING, MB_OK | MB_ICONERROR);
    }
}

// Editing a caption in place: the application menu and local captions refuse;
// while the edit box is open Delete and Enter belong to it.
LRESULT beginCaptionEdit(const TVITEMA& item) {
    NodeHandle node = gApp.treeMirror->nodeOf(item.hItem);
    MenuTree& tree = gApp.treeMirror->tree();
    if (!captionEditAllowed(tree.getKind(node), tree.getUseLocalCaption(node) != 0)) {
        return TRUE;
    }
    gApp.treeKeysActive = false;
    return FALSE;
}

void endCaptionEdit(const TVITEMA& item) {
    gApp.treeKeysActive = true;
    NodeHandle node = gApp.treeMirror->nodeOf(item.hItem);
    if (item.pszText && node != kNoNode) {
        // The typed text becomes the caption as it stands; the control shows the
        // model's caption through the mirror.
        gApp.treeMirror->tree().setCaption(node, item.pszText);
        documentState().setModified(true);
    }
}

void selectAllCode() {
    if (currentTab() == kCodeTab) {
        SetFocus(gApp.codeEdit);
        SendMessageA(gApp.codeEdit, EM_SETSEL, 0, -1);
    }
}

// Text commands act on the code edit while it has the focus.
bool forwardToCodeEdit(UINT commandId) {
    if (currentTab() != kCodeTab || GetFocus() != gApp.codeEdit) {
        return false;
    }
    switch (commandId) {
        case ID_EDIT_CUT:
            SendMessageA(gApp.codeEdit, WM_CUT, 0, 0);
            return true;
        case ID_EDIT_COPY:
            SendMessageA(gApp.codeEdit, WM_COPY, 0, 0);
            return true;
        case ID_EDIT_PASTE:
            SendMessageA(gApp.codeEdit, WM_PASTE, 0, 0);
            return true;
        case ID_EDIT_UNDO:
            SendMessageA(gApp.codeEdit, EM_UNDO, 0, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace

void dispatchCommand(HWND mainWindow, UINT commandId, UINT notifyCode, HWND control) {
    // The code edit has no id: its change notification marks the document modified.
    if (notifyCode == EN_CHANGE) {
        if (control && control == gApp.codeEdit) {
            documentState().setModified(true);
        }
        return;
    }
    if (handleDocumentCommand(mainWindow, commandId)) {
        return;
    }
    if (forwardToCodeEdit(commandId)) {
        return;
    }
    switch (commandId) {
        case ID_EDIT_SELECT_ALL:
            selectAllCode();
            break;
        case ID_MENU_CHECK_SYNTAX:
            if (currentTab() == kCodeTab) {
                checkSyntax(mainWindow);
            }
            break;
        case ID_MENU_COPY_CODE:
            copyCode(mainWindow, false);
            break;
        case ID_MENU_COPY_STRING_CODE:
            copyCode(mainWindow, true);
            break;
        case ID_MENU_PREVIEW:
            showPreview(mainWindow);
            break;
        case ID_MENU_COLLAPSE_ALL:
            if (gApp.tree) {
                gApp.tree->collapseAll();
            }
            break;
        case ID_MENU_EXPAND_ALL:
            if (gApp.tree) {
                gApp.tree->expandAll();
            }
            break;
        case ID_HELP_MANUAL:
            openManual(mainWindow);
            break;
        case ID_HELP_WEB:
            ShellExecuteA(mainWindow, "open", kWebSiteAddress, nullptr, nullptr, SW_SHOWMAXIMIZED);
            break;
        case ID_HELP_WIZARD:
            // A document with unsaved changes stays; the wizard runs in a second copy.
            if (documentState().modified) {
                launchCopy(kLaunchWizard, {});
            }
            break;
        case ID_EDIT_RENAME:
            if (currentTab() == kTreeTab && gApp.tree && gApp.treeMirror) {
                if (HTREEITEM item = gApp.treeMirror->itemOf(gApp.tree->selectedNode())) {
                    SetFocus(gApp.treeControl);
                    SendMessageA(gApp.treeControl, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
                }
            }
            break;
        case ID_CODE_TAB:
            // Tab types a tab character in the code; in the tree it does nothing.
            if (currentTab() == kCodeTab) {
                SendMessageA(gApp.codeEdit, WM_CHAR, '\t', 0);
            }
            break;
        default:
            break;
    }
}

LRESULT onMainWindowNotify(HWND mainWindow, NMHDR* header) {
    if (!header) {
        return 0;
    }
    if (header->hwndFrom == gApp.tabControl && header->code == TCN_SELCHANGE) {
        applyCurrentTab(mainWindow);
        return 0;
    }
    if (header->code == TTN_NEEDTEXTA) {
        // Toolbar tooltips stay empty; their hint goes to the status line.
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(header);
        showCommandHint(static_cast<UINT>(header->idFrom), 0);
        tip->szText[0] = '\0';
        return 0;
    }
    if (header->hwndFrom == gApp.treeControl && gApp.treeMirror) {
        auto* info = reinterpret_cast<NMTREEVIEWA*>(header);
        switch (header->code) {
            case TVN_SELCHANGEDA:
                gApp.treeMirror->onSelectionChanged(*info);
                applyCommandEnabling();
                break;
            case TVN_ITEMEXPANDEDA:
                gApp.treeMirror->onItemExpanded(*info);
                break;
            case TVN_BEGINLABELEDITA:
                return beginCaptionEdit(reinterpret_cast<NMTVDISPINFOA*>(header)->item);
            case TVN_ENDLABELEDITA:
                endCaptionEdit(reinterpret_cast<NMTVDISPINFOA*>(header)->item);
                return FALSE;
            default:
                break;
        }
    }
    return 0;
}

void onDroppedFiles(HWND, HDROP drop) {
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        char path[MAX_PATH] = {};
        if (!DragQueryFileA(drop, i, path, sizeof path)) {
            continue;
        }
        if (i == 0 && !documentState().modified) {
            std::string_view full(path);
            documentSession().requestOpenNamed(folderOf(full), fileNameOf(full));
        } else {
            launchCopy(0, path);
        }
    }
    DragFinish(drop);
}

}  // namespace tessary
