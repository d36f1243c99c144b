// The document commands of one running copy: New (three kinds), New From
// Template, Open and Open Named Document, Open Recent, Save, Save As, Save As
// Template, the save-changes prompt on exit, and the command line. They act on
// the DocumentState through the host, the files and the settings store.
//
// A document with unsaved changes is never replaced in its window: New, New
// From Template and Open start a second copy of the program instead. A save
// writes the whole text or nothing: the previous file stays until the new one
// is complete, and a failure leaves the document marked as changed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "documents/document_files.h"
#include "documents/document_host.h"
#include "documents/document_state.h"
#include "documents/settings_store.h"

namespace tessary {

// The open and save dialogs' filters: display / pattern pairs, each part
// followed by '|'.
constexpr const char* kOpenFilter =
    "Menu bar files (*.tsmb)|*.tsmb|Context/PopUp Menu files (*.tsmn)|*.tsmn|Template files (*.qxtf)|*.qxtf|"
    "All Menu files (*.tsmb;*.tsmn;*.qxtf)|*.tsmb;*.tsmn;*.qxtf|";
constexpr const char* kTemplateFilter = "Template files (*.qxtf)|*.qxtf|";
constexpr const char* kMenuBarFilter = "Menu bar files (*.tsmb)|*.tsmb|";
constexpr const char* kContextMenuFilter = "Context/PopUp Menu files (*.tsmn)|*.tsmn|";

// The name a document is proposed under as a template: its extension replaced
// by "qxtf" (Orders.tsmn -> Orders.qxtf), ".qxtf" added to a name without one.
std::string templateNameFor(std::string_view documentName);

// Save keeps the document's name and folder when it has usable ones; Save As
// always asks for them; Save As Template asks too, proposing the templates
// folder and the name with ".qxtf".
enum class SaveCommand { Save, SaveAs, SaveAsTemplate };
// Open... with the file dialog, or Open Named Document with the file named
// through requestOpenNamed.
enum class OpenCommand { WithDialog, RequestedPath };

class DocumentSession {
public:
    DocumentSession(DocumentState& state, DocumentHost& host, DocumentFiles& files, SettingsStore& settings)
        : state_(state), host_(host), files_(files), settings_(settings) {}

    DocumentState& state() { return state_; }

    // New Main Menu / Context Menu / Pop-Up Menu; without a kind the "New menu"
    // dialog asks for one.
    void newDocument(std::optional<MenuKind> kind);
    void newFromTemplate();
    // Menu code with a syntax error opens in the "Menu Code" tab with the
    // failing line selected; a file that is too large, cannot be read or holds
    // NUL bytes without reading as menu code is refused. A file that another
    // main window holds brings that window forward instead, and the file this
    // window holds with unsaved changes is not opened again; with unsaved
    // changes any other file opens in a second copy.
    void openDocument(OpenCommand command);
    // Names the file for Open Named Document and posts the command.
    void requestOpenNamed(std::string_view folder, std::string_view name);
    // True when the text was written. From the "Menu Code" tab, code with a
    // syntax error is written only when the user agrees; else its failing line
    // is selected.
    bool saveDocument(SaveCommand command);
    // Exit: asks to save unsaved changes, then quits; stays when cancelled or
    // when the asked-for save did not happen.
    void confirmExit();
    // An Open Recent entry: opens it, or reports and drops it when it is gone.
    void openRecent(std::string_view path);
    // Puts the path at the front of the recent-file list and tells every copy.
    void addRecentFile(std::string_view path);
    // The command line once the main window exists (no wizard).
    void applyCommandLine(std::string_view commandLine);

private:
    // The document becomes one of the kind. Every change of kind goes through
    // here, once the tree holds the new document: which commands are enabled
    // depends on the kind (a menu bar takes no items at its top level).
    void takeMenuKind(MenuKind kind);
    // The bytes of a document file; reports a file that cannot be read.
    bool readDocument(const std::string& path, std::string& bytes);

    DocumentState& state_;
    DocumentHost& host_;
    DocumentFiles& files_;
    SettingsStore& settings_;
    std::string requestedFolder_;
    std::string requestedName_;
};

}  // namespace tessary
