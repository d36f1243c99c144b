#include "shell/wizard/wizard_pages.h"

#include "documents/document_session.h"
#include "platform/file_dialogs.h"
#include "resources/resource.h"
#include "shell/message_box.h"

namespace tessary {
namespace {

constexpr UINT kPageTemplates[kWizardPageCount] = {IDD_WIZARD_WELCOME,  IDD_WIZARD_ADAPT,    IDD_WIZARD_IMPORT,
                                                   IDD_WIZARD_MENUTYPE, IDD_WIZARD_TEMPLATE, IDD_WIZARD_OPENFILE};

// The controls of each page in their Tab order.
constexpr int kTabControls[kWizardPageCount][4] = {
    {IDC_WELCOME_STANDARD, IDC_WELCOME_SCRIPTS, IDC_WELCOME_TEMPLATE, IDC_WELCOME_PROJECT},
    {IDC_ADAPT_VERSION, IDC_ADAPT_BROWSE, IDC_ADAPT_FIND},
    {IDC_IMPORT_LIST, IDC_IMPORT_CHOOSE},
    {IDC_MENUTYPE_MAIN, IDC_MENUTYPE_CONTEXT, IDC_MENUTYPE_POPUP},
    {IDC_TEMPLATE_LIST},
    {IDC_OPENFILE_PATH, IDC_OPENFILE_CHOOSE},
};

constexpr int kHeadings[] = {IDC_WELCOME_CREATE, IDC_WELCOME_OPEN};
constexpr int kNotes[] = {IDC_WELCOME_STANDARD_NOTE, IDC_WELCOME_SCRIPTS_NOTE, IDC_WELCOME_TEMPLATE_NOTE,
                          IDC_WELCOME_PROJECT_NOTE,  IDC_MENUTYPE_MAIN_NOTE,   IDC_MENUTYPE_CONTEXT_NOTE,
                          IDC_MENUTYPE_POPUP_NOTE};

void fillList(HWND list, const std::vector<std::string>& entries) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
}

int selectedEntry(HWND control, UINT message) {
    return static_cast<int>(SendMessageA(control, message, 0, 0));
}

}  // namespace

WizardPageDialog::WizardPageDialog(WizardPage page,
                                   WizardFlow& flow,
                                   const WizardFonts& fonts,
                                   std::function<void()> changed)
    : page_(page), flow_(flow), fonts_(fonts), changed_(std::move(changed)) {}

bool WizardPageDialog::create(HWND frame, const RECT& area) {
    if (!createModeless(frame, kPageTemplates[static_cast<int>(page_)])) {
        return false;
    }
    SetWindowPos(hwnd(), nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

bool WizardPageDialog::onInit() {
    for (int id : kHeadings) {
        if (HWND heading = item(id)) {
            SendMessageA(heading, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.heading), FALSE);
        }
    }
    for (int id : kNotes) {
        if (HWND note = item(id)) {
            SendMessageA(note, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.note), FALSE);
        }
    }
    // Filled once when the wizard opens.
    if (page_ == WizardPage::AdaptMenu) {
        HWND versions = item(IDC_ADAPT_VERSION);
        for (const std::string& version : flow_.versions()) {
            SendMessageA(versions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(version.c_str()));
        }
    } else if (page_ == WizardPage::OpenFile) {
        setItemText(IDC_OPENFILE_PATH, flow_.openPath());
    }
    update(false);
    return false;
}

void WizardPageDialog::update(bool refill) {
    switch (page_) {
        case WizardPage::Welcome:
        case WizardPage::MenuType: {
            const int chosen = page_ == WizardPage::Welcome ? flow_.task() : flow_.menuKindChoice();
            for (int i = 0; i < wizardPageControls(page_); ++i) {
                setChecked(kTabControls[static_cast<int>(page_)][i], i == chosen);
            }
            break;
        }
        case WizardPage::AdaptMenu:
            SendMessageA(item(IDC_ADAPT_VERSION), CB_SETCURSEL, static_cast<WPARAM>(flow_.versionIndex()), 0);
            setChecked(IDC_ADAPT_BROWSE, !flow_.findMode());
            setChecked(IDC_ADAPT_FIND, flow_.findMode());
            break;
        case WizardPage::ImportScripts:
            if (refill) {
                fillList(item(IDC_IMPORT_LIST), flow_.documents());
            }
            SendMessageA(item(IDC_IMPORT_LIST), LB_SETCURSEL, static_cast<WPARAM>(flow_.documentIndex()), 0);
            setItemText(IDC_IMPORT_FILE, flow_.fileMakerPath());
            break;
        case WizardPage::Template:
            if (refill) {
                fillList(item(IDC_TEMPLATE_LIST), flow_.templates());
            }
            SendMessageA(item(IDC_TEMPLATE_LIST), LB_SETCURSEL, static_cast<WPARAM>(flow_.templateIndex()), 0);
            break;
        case WizardPage::OpenFile:
            // The field is the user's: it is only written when the flow holds another text.
            if (itemText(IDC_OPENFILE_PATH) != flow_.openPath()) {
                setItemText(IDC_OPENFILE_PATH, flow_.openPath());
            }
            break;
    }
}

HWND WizardPageDialog::tabControl(int position) const {
    if (position < 0 || position >= wizardPageControls(page_)) {
        return nullptr;
    }
    return item(kTabControls[static_cast<int>(page_)][position]);
}

int WizardPageDialog::tabPosition(HWND focus) const {
    for (int i = 0; focus && i < wizardPageControls(page_); ++i) {
        HWND control = tabControl(i);
        if (focus == control || IsChild(control, focus)) {
            return i;
        }
    }
    return -1;
}

void WizardPageDialog::onCommand(int controlId, int notifyCode) {
    const int position = tabPosition(item(controlId));
    switch (page_) {
        case WizardPage::Welcome:
            if (notifyCode != BN_CLICKED) {
                return;
            }
            flow_.chooseTask(position);
            break;
        case WizardPage::MenuType:
            if (notifyCode != BN_CLICKED) {
                return;
            }
            flow_.chooseMenuKind(position);
            break;
        case WizardPage::AdaptMenu:
            if (controlId == IDC_ADAPT_VERSION && notifyCode == CBN_SELCHANGE) {
                flow_.chooseVersion(selectedEntry(item(controlId), CB_GETCURSEL));
            } else if (position > 0 && notifyCode == BN_CLICKED) {
                flow_.chooseMode(controlId == IDC_ADAPT_FIND);
            } else {
                return;
            }
            break;
        case WizardPage::ImportScripts:
            if (controlId == IDC_IMPORT_LIST && notifyCode == LBN_SELCHANGE) {
                flow_.selectDocument(selectedEntry(item(controlId), LB_GETCURSEL));
            } else if (controlId == IDC_IMPORT_CHOOSE && notifyCode == BN_CLICKED) {
                chooseFile(controlId);
            } else {
                return;
            }
            break;
        case WizardPage::Template:
            if (controlId != IDC_TEMPLATE_LIST || notifyCode != LBN_SELCHANGE) {
                return;
            }
            flow_.selectTemplate(selectedEntry(item(controlId), LB_GETCURSEL));
            break;
        case WizardPage::OpenFile:
            if (controlId == IDC_OPENFILE_PATH && notifyCode == EN_CHANGE) {
                flow_.setOpenPath(itemText(controlId));
            } else if (controlId == IDC_OPENFILE_CHOOSE && notifyCode == BN_CLICKED) {
                chooseFile(controlId);
            } else {
                return;
            }
            break;
    }
    update(false);
    if (changed_) {
        changed_();
    }
}

// "Choose..." (a FileMaker file) and "Choose" (a menu code file).
void WizardPageDialog::chooseFile(int controlId) {
    FileDialogRequest request;
    request.title = "Open file...";
    if (controlId == IDC_IMPORT_CHOOSE) {
        request.filter = loadString(IDS_FILTER_FM_FILES);
        request.filterIndex = flow_.fileMakerFilterIndex();
        request.defaultExtension = "fp5";
    } else {
        request.filter = kOpenFilter;
        request.filterIndex = 4;
        request.defaultExtension = "tsmb";
    }
    std::string path;
    if (!runFileDialog(GetParent(hwnd()), request, path)) {
        return;
    }
    if (controlId == IDC_IMPORT_CHOOSE) {
        flow_.chooseFileMakerFile(path);
    } else {
        flow_.setOpenPath(path);
    }
}

}  // namespace tessary
