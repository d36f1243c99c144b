// The document side of the editor as the main window uses it: the one
// DocumentState and DocumentSession of the program, the settings store and
// the files behind them, and the host that connects the document rules to the
// main window's tree, code edit and tabs. Controls that do not exist (yet) are
// treated as empty.
#pragma once

#include <windows.h>

#include <string_view>

#include "documents/document_host.h"

namespace tessary {

class DocumentFiles;
class DocumentSession;
class DocumentState;
class MenuTree;
class SettingsStore;

// Loads menu code into a MenuTree (the main window's or a chooser's own).
// Without a tree nothing is loaded and every load fails in line 1.
class MenuTreeLoader : public TreeLoader {
public:
    explicit MenuTreeLoader(MenuTree* tree) : tree_(tree) {}
    void clearTree() override;
    LoadResult loadText(std::string_view text, MenuKind kind, bool fromEditor) override;
    void collapseAll() override;

private:
    MenuTree* tree_;
};

DocumentState& documentState();
DocumentSession& documentSession();
SettingsStore& settingsStore();
DocumentFiles& documentFiles();

// What the document commands ask of the rest of the main window, set by it:
// the "New menu" dialog (returns 0, 1, 2 or -1 for Cancel; without one, New
// makes a main menu) and the command enabling of the current tab.
void setNewMenuChooser(int (*chooser)(HWND owner));
void setCommandEnabling(void (*apply)());

// Starts a second copy of the program (launchInstance's kinds). Tests replace
// the launcher so that no program starts; null restores the shell's.
void launchCopy(int kind, std::string_view path);
void setInstanceLauncher(void (*launcher)(int kind, std::string_view path));

}  // namespace tessary
