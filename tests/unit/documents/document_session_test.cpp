#include "documents/document_session.h"

#include <gtest/gtest.h>

#include "documents/document_fakes.h"
#include "documents/document_title.h"
#include "documents/recent_files.h"

namespace tessary {
namespace {

using test::FakeFiles;
using test::FakeHost;

class DocumentSessionTest : public ::testing::Test {
protected:
    DocumentSessionTest() {
        state.documentName = "Untitled Menu Project";
        state.titleSink = [this](const std::string& text) { titles.push_back(text); };
    }

    // Opens a file through Open Named Document, as the command line does.
    void openNamed(const std::string& path) {
        session.requestOpenNamed(folderOf(path), fileNameOf(path));
        session.openDocument(OpenCommand::RequestedPath);
    }

    // A document opened from Orders.tsmn (a context menu) with nothing changed.
    void openOrders() {
        files.add("C:\\Menus\\Orders.tsmn", "context Orders");
        openNamed("C:\\Menus\\Orders.tsmn");
        ASSERT_EQ(state.documentName, "Orders.tsmn");
        host.calls.clear();
        host.reports.clear();
    }

    std::string lastTitle() const { return titles.empty() ? "" : titles.back(); }

    // The host's calls but the trial loads, each followed by '|'.
    std::string callsButTrials() const {
        std::string calls;
        for (const std::string& call : host.calls) {
            if (!call.starts_with("trial ")) {
                calls += call + "|";
            }
        }
        return calls;
    }

    DocumentState state;
    FakeHost host;
    FakeFiles files;
    MemorySettingsStore settings;
    DocumentSession session{state, host, files, settings};
    std::vector<std::string> titles;
};

TEST_F(DocumentSessionTest, OpenTakesTheKindFromTheContentNotTheExtension) {
    struct Case {
        const char* path;
        const char* content;
        MenuKind kind;
        const char* title;
        const char* trials;
    } cases[] = {
        {"C:\\M\\Bar.tsmb", "main bar", MenuKind::MainMenu, "Tessary - Bar.tsmb  (Main Menu)", "main"},
        {"C:\\M\\Ctx.tsmb", "context ctx", MenuKind::ContextMenu, "Tessary - Ctx.tsmb  (Context Menu)", "main context"},
        {"C:\\M\\Pop.qxtf", "popup pop", MenuKind::PopupMenu, "Tessary - Pop.qxtf  (Pop-Up Menu)",
         "main context popup"},
        {"C:\\M\\Main.tsmn", "main in tsmn", MenuKind::MainMenu, "Tessary - Main.tsmn  (Main Menu)", "main"},
    };
    for (const Case& c : cases) {
        host.calls.clear();
        files.add(c.path, c.content);
        openNamed(c.path);
        std::string trials;
        for (const std::string& call : host.calls) {
            if (call.starts_with("trial ")) {
                trials += (trials.empty() ? "" : " ") + call.substr(6);
            }
        }
        EXPECT_EQ(trials, c.trials) << c.path;
        EXPECT_EQ(state.menuKind, c.kind) << c.path;
        EXPECT_EQ(state.documentFolder, "C:\\M\\") << c.path;
        EXPECT_EQ(host.code, c.content) << c.path;
        EXPECT_EQ(host.tree.content, c.content) << c.path;
        EXPECT_EQ(lastTitle(), c.title) << c.path;
        EXPECT_FALSE(state.modified);
        EXPECT_TRUE(host.reports.empty()) << c.path;
    }
    // Each opened path went to the front of the recent list; four are kept.
    EXPECT_EQ(readRecentFiles(settings),
              (std::vector<std::string>{"C:\\M\\Main.tsmn", "C:\\M\\Pop.qxtf", "C:\\M\\Ctx.tsmb", "C:\\M\\Bar.tsmb"}));
    EXPECT_EQ(host.broadcasts, 4);
}

TEST_F(DocumentSessionTest, FileThatIsNoTextKeepsThePreviousDocumentAndSavesToItsFile) {
    openOrders();
    host.tree.content = "context Orders edited";  // the tree as the user left it
    files.add("C:\\Other\\Broken.tsmb", std::string("garbage\0\x01\x02", 10));

    openNamed("C:\\Other\\Broken.tsmb");

    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].message, DocumentMessage::ParseError);
    EXPECT_EQ(state.documentName, "Orders.tsmn");
    EXPECT_EQ(state.documentFolder, "C:\\Menus\\");
    EXPECT_EQ(state.menuKind, MenuKind::ContextMenu);
    EXPECT_EQ(host.tree.content, "context Orders edited");
    EXPECT_EQ(host.code, "context Orders");
    // The failed path was still listed.
    EXPECT_EQ(readRecentFiles(settings).front(), "C:\\Other\\Broken.tsmb");

    ASSERT_TRUE(session.saveDocument(SaveCommand::Save));
    EXPECT_TRUE(host.requests.empty());
    EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], "context Orders edited");
    EXPECT_EQ(files.files["C:\\Other\\Broken.tsmb"], std::string("garbage\0\x01\x02", 10));
}

// Code that does not read is the user's own file: it opens in the code tab as
// the kind its first word names, else as its extension's kind, with the
// failing line shown and selected, and the tree left empty.
TEST_F(DocumentSessionTest, CodeWithASyntaxErrorOpensInTheCodeTabAtTheFailingLine) {
    struct Case {
        const char* path;
        const char* content;
        MenuKind kind;
        int line;
    } cases[] = {
        {"C:\\M\\Bar.tsmn", "main bar !3", MenuKind::MainMenu, 3},
        {"C:\\M\\Ctx.tsmb", "context ctx !4", MenuKind::ContextMenu, 4},
        {"C:\\M\\Pop.tsmn", "popup pop !2", MenuKind::PopupMenu, 2},
        {"C:\\M\\Junk.tsmn", "junk !5", MenuKind::ContextMenu, 5},
        {"C:\\M\\JUNK.TSMN", "junk", MenuKind::ContextMenu, 1},
        {"C:\\M\\Junk.qxtf", "junk !2", MenuKind::MainMenu, 2},
        {"C:\\M\\Empty.tsmb", "", MenuKind::MainMenu, 1},
    };
    for (const Case& c : cases) {
        openOrders();
        host.codeTab = false;
        files.add(c.path, c.content);
        openNamed(c.path);
        const std::string line = std::to_string(c.line);
        EXPECT_EQ(callsButTrials(), "enabling|showCodeTab|syntaxError " + line + "|selectLine " + line + "|") << c.path;
        EXPECT_EQ(state.menuKind, c.kind) << c.path;
        EXPECT_EQ(state.fullPath(), c.path);
        EXPECT_EQ(host.code, c.content) << c.path;
        EXPECT_EQ(host.tree.content, "") << c.path;
        EXPECT_EQ(lastTitle(), formatTitle(fileNameOf(c.path), false, c.kind));
        EXPECT_TRUE(host.reports.empty()) << c.path;
    }
}

TEST_F(DocumentSessionTest, FilesThatCannotBeReadLeaveTheDocumentAlone) {
    openOrders();
    files.add("C:\\Big.tsmb", std::string(kDocumentBufferSize, 'x'));
    files.add("C:\\JustFits.tsmb", "main " + std::string(kDocumentBufferSize - 6, 'x'));
    files.add("C:\\Nul.tsmn", std::string("popup a\0main b", 14));
    struct Case {
        const char* path;
        std::optional<DocumentMessage> report;
        const char* reason;
        const char* nameAfter;
        const char* contentAfter;
    } cases[] = {
        {"C:\\Missing.tsmb", DocumentMessage::OpenFailed, "not found", "Orders.tsmn", "context Orders"},
        {"C:\\Big.tsmb", DocumentMessage::FileTooLarge, "", "Orders.tsmn", "context Orders"},
        {"C:\\Nul.tsmn", std::nullopt, "", "Nul.tsmn", "popup a"},
    };
    for (const Case& c : cases) {
        host.reports.clear();
        openNamed(c.path);
        EXPECT_EQ(state.documentName, c.nameAfter) << c.path;
        EXPECT_EQ(host.tree.content, c.contentAfter) << c.path;
        ASSERT_EQ(host.reports.size(), c.report ? 1u : 0u) << c.path;
        if (c.report) {
            EXPECT_EQ(host.reports[0].message, *c.report);
            EXPECT_EQ(host.reports[0].path, c.path);
            EXPECT_EQ(host.reports[0].reason, c.reason);
        }
    }
    std::vector<std::string> recent = readRecentFiles(settings);
    EXPECT_EQ(recent, (std::vector<std::string>{"C:\\Nul.tsmn", "C:\\Menus\\Orders.tsmn"}));

    openNamed("C:\\JustFits.tsmb");
    EXPECT_EQ(state.documentName, "JustFits.tsmb");
    EXPECT_EQ(host.tree.content.size(), kDocumentBufferSize - 1);
}

TEST_F(DocumentSessionTest, OpenNamedDocumentNeedsBothFolderAndName) {
    files.add("Orders.tsmn", "context x");
    session.applyCommandLine("Orders.tsmn");  // no backslash: no folder
    EXPECT_EQ(host.openNamedPosts, 1);
    session.openDocument(OpenCommand::RequestedPath);
    EXPECT_EQ(state.documentName, "Untitled Menu Project");
    EXPECT_TRUE(host.tree.loads.empty());
    EXPECT_EQ(lastTitle(), "Tessary - Untitled Menu Project  (Main Menu)");
    // The request is used once.
    files.add("C:\\A\\B.tsmn", "context b");
    session.requestOpenNamed("C:\\A\\", "B.tsmn");
    session.openDocument(OpenCommand::RequestedPath);
    EXPECT_EQ(state.documentName, "B.tsmn");
    session.openDocument(OpenCommand::RequestedPath);
    EXPECT_EQ(host.tree.loads.size(), 1u);
}

TEST_F(DocumentSessionTest, UnsavedChangesAreNeverReplacedInTheWindow) {
    openOrders();
    state.setModified(true);
    files.add("C:\\T\\Tpl.qxtf", "main tpl");
    files.add("C:\\M\\New.tsmb", "main new");
    host.newMenuAnswer = MenuKind::PopupMenu;

    session.newDocument(MenuKind::ContextMenu);
    session.newDocument(std::nullopt);
    host.dialogAnswers = {"C:\\T\\Tpl.qxtf", "C:\\M\\New.tsmb"};
    session.newFromTemplate();
    session.openDocument(OpenCommand::WithDialog);
    openNamed("C:\\M\\New.tsmb");

    EXPECT_EQ(host.launches, (std::vector<std::string>{"-context", "-popup", "C:\\T\\Tpl.qxtf", "C:\\M\\New.tsmb",
                                                       "C:\\M\\New.tsmb"}));
    EXPECT_EQ(state.documentName, "Orders.tsmn");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(host.tree.content, "context Orders");
    EXPECT_EQ(lastTitle(), "Tessary - Orders.tsmn* (Context Menu)");
}

// One file, one editor: a file another main window holds only brings that
// window forward, and the file this window holds is opened again only while
// it has no unsaved changes.
TEST_F(DocumentSessionTest, AFileIsEditedInOneWindowOnly) {
    openOrders();
    files.add("C:\\M\\Held.tsmb", "main held");
    host.holders = {{"C:\\Menus\\Orders.tsmn", DocumentHolder::ThisWindow},
                    {"C:\\M\\Held.tsmb", DocumentHolder::OtherWindow}};
    const struct {
        const char* path;
        bool modified;
        bool read;  // into this window; nothing opens in a second copy
    } cases[] = {
        {"C:\\M\\Held.tsmb", false, false},
        {"C:\\M\\Held.tsmb", true, false},
        {"C:\\Menus\\Orders.tsmn", true, false},
        {"C:\\Menus\\Orders.tsmn", false, true},
    };
    for (const auto& c : cases) {
        state.modified = c.modified;
        host.launches.clear();
        host.tree.loads.clear();
        openNamed(c.path);
        EXPECT_EQ(!host.tree.loads.empty(), c.read) << c.path << " " << c.modified;
        EXPECT_TRUE(host.launches.empty()) << c.path << " " << c.modified;
    }
}

TEST_F(DocumentSessionTest, NewKeepsTheFolderAndNewFromTemplateClearsIt) {
    openOrders();
    session.newDocument(MenuKind::PopupMenu);
    EXPECT_EQ(state.documentName, "Untitled Menu Project");
    EXPECT_EQ(state.documentFolder, "C:\\Menus\\");
    EXPECT_EQ(state.menuKind, MenuKind::PopupMenu);
    EXPECT_EQ(host.tree.content, "");
    EXPECT_EQ(host.code, "");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"enabling", "reapplyTab"}));
    EXPECT_EQ(lastTitle(), "Tessary - Untitled Menu Project  (Pop-Up Menu)");

    // The next Save dialog starts in the previous document's folder.
    host.dialogAnswers = {""};
    EXPECT_FALSE(session.saveDocument(SaveCommand::Save));
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].initialFolder, "C:\\Menus\\");
    EXPECT_EQ(host.requests[0].initialFile, "C:\\Menus\\Untitled Menu Project");

    files.add("C:\\Tessary\\Templates\\Invoice.qxtf", "main invoice");
    host.requests.clear();
    host.dialogAnswers = {"C:\\Tessary\\Templates\\Invoice.qxtf"};
    session.newFromTemplate();
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].title, "Pick template...");
    EXPECT_EQ(host.requests[0].filter, kTemplateFilter);
    EXPECT_EQ(host.requests[0].initialFolder, "C:\\Tessary\\Templates\\");
    EXPECT_EQ(state.documentName, "Untitled Menu Project");
    EXPECT_EQ(state.documentFolder, "");
    EXPECT_EQ(state.menuKind, MenuKind::MainMenu);
    EXPECT_EQ(host.tree.content, "main invoice");
    EXPECT_EQ(host.code, "main invoice");
    EXPECT_EQ(host.tree.loads.back(), "main/editor");
}

TEST_F(DocumentSessionTest, NewMenuDialogCancelChangesNothing) {
    openOrders();
    host.newMenuAnswer.reset();
    session.newDocument(std::nullopt);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"newMenuDialog"}));
    EXPECT_EQ(state.documentName, "Orders.tsmn");
    host.newMenuAnswer = MenuKind::ContextMenu;
    session.newDocument(std::nullopt);
    EXPECT_EQ(state.menuKind, MenuKind::ContextMenu);
    EXPECT_EQ(state.documentName, "Untitled Menu Project");
}

TEST_F(DocumentSessionTest, SaveShowsTheDialogOnlyWhenTheDocumentHasNoUsableName) {
    struct Case {
        const char* folder;
        const char* name;
        SaveCommand command;
        bool dialog;
    } cases[] = {
        {"C:\\M\\", "A.tsmb", SaveCommand::Save, false},
        {"C:\\M\\", "A.tsmb", SaveCommand::SaveAs, true},
        {"", "A.tsmb", SaveCommand::Save, true},
        {"C:\\M\\", "", SaveCommand::Save, true},
        {"C:\\M\\", "Untitled Menu Project", SaveCommand::Save, true},
        {"C:\\M\\", "untitled menu project", SaveCommand::Save, false},
    };
    for (const Case& c : cases) {
        host.requests.clear();
        host.dialogAnswers = {"C:\\Chosen\\B.tsmb"};
        state.documentFolder = c.folder;
        state.documentName = c.name;
        state.setModified(true);
        EXPECT_TRUE(session.saveDocument(c.command)) << c.folder << c.name;
        EXPECT_EQ(host.requests.size(), c.dialog ? 1u : 0u) << c.folder << c.name;
        std::string written = c.dialog ? "C:\\Chosen\\B.tsmb" : std::string(c.folder) + c.name;
        EXPECT_TRUE(files.files.count(written)) << written;
        EXPECT_EQ(state.fullPath(), written);
        EXPECT_FALSE(state.modified);
    }
}

TEST_F(DocumentSessionTest, SaveDialogFilterAndExtensionFollowTheKind) {
    struct Case {
        MenuKind kind;
        SaveCommand command;
        const char* filter;
        const char* extension;
    } cases[] = {
        {MenuKind::MainMenu, SaveCommand::SaveAs, kMenuBarFilter, "tsmb"},
        {MenuKind::ContextMenu, SaveCommand::SaveAs, kContextMenuFilter, "tsmn"},
        {MenuKind::PopupMenu, SaveCommand::SaveAs, kContextMenuFilter, "tsmn"},
        {MenuKind::PopupMenu, SaveCommand::SaveAsTemplate, kTemplateFilter, "qxtf"},
    };
    for (const Case& c : cases) {
        host.requests.clear();
        host.dialogAnswers = {""};
        state.menuKind = c.kind;
        EXPECT_FALSE(session.saveDocument(c.command));
        ASSERT_EQ(host.requests.size(), 1u);
        EXPECT_TRUE(host.requests[0].save);
        EXPECT_EQ(host.requests[0].title, "Save file as...");
        EXPECT_EQ(host.requests[0].filter, c.filter);
        EXPECT_EQ(host.requests[0].defaultExtension, c.extension);
    }
    EXPECT_TRUE(files.files.empty());
}

TEST_F(DocumentSessionTest, SaveAsTemplateProposesTheTemplateFolderAndBecomesTheDocument) {
    openOrders();
    host.dialogAnswers = {"C:\\Tessary\\Templates\\Orders.qxtf"};
    ASSERT_TRUE(session.saveDocument(SaveCommand::SaveAsTemplate));
    ASSERT_EQ(host.requests.size(), 1u);
    EXPECT_EQ(host.requests[0].initialFolder, "C:\\Tessary\\Templates\\");
    EXPECT_EQ(host.requests[0].initialFile, "C:\\Tessary\\Templates\\Orders.qxtf");
    EXPECT_EQ(files.files["C:\\Tessary\\Templates\\Orders.qxtf"], "context Orders");
    EXPECT_EQ(lastTitle(), "Tessary - Orders.qxtf  (Context Menu)");
    EXPECT_EQ(readRecentFiles(settings).front(), "C:\\Tessary\\Templates\\Orders.qxtf");
}

TEST(TemplateName, ReplacesTheExtension) {
    struct Case {
        const char* name;
        const char* templateName;
    } cases[] = {
        {"Orders.tsmn", "Orders.qxtf"},
        {"Bar.tsmb", "Bar.qxtf"},
        {"Untitled Menu Project", "Untitled Menu Project.qxtf"},
        {"A", "A.qxtf"},
        {"v1.2.tsmb", "v1.2.qxtf"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(templateNameFor(c.name), c.templateName) << c.name;
    }
}

TEST_F(DocumentSessionTest, SaveTakesTheTextOfTheShownTab) {
    openOrders();
    host.tree.content = "context from tree";
    host.code = "context typed {";
    struct Case {
        bool codeTab;
        const char* written;
    } cases[] = {{false, "context from tree"}, {true, "context typed {"}};
    for (const Case& c : cases) {
        host.codeTab = c.codeTab;
        ASSERT_TRUE(session.saveDocument(SaveCommand::Save));
        EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], c.written);
    }
    EXPECT_EQ(host.saves, 2);  // the saved state moves with each save
}

TEST_F(DocumentSessionTest, FailedSaveIsReportedAndKeepsTheChangesMarked) {
    openOrders();
    host.tree.content = "context changed";
    state.setModified(true);
    files.readOnly.insert("C:\\Menus\\Orders.tsmn");
    int broadcasts = host.broadcasts;

    EXPECT_FALSE(session.saveDocument(SaveCommand::Save));
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].message, DocumentMessage::SaveFailed);
    EXPECT_EQ(host.reports[0].path, "C:\\Menus\\Orders.tsmn");
    EXPECT_EQ(host.reports[0].reason, "Access denied.");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], "context Orders");
    EXPECT_EQ(host.broadcasts, broadcasts);
    EXPECT_EQ(lastTitle(), "Tessary - Orders.tsmn* (Context Menu)");

    // Save As to a read-only file names the chosen file already, still modified.
    files.readOnly.insert("C:\\Other\\Copy.tsmn");
    host.dialogAnswers = {"C:\\Other\\Copy.tsmn"};
    EXPECT_FALSE(session.saveDocument(SaveCommand::SaveAs));
    EXPECT_EQ(state.fullPath(), "C:\\Other\\Copy.tsmn");
    EXPECT_TRUE(state.modified);
    EXPECT_EQ(host.saves, 0);
}

TEST_F(DocumentSessionTest, TreeThatCannotBeWrittenIsNeverSavedOverTheFile) {
    openOrders();
    state.setModified(true);
    host.refuseCode = true;
    host.dialogAnswers = {"C:\\Menus\\New.tsmn"};
    EXPECT_FALSE(session.saveDocument(SaveCommand::Save));
    EXPECT_FALSE(session.saveDocument(SaveCommand::SaveAs));
    ASSERT_EQ(host.reports.size(), 2u);
    EXPECT_EQ(host.reports[0].message, DocumentMessage::CodeNotWritable);
    EXPECT_TRUE(host.requests.empty());
    EXPECT_EQ(files.files.size(), 1u);
    EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], "context Orders");
    EXPECT_TRUE(state.modified);
    // The code tab's text is saved as typed.
    host.codeTab = true;
    host.code = "context typed";
    EXPECT_TRUE(session.saveDocument(SaveCommand::Save));
    EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], "context typed");
}

// Typed code with a syntax error is saved only when the user says so; No
// leaves the file alone and selects the failing line, and Exit stays.
TEST_F(DocumentSessionTest, SavingCodeWithASyntaxErrorAsksFirst) {
    struct Case {
        const char* typed;
        bool codeTab;
        bool yes;
        const char* asked;  // the calls the save makes; empty: none
        bool written;
    } cases[] = {
        {"context typed !7", true, false, "askSaveWithError 7|selectLine 7|", false},
        {"context typed !7", true, true, "askSaveWithError 7|", true},
        {"context typed", true, false, "", true},
        {"context typed !7", false, false, "", true},  // the tree's code is written
    };
    // Save, Save As, Save As Template.
    for (SaveCommand command : {SaveCommand::Save, SaveCommand::SaveAs, SaveCommand::SaveAsTemplate}) {
        for (const Case& c : cases) {
            openOrders();
            state.setModified(true);
            files.files.erase("C:\\Menus\\Orders.tsmn");
            host.tree.content = "context tree";
            host.codeTab = c.codeTab;
            host.code = c.typed;
            host.saveWithError = c.yes;
            host.requests.clear();
            host.dialogAnswers = {"C:\\Menus\\Orders.tsmn"};
            EXPECT_EQ(session.saveDocument(command), c.written) << c.typed;
            EXPECT_EQ(callsButTrials(), c.asked) << c.typed;
            EXPECT_EQ(files.files.count("C:\\Menus\\Orders.tsmn"), c.written ? 1u : 0u) << c.typed;
            EXPECT_EQ(state.modified, !c.written);
            // Nothing is asked for after No: no file dialog either.
            EXPECT_EQ(host.requests.size(), command != SaveCommand::Save && c.written ? 1u : 0u);
        }
    }
    state.setModified(true);
    host.saveAnswer = SaveAnswer::Yes;
    host.code = "context typed !2";
    host.codeTab = true;
    host.saveWithError = false;
    session.confirmExit();
    EXPECT_EQ(host.calls.back(), "selectLine 2");
    host.saveWithError = true;
    session.confirmExit();
    EXPECT_EQ(host.calls.back(), "quit");
    EXPECT_EQ(files.files["C:\\Menus\\Orders.tsmn"], "context typed !2");
}

TEST_F(DocumentSessionTest, ExitAsksOnlyWithUnsavedChangesAndQuitsOnlyWhenNothingIsLost) {
    struct Case {
        bool modified;
        const char* name;
        SaveAnswer answer;
        bool saveWorks;
        const char* asked;
        bool quits;
        bool written;
    } cases[] = {
        {false, "A.tsmb", SaveAnswer::Cancel, true, "", true, false},
        {true, "A.tsmb", SaveAnswer::No, true, "A.tsmb", true, false},
        {true, "A.tsmb", SaveAnswer::Cancel, true, "A.tsmb", false, false},
        {true, "A.tsmb", SaveAnswer::Yes, true, "A.tsmb", true, true},
        {true, "A.tsmb", SaveAnswer::Yes, false, "A.tsmb", false, false},
        {true, "", SaveAnswer::No, true, "untitled", true, false},
    };
    for (const Case& c : cases) {
        host.calls.clear();
        host.askedName.clear();
        files.files.clear();
        files.readOnly.clear();
        if (!c.saveWorks) {
            files.readOnly.insert("C:\\M\\A.tsmb");
        }
        state.documentFolder = "C:\\M\\";
        state.documentName = c.name;
        state.modified = c.modified;
        host.saveAnswer = c.answer;
        session.confirmExit();
        EXPECT_EQ(host.askedName, c.asked) << c.name << " " << static_cast<int>(c.answer);
        EXPECT_EQ(!host.calls.empty() && host.calls.back() == "quit", c.quits) << static_cast<int>(c.answer);
        EXPECT_EQ(files.files.count("C:\\M\\A.tsmb") == 1, c.written);
    }
}

TEST_F(DocumentSessionTest, ExitWithYesOnAnUntitledDocumentAsksForAFileAndStaysWhenCancelled) {
    state.setModified(true);
    host.saveAnswer = SaveAnswer::Yes;
    host.dialogAnswers = {""};
    session.confirmExit();
    EXPECT_EQ(host.requests.size(), 1u);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(state.modified);

    host.dialogAnswers = {"C:\\M\\Saved.tsmb"};
    session.confirmExit();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"quit"}));
    EXPECT_TRUE(files.files.count("C:\\M\\Saved.tsmb"));
}

TEST_F(DocumentSessionTest, OpenRecentOpensAnExistingFileAndDropsAVanishedOne) {
    files.add("C:\\M\\Here.tsmb", "main here");
    for (const char* path : {"C:\\M\\Gone1.tsmb", "C:\\M\\Here.tsmb", "C:\\M\\Gone2.tsmn"}) {
        addRecentFile(settings, path);
    }
    session.openRecent("C:\\M\\Here.tsmb");
    EXPECT_EQ(host.openNamedPosts, 1);
    session.openDocument(OpenCommand::RequestedPath);
    EXPECT_EQ(state.documentName, "Here.tsmb");
    EXPECT_EQ(readRecentFiles(settings).front(), "C:\\M\\Here.tsmb");

    int broadcasts = host.broadcasts;
    session.openRecent("C:\\M\\Gone1.tsmb");
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].message, DocumentMessage::RecentFileMissing);
    EXPECT_EQ(host.reports[0].path, "C:\\M\\Gone1.tsmb");
    EXPECT_EQ(readRecentFiles(settings), (std::vector<std::string>{"C:\\M\\Here.tsmb", "C:\\M\\Gone2.tsmn"}));
    EXPECT_EQ(host.broadcasts, broadcasts + 1);
    EXPECT_EQ(state.documentName, "Here.tsmb");
}

TEST_F(DocumentSessionTest, CommandLineSwitchesAndPaths) {
    struct Case {
        const char* line;
        MenuKind kind;
        int reapplies;
        int openNamedPosts;
    } cases[] = {
        {"", MenuKind::MainMenu, 0, 0},
        {"-menubar", MenuKind::MainMenu, 0, 0},
        {"-context", MenuKind::ContextMenu, 1, 0},
        {"-popup", MenuKind::PopupMenu, 1, 0},
        {"\"-popup\"", MenuKind::PopupMenu, 1, 0},
        {"-Menubar", MenuKind::MainMenu, 0, 1},
        {"-menubar x", MenuKind::MainMenu, 0, 1},
        {"\"C:\\M\\Ctx.tsmb\"", MenuKind::ContextMenu, 0, 1},
    };
    files.add("C:\\M\\Ctx.tsmb", "context x");
    for (const Case& c : cases) {
        state.menuKind = MenuKind::MainMenu;
        host.calls.clear();
        host.openNamedPosts = 0;
        titles.clear();
        session.applyCommandLine(c.line);
        session.openDocument(OpenCommand::RequestedPath);
        EXPECT_EQ(state.menuKind, c.kind) << c.line;
        EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "reapplyTab"), c.reapplies) << c.line;
        EXPECT_EQ(host.openNamedPosts, c.openNamedPosts) << c.line;
        EXPECT_FALSE(titles.empty()) << c.line;
    }
    EXPECT_EQ(state.documentName, "Ctx.tsmb");
}

}  // namespace
}  // namespace tessary
