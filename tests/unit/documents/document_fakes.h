// Scripted fakes of the document host and files for the document rules' tests.
// The fake loader accepts a text as the kind its first word names ("main",
// "context", "popup") and reports any other kind's code as another kind; a
// text starting with anything else fails in line 1, and one holding "!N"
// (a number) fails as its own kind in line N. Every call the rules make of the
// host lands in `calls`, in order.
#pragma once

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "documents/command_line.h"
#include "documents/document_files.h"
#include "documents/document_host.h"

namespace tessary::test {

inline const char* kindWord(MenuKind kind) {
    switch (kind) {
        case MenuKind::ContextMenu: return "context";
        case MenuKind::PopupMenu: return "popup";
        default: return "main";
    }
}

inline LoadResult fakeLoad(std::string_view text, MenuKind kind) {
    const size_t error = text.find('!');
    const int line = error == std::string_view::npos ? 1 : std::atoi(std::string(text.substr(error + 1)).c_str());
    const LoadResult failure = LoadResult::failedAt(line);
    for (MenuKind other : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        if (text.starts_with(kindWord(other))) {
            if (other != kind) {
                return LoadResult::otherKind();
            }
            return error == std::string_view::npos ? LoadResult::accepted() : failure;
        }
    }
    return failure;
}

class FakeTree : public TreeLoader {
public:
    void clearTree() override { content.clear(); }
    LoadResult loadText(std::string_view text, MenuKind kind, bool fromEditor) override {
        loads.push_back(std::string(kindWord(kind)) + (fromEditor ? "/editor" : "/file"));
        LoadResult result = fakeLoad(text, kind);
        content += text;  // appends, as the real loader keeps what it read
        return result;
    }
    void collapseAll() override { ++collapses; }

    std::string content;
    std::vector<std::string> loads;
    int collapses = 0;
};

class FakeHost : public DocumentHost {
public:
    TreeLoader& documentTree() override { return tree; }
    LoadResult trialLoad(std::string_view text, MenuKind kind) override {
        calls.push_back(std::string("trial ") + kindWord(kind));
        return fakeLoad(text, kind);
    }
    bool generateCode(MenuKind, std::string& text) override {
        if (refuseCode) {
            return false;
        }
        text = tree.content;
        return true;
    }
    std::string codeText() override { return code; }
    void setCodeText(std::string_view text) override { code = text; }
    bool codeTabShown() override { return codeTab; }
    void reapplyCurrentTab() override { calls.push_back("reapplyTab"); }
    void applyTabEnabling() override { calls.push_back("enabling"); }
    void showCodeTab() override {
        calls.push_back("showCodeTab");
        codeTab = true;
    }
    void selectCodeLine(int line) override { calls.push_back("selectLine " + std::to_string(line)); }

    std::optional<MenuKind> chooseNewMenuKind() override {
        calls.push_back("newMenuDialog");
        return newMenuAnswer;
    }
    bool chooseFile(const FileDialogRequest& request, std::string& path) override {
        requests.push_back(request);
        if (dialogAnswers.empty()) {
            return false;
        }
        path = dialogAnswers.front();
        dialogAnswers.erase(dialogAnswers.begin());
        return !path.empty();
    }
    void report(DocumentMessage message, std::string_view path, std::string_view reason) override {
        reports.push_back({message, std::string(path), std::string(reason)});
    }
    SaveAnswer askSaveChanges(std::string_view name) override {
        askedName = name;
        return saveAnswer;
    }
    void reportSyntaxError(int line) override { calls.push_back("syntaxError " + std::to_string(line)); }
    bool askSaveWithSyntaxError(int line) override {
        calls.push_back("askSaveWithError " + std::to_string(line));
        return saveWithError;
    }
    void quit() override { calls.push_back("quit"); }
    void launchInstance(const LaunchRequest& request) override { launches.push_back(launchParameters(request)); }
    DocumentHolder showWindowHolding(const std::string& path) override {
        const auto holder = holders.find(path);
        return holder == holders.end() ? DocumentHolder::None : holder->second;
    }
    void broadcastRecentChanged() override { ++broadcasts; }
    void postOpenNamed() override { ++openNamedPosts; }
    void documentSaved() override { ++saves; }

    struct Report {
        DocumentMessage message;
        std::string path;
        std::string reason;
    };

    FakeTree tree;
    std::string code;
    bool codeTab = false;
    bool refuseCode = false;
    std::optional<MenuKind> newMenuAnswer;  // none: Cancel
    std::vector<std::string> dialogAnswers;  // an empty answer cancels
    std::vector<FileDialogRequest> requests;
    std::vector<Report> reports;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    bool saveWithError = false;
    std::string askedName;
    std::vector<std::string> calls;
    std::vector<std::string> launches;
    std::map<std::string, DocumentHolder> holders;  // the windows holding a path; none for any other
    int broadcasts = 0;
    int openNamedPosts = 0;
    int saves = 0;  // documentSaved calls
};

class FakeFiles : public DocumentFiles {
public:
    ReadStatus readFile(const std::string& path, size_t limit, std::string& bytes, std::string& reason) override {
        auto found = files.find(path);
        if (found == files.end()) {
            reason = "not found";
            return ReadStatus::CannotOpen;
        }
        if (found->second.size() >= limit) {
            return ReadStatus::TooLarge;
        }
        bytes = found->second;
        return ReadStatus::Ok;
    }
    std::string writeFile(const std::string& path, std::string_view bytes) override {
        if (readOnly.count(path)) {
            return "Access denied.";
        }
        files[path] = std::string(bytes);
        return {};
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) override {
        std::string extension = pattern.substr(1);
        std::vector<std::string> names;
        for (const std::string& path : order) {
            if (path.starts_with(folder) && path.find('\\', folder.size()) == std::string::npos &&
                path.ends_with(extension)) {
                names.push_back(path.substr(folder.size()));
            }
        }
        return names;
    }
    std::string programFolder() override { return program; }

    // Adds a file, remembering the order in which the "file system" lists it.
    void add(const std::string& path, std::string bytes) {
        files[path] = std::move(bytes);
        order.push_back(path);
    }

    std::map<std::string, std::string> files;
    std::vector<std::string> order;
    std::set<std::string> readOnly;
    std::string program = "C:\\Tessary\\";
};

}  // namespace tessary::test
