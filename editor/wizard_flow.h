// The start-up wizard without its windows: which page is shown, what each page
// holds, when "Next >" and "< Back" are enabled, where the Tab key goes, and
// what a finished task asks of the editor. The wizard's frame and pages in
// shell/wizard/ only show this state and pass the user's actions to it.
//
// Pages: Welcome chooses one of four tasks. AdaptMenu (a standard FileMaker
// menu of a version and mode), Template and OpenFile each end their task with
// "Next >"; ImportScripts (a FileMaker file, open or not) leads on to MenuType,
// whose "Next >" ends that task.
#pragma once

#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "documents/document_files.h"
#include "documents/settings_store.h"
#include "model/menu_item_record.h"

namespace tessary {

enum class WizardPage { Welcome, AdaptMenu, ImportScripts, MenuType, Template, OpenFile };
constexpr int kWizardPageCount = 6;

struct WizardHeader {
    std::string_view title;
    std::string_view subtitle;
};
// The header texts a page shows.
WizardHeader wizardHeader(WizardPage page);

// The Welcome choices, in their order on the page.
enum class WizardTask { AdaptMenu, ImportScripts, Template, OpenFile };

// The frame's buttons in their Tab order: after the page's last control the
// focus goes to "Next >", and from "< Back" into the page again.
enum class WizardButton { Next, Cancel, Skip, Back };

// Where the keyboard focus is: one of the frame's buttons, or a control of
// the page, by its place in the page's Tab order.
struct WizardFocus {
    bool inPage = false;
    int control = 0;
    WizardButton button = WizardButton::Skip;

    static WizardFocus onButton(WizardButton button) { return {false, 0, button}; }
    static WizardFocus onControl(int control) { return {true, control, WizardButton::Skip}; }
    bool operator==(const WizardFocus&) const = default;
};

// How many controls of a page take the focus with Tab: the choices (Welcome,
// MenuType), the version list and the two modes (AdaptMenu), the list and
// "Choose..." (ImportScripts), the list (Template), the field and "Choose"
// (OpenFile).
int wizardPageControls(WizardPage page);

// What "Next >" did.
enum class WizardStep {
    Stay,         // nothing to do (no choice, no selection, no path)
    ShowPage,     // another page is shown: page()
    AdaptMenu,    // load standardVersion() in standardMode() as a new main menu
    ScriptsMenu,  // a new document of scriptsMenuKind() for fileMakerPath() or fileMakerDocument()
    Template,     // load templateName() as a new main menu
    OpenFile,     // open openPath()
};

// The answer to "Would you like to skip the Tessary Wizard?".
enum class SkipAnswer { ThisTime, Always, Cancel };

class WizardFlow {
public:
    // The names of the documents open in FileMaker, as the plug-in reports
    // them; none when it does not answer.
    using OpenDocuments = std::function<std::vector<std::string>()>;

    WizardFlow(DocumentFiles& files, SettingsStore& settings, OpenDocuments openDocuments);

    // Opening: the versions of the standard-menu folder with the stored version
    // and mode chosen, the most recent file in OpenFile's field, "Main Menu"
    // chosen on MenuType, and Welcome shown with both buttons disabled.
    void open();
    // The "Templates" folder beside the program is missing.
    bool templatesMissing();

    WizardPage page() const { return page_; }
    bool nextEnabled() const { return next_; }
    bool backEnabled() const { return back_; }

    // The frame's "Next >", "< Back" and the skip question.
    WizardStep next();
    void back();
    // True when the wizard closes; "Always" also turns the wizard off at start.
    bool skip(SkipAnswer answer);

    // The focus after Tab. Entering Welcome or MenuType chooses the first
    // choice; Tab on a choice chooses the next one, and past the last one
    // clears the choice and disables "Next >". On AdaptMenu Tab chooses each
    // mode in turn.
    WizardFocus tab(WizardFocus now);

    // ---- Welcome ----
    int task() const { return task_; }  // -1: none chosen
    void chooseTask(int task);

    // ---- AdaptMenu ----
    const std::vector<std::string>& versions() const { return versions_; }
    int versionIndex() const { return version_; }  // -1: none
    bool findMode() const { return findMode_; }
    void chooseVersion(int index);
    void chooseMode(bool find);
    std::string standardVersion() const;
    std::string_view standardMode() const { return findMode_ ? "Find" : "Browse"; }

    // ---- ImportScripts ----
    const std::vector<std::string>& documents() const { return documents_; }
    int documentIndex() const { return document_; }  // -1: none
    const std::string& fileMakerPath() const { return fileMakerPath_; }
    void selectDocument(int index);
    // A file chosen with "Choose...".
    void chooseFileMakerFile(std::string_view path);
    // The file dialog's preselected filter: 2 (FileMaker 7) when "UseFM" reads
    // 7, else 1 (FileMaker 5 to 6).
    int fileMakerFilterIndex();
    // The selected open document; empty when none.
    std::string fileMakerDocument() const;

    // ---- MenuType ----
    int menuKindChoice() const { return kindChoice_; }  // -1: none
    void chooseMenuKind(int choice);
    MenuKind scriptsMenuKind() const;

    // ---- Template ----
    const std::vector<std::string>& templates() const { return templates_; }
    int templateIndex() const { return template_; }  // -1: none
    void selectTemplate(int index);
    std::string templateName() const;

    // ---- OpenFile ----
    const std::string& openPath() const { return openPath_; }
    // The field changed, or "Choose" put a path into it.
    void setOpenPath(std::string_view path);

private:
    void showPage(WizardPage page);
    // The choice a Tab moves on a choice page (Welcome, MenuType).
    void choose(int choice);
    WizardFocus firstButton() const;

    DocumentFiles& files_;
    SettingsStore& settings_;
    OpenDocuments openDocuments_;

    WizardPage page_ = WizardPage::Welcome;
    bool next_ = false;
    bool back_ = false;

    int task_ = -1;
    std::vector<std::string> versions_;
    int version_ = -1;
    bool findMode_ = false;
    std::vector<std::string> documents_;
    int document_ = -1;
    std::string fileMakerPath_;
    int kindChoice_ = 0;
    std::vector<std::string> templates_;
    int template_ = -1;
    std::string openPath_;
};

}  // namespace tessary
