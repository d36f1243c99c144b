// The host through which a main window's document rules reach the window: its
// tree, code edit and tabs, its dialogs and messages, and the program's
// actions (a second copy, the recent-list broadcast, Open Named Document,
// quitting).
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "documents/document_host.h"

namespace tessary {

class MainWindow;
class MenuTree;
class TreeHistory;

// Loads menu code into a MenuTree (the main window's or a chooser's own). A
// document's tree comes with its history, which starts anew with each
// document emptied or loaded.
class MenuTreeLoader : public TreeLoader {
public:
    explicit MenuTreeLoader(MenuTree& tree, TreeHistory* history = nullptr) : tree_(tree), history_(history) {}
    void clearTree() override;
    LoadResult loadText(std::string_view text, MenuKind kind, bool fromEditor) override;
    void collapseAll() override;

private:
    MenuTree& tree_;
    TreeHistory* history_;
};

class ShellDocumentHost : public DocumentHost {
public:
    explicit ShellDocumentHost(MainWindow& window);

    TreeLoader& documentTree() override { return loader_; }
    LoadResult trialLoad(std::string_view text, MenuKind kind) override;
    bool generateCode(MenuKind kind, std::string& text) override;
    std::string codeText() override;
    void setCodeText(std::string_view text) override;
    bool codeTabShown() override;
    void reapplyCurrentTab() override;
    void applyTabEnabling() override;
    void showCodeTab() override;
    void selectCodeLine(int line) override;
    std::optional<MenuKind> chooseNewMenuKind() override;
    bool chooseFile(const FileDialogRequest& request, std::string& path) override;
    void report(DocumentMessage message, std::string_view path, std::string_view reason) override;
    SaveAnswer askSaveChanges(std::string_view documentName) override;
    void reportSyntaxError(int line) override;
    bool askSaveWithSyntaxError(int line) override;
    void quit() override;
    void launchInstance(const LaunchRequest& request) override;
    DocumentHolder showWindowHolding(const std::string& path) override;
    void broadcastRecentChanged() override;
    void postOpenNamed() override;
    void documentSaved() override;

private:
    MainWindow& window_;
    MenuTreeLoader loader_;
};

}  // namespace tessary
