#include "shell/wizard/wizard_tasks.h"

#include "documents/standard_files.h"
#include "fmlink/filemaker_windows.h"
#include "resources/resource.h"
#include "shell/code_view.h"
#include "shell/document_host.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/window_helpers.h"

namespace tessary {
namespace {

// A ready-made file as a new, untitled main menu, so that saving never writes
// over the document the window held before or over the ready-made file.
void loadReadyMade(MainWindow& window, bool templatesOnly, const std::string& name, std::string_view mode) {
    window.session().newDocument(MenuKind::MainMenu);
    MenuTreeLoader loader(window.tree(), &window.history());
    loadStandardFile(window.program().files, loader, templatesOnly, name, mode);
    if (window.currentTab() == EditorTab::MenuCode) {
        applyCurrentTab(window);  // the code tab shows the loaded menu
    }
}

}  // namespace

MainWindow* showMainWindow(Program& program) {
    MainWindow* window = program.mainWindow;
    if (!window) {
        return MainWindow::create(program);
    }
    showInFront(window->hwnd());
    return window;
}

void prepareFileMaker(const WizardFlow& flow, HWND owner) {
    if (!flow.fileMakerPath().empty()) {
        // No message when the window does not come: the task ends normally.
        openFileMakerDocument(flow.fileMakerPath());
        return;
    }
    HWND application = findFileMakerWindow();
    HWND document = application ? findDocumentWindow(application, flow.fileMakerDocument()) : nullptr;
    if (!document) {
        showStringMessage(owner, IDS_FILEMAKER_NOT_RESPONDING, MB_OK | MB_ICONSTOP);
        return;
    }
    // Posted, so that a FileMaker that does not respond cannot hold the editor.
    PostMessageA(GetParent(document), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
}

void runWizardTask(MainWindow& window, const WizardFlow& flow, WizardStep step) {
    switch (step) {
        case WizardStep::AdaptMenu:
            loadReadyMade(window, false, flow.standardVersion(), flow.standardMode());
            break;
        case WizardStep::Template:
            loadReadyMade(window, true, flow.templateName(), {});
            break;
        case WizardStep::ScriptsMenu:
            // The scripts go in with "Add Script..."; the document starts empty.
            window.session().newDocument(flow.scriptsMenuKind());
            break;
        case WizardStep::OpenFile: {
            const std::string& path = flow.openPath();
            window.session().requestOpenNamed(folderOf(path), fileNameOf(path));
            break;
        }
        case WizardStep::Stay:
        case WizardStep::ShowPage:
            break;
    }
}

void bringForward(MainWindow& window, HWND fileMaker) {
    if (fileMaker) {
        SetWindowPos(fileMaker, window.hwnd(), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    bringToFront(window.hwnd());
}

}  // namespace tessary
