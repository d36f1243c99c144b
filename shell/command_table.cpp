#include "shell/command_table.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "documents/command_line.h"
#include "documents/document_session.h"
#include "editor/small_dialog_rules.h"
#include "platform/program_instance.h"
#include "resources/resource.h"
#include "shell/code_view.h"
#include "shell/dialogs/dialogs.h"
#include "shell/item_commands.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/recent_menu.h"
#include "shell/tree_commands.h"
#include "shell/tree_control.h"
#include "shell/undo_commands.h"
#include "shell/wizard/wizard_frame.h"

namespace tessary {
namespace {

// The product web site and the manual beside the program.
constexpr const char* kWebSiteAddress = "https://www.quorix.example/varnex";
constexpr const char* kManualName = "Tessary 2 Manual.pdf";

// ---- Handlers ----

void openManual(MainWindow& window, UINT) {
    const std::string path = programFolder() + kManualName;
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(window.hwnd(), "open", path.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED));
    if (result == SE_ERR_NOASSOC || result == SE_ERR_ASSOCINCOMPLETE) {
        showStringMessage(window.hwnd(), IDS_MANUAL_NO_READER, MB_OK | MB_ICONERROR);
    } else if (result == SE_ERR_FNF || result == SE_ERR_PNF) {
        showStringMessage(window.hwnd(), IDS_MANUAL_MISSING, MB_OK | MB_ICONERROR);
    }
}

void openWebSite(MainWindow& window, UINT) {
    ShellExecuteA(window.hwnd(), "open", kWebSiteAddress, nullptr, nullptr, SW_SHOWMAXIMIZED);
}

void showWizard(MainWindow& window, UINT) {
    // A document with unsaved changes stays; the wizard runs in a second copy.
    if (window.document().modified) {
        window.program().launchCopy(LaunchRequest::wizard());
        return;
    }
    // Otherwise the wizard runs over the hidden main window, and shows it again.
    ShowWindow(window.hwnd(), SW_HIDE);
    if (!openWizard(window.program())) {
        ShowWindow(window.hwnd(), SW_SHOW);
    }
}

void editPreferences(MainWindow& window, UINT) {
    PreferencesFields fields = readPreferences(window.program().settings);
    if (runPreferencesDialog(window.hwnd(), fields)) {
        writePreferences(window.program().settings, fields);
    }
}

void showAbout(MainWindow& window, UINT) {
    runAboutDialog(window.hwnd());
}

void openRecentFile(MainWindow& window, UINT id) {
    window.session().openRecent(recentMenuPath(GetMenu(window.hwnd()), id));
}

void selectAllCode(MainWindow& window, UINT) {
    if (window.currentTab() == EditorTab::MenuCode) {
        SetFocus(window.controls().codeEdit);
        SendMessageA(window.controls().codeEdit, EM_SETSEL, 0, -1);
    }
}

void renameSelected(MainWindow& window, UINT) {
    if (window.currentTab() != EditorTab::MenuTree) {
        return;
    }
    if (HTREEITEM item = window.mirror().itemOf(window.tree().selected())) {
        SetFocus(window.controls().tree);
        SendMessageA(window.controls().tree, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
    }
}

// Tab types a tab character in the code; in the tree it does nothing.
void typeTab(MainWindow& window, UINT) {
    if (window.currentTab() == EditorTab::MenuCode) {
        SendMessageA(window.controls().codeEdit, WM_CHAR, '\t', 0);
    }
}

void newDocumentAsked(MainWindow& w, UINT) {
    w.session().newDocument(std::nullopt);
}
void newMainMenu(MainWindow& w, UINT) {
    w.session().newDocument(MenuKind::MainMenu);
}
void newContextMenu(MainWindow& w, UINT) {
    w.session().newDocument(MenuKind::ContextMenu);
}
void newPopupMenu(MainWindow& w, UINT) {
    w.session().newDocument(MenuKind::PopupMenu);
}
void newFromTemplate(MainWindow& w, UINT) {
    w.session().newFromTemplate();
}
void openDocument(MainWindow& w, UINT) {
    w.session().openDocument(OpenCommand::WithDialog);
}
void openNamedDocument(MainWindow& w, UINT) {
    w.session().openDocument(OpenCommand::RequestedPath);
}
void save(MainWindow& w, UINT) {
    w.session().saveDocument(SaveCommand::Save);
}
void saveAs(MainWindow& w, UINT) {
    w.session().saveDocument(SaveCommand::SaveAs);
}
void saveAsTemplate(MainWindow& w, UINT) {
    w.session().saveDocument(SaveCommand::SaveAsTemplate);
}
void exitProgram(MainWindow& w, UINT) {
    w.session().confirmExit();
}
void cancelDrag(MainWindow& w, UINT) {
    w.drag().cancel();
}
void collapseAll(MainWindow& w, UINT) {
    w.tree().collapseAll();
}
void expandAll(MainWindow& w, UINT) {
    w.tree().expandAll();
}
void copyPlainCode(MainWindow& w, UINT) {
    copyCode(w, false);
}
void copyStringCode(MainWindow& w, UINT) {
    copyCode(w, true);
}

constexpr CommandHint hint(UINT text) {
    return {text, text};
}

// ---- What the keys of table 220 do in the wizard's frame ----

void wizardSkip(WizardFrame& frame) {  // Esc
    frame.askSkip();
}
void wizardTab(WizardFrame& frame) {
    frame.tab();
}
void wizardCancel(WizardFrame& frame) {  // Alt+F4
    frame.cancel();
}
void wizardCopy(WizardFrame& frame) {
    frame.editField(WM_COPY, 0, 0);
}
void wizardCut(WizardFrame& frame) {
    frame.editField(WM_CUT, 0, 0);
}
void wizardPaste(WizardFrame& frame) {
    frame.editField(WM_PASTE, 0, 0);
}
void wizardUndo(WizardFrame& frame) {
    frame.editField(EM_UNDO, 0, 0);
}
void wizardSelectAll(WizardFrame& frame) {
    frame.editField(EM_SETSEL, 0, -1);
}

constexpr CommandTexts kUndoTexts = {undoItemText, undoTreeHint};
constexpr CommandTexts kRedoTexts = {redoItemText, redoTreeHint};

// ---- The table ----

// clang-format off
const Command kCommands[] = {
    // id                        hint (tree tab, code tab)                  enabling              handler
    //     places                                                  side button, in the wizard, named texts
    {ID_FILE_NEW,                hint(IDS_HINT_NEW),                        Enabling::Always,     newDocumentAsked,
         kOnToolbar | kMainKey,                                    {}},
    {ID_FILE_NEW_MAIN,           hint(IDS_HINT_NEW_MAIN),                   Enabling::Always,     newMainMenu,
         kInMainMenu,                                              {}},
    {ID_FILE_NEW_CONTEXT,        hint(IDS_HINT_NEW_CONTEXT),                Enabling::Always,     newContextMenu,
         kInMainMenu,                                              {}},
    {ID_FILE_NEW_POPUP,          hint(IDS_HINT_NEW_POPUP),                  Enabling::Always,     newPopupMenu,
         kInMainMenu,                                              {}},
    {ID_FILE_NEW_FROM_TEMPLATE,  hint(IDS_HINT_NEW_FROM_TEMPLATE),          Enabling::Always,     newFromTemplate,
         kInMainMenu,                                              {}},
    {ID_FILE_OPEN,               hint(IDS_HINT_OPEN),                       Enabling::Always,     openDocument,
         kInMainMenu | kOnToolbar | kMainKey,                      {}},
    {ID_FILE_OPEN_NAMED,         {},                                        Enabling::Always,     openNamedDocument,
         kPostedOnly,                                              {}},
    // The item that carries the Open Recent submenu; its entries are the four rows below.
    {ID_FILE_OPEN_RECENT,        {},                                        Enabling::Always,     nullptr,
         kInMainMenu,                                              {}},
    {ID_FILE_RECENT_FIRST,       {},                                        Enabling::Always,     openRecentFile,
         kInRecentMenu,                                            {}},
    {ID_FILE_RECENT_FIRST + 1,   {},                                        Enabling::Always,     openRecentFile,
         kInRecentMenu,                                            {}},
    {ID_FILE_RECENT_FIRST + 2,   {},                                        Enabling::Always,     openRecentFile,
         kInRecentMenu,                                            {}},
    {ID_FILE_RECENT_LAST,        {},                                        Enabling::Always,     openRecentFile,
         kInRecentMenu,                                            {}},
    {ID_FILE_SAVE,               hint(IDS_HINT_SAVE),                       Enabling::Always,     save,
         kInMainMenu | kOnToolbar | kMainKey,                      {}},
    {ID_FILE_SAVE_AS,            hint(IDS_HINT_SAVE_AS),                    Enabling::Always,     saveAs,
         kInMainMenu | kMainKey,                                   {}},
    {ID_FILE_SAVE_AS_TEMPLATE,   hint(IDS_HINT_SAVE_AS_TEMPLATE),           Enabling::Always,     saveAsTemplate,
         kInMainMenu,                                              {}},
    {ID_FILE_EXIT,               hint(IDS_HINT_EXIT),                       Enabling::Always,     exitProgram,
         kInMainMenu | kMainKey,                                   {}, wizardCancel},

    {ID_EDIT_UNDO,               hint(IDS_HINT_UNDO),                       Enabling::Undo,       undoChange,
         kInMainMenu | kMainKey,                                   {}, wizardUndo, &kUndoTexts},
    {ID_EDIT_REDO,               hint(IDS_HINT_REDO),                       Enabling::Redo,       redoChange,
         kInMainMenu | kMainKey,                                   {}, nullptr, &kRedoTexts},
    {ID_EDIT_CUT,                {IDS_HINT_CUT_NODE, IDS_HINT_CUT_TEXT},    Enabling::Always,     cutItem,
         kInMainMenu | kInContextMenu | kMainKey,                  {}, wizardCut},
    {ID_EDIT_COPY,               {IDS_HINT_COPY_NODE, IDS_HINT_COPY_TEXT},  Enabling::Always,     copyItem,
         kInMainMenu | kInContextMenu | kMainKey,                  {}, wizardCopy},
    {ID_EDIT_PASTE,              {IDS_HINT_PASTE_NODE, IDS_HINT_PASTE_TEXT}, Enabling::Paste,     pasteItem,
         kInMainMenu | kInContextMenu | kMainKey,                  {}, wizardPaste},
    {ID_EDIT_SELECT_ALL,         hint(IDS_HINT_SELECT_ALL),                 Enabling::CodeTab,    selectAllCode,
         kInMainMenu | kMainKey,                                   {}, wizardSelectAll},
    {ID_EDIT_GOTO_LINE,          hint(IDS_HINT_GOTO_LINE),                  Enabling::CodeTab,    goToLine,
         kInMainMenu | kMainKey,                                   {}},
    {ID_EDIT_PREFERENCES,        hint(IDS_HINT_PREFERENCES),                Enabling::Always,     editPreferences,
         kInMainMenu,                                              {}},
    {ID_EDIT_RENAME,             {},                                        Enabling::Always,     renameSelected,
         kMainKey,                                                 {}},
    {ID_CODE_TAB,                {},                                        Enabling::Always,     typeTab,
         kMainKey,                                                 {}, wizardTab},

    {ID_MENU_ADD_MENU,           hint(IDS_HINT_ADD_MENU),                   Enabling::TreeTab,    addMenu,
         kInMainMenu | kInContextMenu | kOnSideButton | kMainKey,  {1, IDS_BUTTON_ADD_MENU}},
    {ID_MENU_ADD_SCRIPT,         hint(IDS_HINT_ADD_SCRIPT),                 Enabling::TreeItem,   addScript,
         kInMainMenu | kInContextMenu | kOnSideButton | kMainKey,  {2, IDS_BUTTON_ADD_SCRIPT}},
    {ID_MENU_ADD_FM_ITEM,        hint(IDS_HINT_ADD_FM_ITEM),                Enabling::TreeTab,    addFmItem,
         kInMainMenu | kInContextMenu | kOnSideButton | kMainKey,  {3, IDS_BUTTON_ADD_FM_ITEM}},
    {ID_MENU_ADD_SEPARATOR,      hint(IDS_HINT_ADD_SEPARATOR),              Enabling::TreeItem,   addSeparator,
         kInMainMenu | kInContextMenu | kOnSideButton | kMainKey,  {4, IDS_BUTTON_ADD_SEPARATOR}},
    {ID_MENU_PROPERTIES,         hint(IDS_HINT_PROPERTIES),                 Enabling::TreeSelection, editItemProperties,
         kInMainMenu | kInContextMenu | kOnSideButton | kTreeKey,  {5, IDS_BUTTON_PROPERTIES}},
    {ID_MENU_DELETE,             hint(IDS_HINT_DELETE),                     Enabling::TreeSelection, deleteItem,
         kInMainMenu | kInContextMenu | kOnSideButton | kTreeKey,  {6, IDS_BUTTON_DELETE}},
    {ID_MENU_MOVE_UP,            hint(IDS_HINT_MOVE_UP),                    Enabling::TreeMovable, moveItemUp,
         kInMainMenu | kInContextMenu | kMainKey,                  {}},
    {ID_MENU_MOVE_DOWN,          hint(IDS_HINT_MOVE_DOWN),                  Enabling::TreeMovable, moveItemDown,
         kInMainMenu | kInContextMenu | kMainKey,                  {}},
    {ID_CANCEL_DRAG,             {},                                        Enabling::Always,     cancelDrag,
         kMainKey,                                                 {}, wizardSkip},
    {ID_MENU_COLLAPSE_ALL,       hint(IDS_HINT_COLLAPSE_ALL),               Enabling::Always,     collapseAll,
         kInMainMenu | kMainKey,                                   {}},
    {ID_MENU_EXPAND_ALL,         hint(IDS_HINT_EXPAND_ALL),                 Enabling::Always,     expandAll,
         kInMainMenu | kMainKey,                                   {}},
    {ID_MENU_CHECK_SYNTAX,       hint(IDS_HINT_CHECK_SYNTAX),               Enabling::CodeTab,    checkSyntax,
         kInMainMenu | kMainKey,                                   {}},
    {ID_MENU_PREVIEW,            hint(IDS_HINT_PREVIEW),                    Enabling::Always,     showPreview,
         kInMainMenu | kOnSideButton | kMainKey,                   {7, IDS_BUTTON_PREVIEW}},
    {ID_MENU_COPY_STRING_CODE,   hint(IDS_HINT_COPY_STRING_CODE),           Enabling::Always,     copyStringCode,
         kInMainMenu | kOnSideButton,                              {8, IDS_BUTTON_COPY_STRING_CODE}},
    {ID_MENU_COPY_CODE,          hint(IDS_HINT_COPY_CODE),                  Enabling::Always,     copyPlainCode,
         kInMainMenu | kOnSideButton | kMainKey,                   {9, IDS_BUTTON_COPY_CODE}},

    {ID_HELP_MANUAL,             hint(IDS_HINT_MANUAL),                     Enabling::Always,     openManual,
         kInMainMenu | kMainKey,                                   {}},
    {ID_HELP_WEB,                hint(IDS_HINT_WEB),                        Enabling::Always,     openWebSite,
         kInMainMenu,                                              {}},
    {ID_HELP_WIZARD,             hint(IDS_HINT_WIZARD),                     Enabling::Always,     showWizard,
         kInMainMenu,                                              {}},
    {ID_HELP_ABOUT,              {},                                        Enabling::Always,     showAbout,
         kInMainMenu,                                              {}},
};
// clang-format on

}  // namespace

std::span<const Command> commandTable() {
    return kCommands;
}

const Command* findCommand(UINT commandId) {
    for (const Command& command : kCommands) {
        if (command.id == commandId) {
            return &command;
        }
    }
    return nullptr;
}

}  // namespace tessary
