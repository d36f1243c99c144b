#include "editor/wizard_flow.h"

#include "documents/recent_files.h"
#include "documents/standard_files.h"

namespace tessary {
namespace {

constexpr WizardHeader kHeaders[kWizardPageCount] = {
    {"Welcome to Tessary", "This wizard helps you to create and  modify Varnex menu codes."},
    {"Adapt FileMaker Menu", "Select the kind of FileMaker menu you would like to modify."},
    {"Import Scripts from FileMaker File", "Choose the file you would like to build the menu for"},
    {"Specify the Type of the New Menu", "Menus can be main menus, contextual menus or pop-up menus"},
    {"Create Menu From Template", "Choose a template to creat a new menu."},
    {"Open Menu And Edit Code File", "Choose the menu code file you would like to work on."},
};

constexpr int kPageControls[kWizardPageCount] = {4, 3, 2, 3, 1, 2};

constexpr WizardPage kTaskPages[] = {WizardPage::AdaptMenu, WizardPage::ImportScripts, WizardPage::Template,
                                     WizardPage::OpenFile};

bool isChoicePage(WizardPage page) {
    return page == WizardPage::Welcome || page == WizardPage::MenuType;
}

WizardButton following(WizardButton button) {
    switch (button) {
        case WizardButton::Next:
            return WizardButton::Cancel;
        case WizardButton::Cancel:
            return WizardButton::Skip;
        case WizardButton::Skip:
            return WizardButton::Back;
        case WizardButton::Back:
            break;
    }
    return WizardButton::Next;
}

int indexIn(int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) < size ? index : -1;
}

}  // namespace

WizardHeader wizardHeader(WizardPage page) {
    return kHeaders[static_cast<int>(page)];
}

int wizardPageControls(WizardPage page) {
    return kPageControls[static_cast<int>(page)];
}

WizardFlow::WizardFlow(DocumentFiles& files, SettingsStore& settings, OpenDocuments openDocuments)
    : files_(files), settings_(settings), openDocuments_(std::move(openDocuments)) {}

void WizardFlow::open() {
    StandardFileList list(files_);
    list.listStandardFiles({}, false);
    versions_ = list.sortedNames();
    version_ = indexIn(static_cast<int>(readSettingOr(settings_, kSettingChooseFmVersion, 0)), versions_.size());
    findMode_ = readSettingOr(settings_, kSettingChooseFmMode, 0) != 0;
    const std::vector<std::string> recent = readRecentFiles(settings_);
    openPath_ = recent.empty() ? std::string() : recent.front();
    kindChoice_ = 0;
    task_ = -1;
    documents_.clear();
    document_ = -1;
    fileMakerPath_.clear();
    templates_.clear();
    template_ = -1;
    page_ = WizardPage::Welcome;
    next_ = back_ = false;
}

bool WizardFlow::templatesMissing() {
    const std::string folder = templateFolder(files_.programFolder(), true);
    return folder.empty() || !files_.fileExists(folder);
}

// Showing a page refreshes it and sets "Next >" from what it holds.
void WizardFlow::showPage(WizardPage page) {
    page_ = page;
    switch (page) {
        case WizardPage::Welcome:
            next_ = task_ >= 0;
            break;
        case WizardPage::AdaptMenu:
            // A version must be chosen: a stored index beyond the list chooses none.
            next_ = version_ >= 0;
            break;
        case WizardPage::ImportScripts:
            documents_ = openDocuments_ ? openDocuments_() : std::vector<std::string>{};
            document_ = -1;
            if (fileMakerPath_.empty()) {
                next_ = false;
            }
            break;
        case WizardPage::MenuType:
            next_ = kindChoice_ >= 0;
            break;
        case WizardPage::Template: {
            StandardFileList list(files_);
            list.listStandardFiles({}, true);
            templates_ = list.sortedNames();
            template_ = templates_.empty() ? -1 : 0;
            next_ = template_ >= 0;
            break;
        }
        case WizardPage::OpenFile:
            next_ = !openPath_.empty();
            break;
    }
}

WizardStep WizardFlow::next() {
    if (!next_) {
        return WizardStep::Stay;
    }
    switch (page_) {
        case WizardPage::Welcome:
            if (task_ < 0) {
                return WizardStep::Stay;
            }
            back_ = true;
            next_ = true;
            showPage(kTaskPages[task_]);
            return WizardStep::ShowPage;
        case WizardPage::AdaptMenu:
            if (version_ < 0) {
                return WizardStep::Stay;
            }
            settings_.writeSetting(kSettingChooseFmVersion, static_cast<uint32_t>(version_));
            settings_.writeSetting(kSettingChooseFmMode, findMode_ ? 1 : 0);
            return WizardStep::AdaptMenu;
        case WizardPage::ImportScripts:
            if (document_ < 0 && fileMakerPath_.empty()) {
                return WizardStep::Stay;
            }
            showPage(WizardPage::MenuType);
            return WizardStep::ShowPage;
        case WizardPage::MenuType:
            return kindChoice_ >= 0 ? WizardStep::ScriptsMenu : WizardStep::Stay;
        case WizardPage::Template:
            return template_ >= 0 ? WizardStep::Template : WizardStep::Stay;
        case WizardPage::OpenFile:
            return openPath_.empty() ? WizardStep::Stay : WizardStep::OpenFile;
    }
    return WizardStep::Stay;
}

void WizardFlow::back() {
    switch (page_) {
        case WizardPage::Welcome:
            return;
        case WizardPage::MenuType:
            back_ = next_ = true;
            showPage(WizardPage::ImportScripts);
            return;
        default:
            back_ = false;
            showPage(WizardPage::Welcome);
            return;
    }
}

bool WizardFlow::skip(SkipAnswer answer) {
    if (answer == SkipAnswer::Cancel) {
        return false;
    }
    if (answer == SkipAnswer::Always) {
        writeFlagSetting(settings_, kSettingWizard, false);
    }
    return true;
}

WizardFocus WizardFlow::firstButton() const {
    return WizardFocus::onButton(next_ ? WizardButton::Next : WizardButton::Cancel);
}

void WizardFlow::choose(int choice) {
    if (page_ == WizardPage::Welcome) {
        task_ = choice;
    } else {
        kindChoice_ = choice;
    }
    next_ = choice >= 0;
}

WizardFocus WizardFlow::tab(WizardFocus now) {
    if (!now.inPage) {
        if (now.button == WizardButton::Back || (now.button == WizardButton::Skip && !back_)) {
            if (isChoicePage(page_)) {
                choose(0);
            }
            return WizardFocus::onControl(0);
        }
        WizardButton button = now.button;
        do {
            button = following(button);
        } while ((button == WizardButton::Next && !next_) || (button == WizardButton::Back && !back_));
        return WizardFocus::onButton(button);
    }
    const int control = now.control + 1;
    if (control >= wizardPageControls(page_)) {
        if (isChoicePage(page_)) {
            choose(-1);
        }
        return firstButton();
    }
    if (isChoicePage(page_)) {
        choose(control);
    } else if (page_ == WizardPage::AdaptMenu) {
        chooseMode(control == 2);
    }
    return WizardFocus::onControl(control);
}

void WizardFlow::chooseTask(int task) {
    if (page_ == WizardPage::Welcome && indexIn(task, std::size(kTaskPages)) >= 0) {
        choose(task);
    }
}

void WizardFlow::chooseVersion(int index) {
    version_ = indexIn(index, versions_.size());
    if (page_ == WizardPage::AdaptMenu) {
        next_ = version_ >= 0;
    }
}

void WizardFlow::chooseMode(bool find) {
    findMode_ = find;
}

std::string WizardFlow::standardVersion() const {
    return version_ >= 0 ? versions_[version_] : std::string();
}

void WizardFlow::selectDocument(int index) {
    document_ = indexIn(index, documents_.size());
    if (page_ != WizardPage::ImportScripts || (document_ < 0 && !fileMakerPath_.empty())) {
        return;
    }
    next_ = document_ >= 0;
}

void WizardFlow::chooseFileMakerFile(std::string_view path) {
    if (path.empty()) {
        return;
    }
    fileMakerPath_ = path;
    if (page_ == WizardPage::ImportScripts) {
        next_ = true;
    }
}

int WizardFlow::fileMakerFilterIndex() {
    return readUseFmSetting(settings_) == FileMakerGeneration::FileMaker7AndLater ? 2 : 1;
}

std::string WizardFlow::fileMakerDocument() const {
    return document_ >= 0 ? documents_[document_] : std::string();
}

void WizardFlow::chooseMenuKind(int choice) {
    if (page_ == WizardPage::MenuType && choice >= 0 && choice < wizardPageControls(WizardPage::MenuType)) {
        choose(choice);
    }
}

MenuKind WizardFlow::scriptsMenuKind() const {
    switch (kindChoice_) {
        case 1:
            return MenuKind::ContextMenu;
        case 2:
            return MenuKind::PopupMenu;
        default:
            return MenuKind::MainMenu;
    }
}

void WizardFlow::selectTemplate(int index) {
    template_ = indexIn(index, templates_.size());
    if (page_ == WizardPage::Template) {
        next_ = template_ >= 0;
    }
}

std::string WizardFlow::templateName() const {
    return template_ >= 0 ? templates_[template_] : std::string();
}

void WizardFlow::setOpenPath(std::string_view path) {
    openPath_ = path;
    if (page_ == WizardPage::OpenFile) {
        next_ = !openPath_.empty();
    }
}

}  // namespace tessary
