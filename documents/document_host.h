// What the document rules need from the editor around them: the MenuTree and
// its loader and writer, the code edit and the tabs, the dialogs and messages,
// and the program-level actions (a second copy, the recent-list broadcast,
// Open Named Document, quitting). The shell implements it over the main
// window; tests use a scripted fake.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "documents/command_line.h"
#include "menucode/code_tree.h"
#include "model/menu_item_record.h"

namespace tessary {

// A tree that menu code is loaded into: the main window's MenuTree, or a
// chooser's own tree.
class TreeLoader {
public:
    virtual ~TreeLoader() = default;
    virtual void clearTree() = 0;
    // Appends the text's nodes as kind.
    virtual LoadResult loadText(std::string_view text, MenuKind kind, bool fromEditor) = 0;
    virtual void collapseAll() = 0;
};

struct FileDialogRequest {
    bool save = false;             // a save dialog (prompts before overwriting) or an open dialog
    std::string title;             // "Open file...", "Pick template...", "Save file as..."
    std::string filter;            // display / pattern pairs, each part followed by '|'
    int filterIndex = 1;           // the preselected pair, from 1
    std::string initialFolder;     // empty: none
    std::string initialFile;       // save: the proposed path
    std::string defaultExtension;  // without the dot; empty: none
};

// Messages the document rules show; the shell words them.
enum class DocumentMessage {
    ParseError,         // "Error parsing file content!"
    RecentFileMissing,  // string 326 with the path
    FileTooLarge,       // the path
    OpenFailed,         // the path and the reason
    SaveFailed,         // the path and the reason
    CodeNotWritable,    // the tree cannot be written as menu code
};

enum class SaveAnswer { Yes, No, Cancel };

// The main window, of this copy of the program or of another, whose document
// is a given file.
enum class DocumentHolder { None, ThisWindow, OtherWindow };

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // ---- The document's content ----
    virtual TreeLoader& documentTree() = 0;
    // Loads the text into a throwaway tree as kind (loader flag 1) and returns
    // the loader's result; the document's tree is not touched.
    virtual LoadResult trialLoad(std::string_view text, MenuKind kind) = 0;
    // The menu code of the document's tree, plain form. False when the writer
    // refuses a node or the text does not fit the document buffer.
    virtual bool generateCode(MenuKind kind, std::string& text) = 0;
    virtual std::string codeText() = 0;
    virtual void setCodeText(std::string_view text) = 0;
    // Whether the "Menu Code" tab is shown (else the "Menu Tree" tab is).
    virtual bool codeTabShown() = 0;
    // The handling of a tab change for the current tab, and its command enabling.
    virtual void reapplyCurrentTab() = 0;
    virtual void applyTabEnabling() = 0;
    // Shows the "Menu Code" tab with its command enabling, without writing the
    // tree's code into the edit: the text set next is what it shows.
    virtual void showCodeTab() = 0;
    // Selects the line of the code edit's text that a syntax error names
    // (counted over non-empty lines) and gives the edit the focus.
    virtual void selectCodeLine(int line) = 0;

    // ---- Dialogs and messages ----
    // The "New menu" dialog: the chosen kind, none for Cancel.
    virtual std::optional<MenuKind> chooseNewMenuKind() = 0;
    // False when cancelled.
    virtual bool chooseFile(const FileDialogRequest& request, std::string& path) = 0;
    virtual void report(DocumentMessage message, std::string_view path = {}, std::string_view reason = {}) = 0;
    // "Save changes to %s?"
    virtual SaveAnswer askSaveChanges(std::string_view documentName) = 0;
    // "Syntax incorrect in line %d"
    virtual void reportSyntaxError(int line) = 0;
    // "The menu code has a syntax error in line %d. Save it anyway?": true for Yes.
    virtual bool askSaveWithSyntaxError(int line) = 0;

    // ---- The program ----
    virtual void quit() = 0;
    // Starts a second copy of the program.
    virtual void launchInstance(const LaunchRequest& request) = 0;
    // Which main window holds the document at the path (its full path,
    // compared as Windows compares paths); another one comes to the front.
    virtual DocumentHolder showWindowHolding(const std::string& path) = 0;
    // Every running copy reloads its Open Recent submenu.
    virtual void broadcastRecentChanged() = 0;
    // Posts Open Named Document to the main window.
    virtual void postOpenNamed() = 0;
    // The document's text was written to its file: what the editor holds now
    // is the saved document (the undo history's saved state).
    virtual void documentSaved() = 0;
};

}  // namespace tessary
