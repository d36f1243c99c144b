// The start-up wizard's frame: a modeless dialog without owner, of its own
// window class TESSARY_WIZARD_CLASS ("TessaryWizard"), with a white
// header band (the page's title and subtitle, the header bitmap at its right),
// the page area, and the buttons "Skip Wizard", "< Back", "Next >" and
// "Cancel". The object lives with its window; the program keeps the window in
// Program::wizardFrame while it exists, and its message loop gives the frame
// accelerator table 220, which turns Tab and Esc into commands.
//
// At start the wizard runs in place of the main window; from the Wizard
// command over the hidden main window. Every way out of the wizard ends in the
// main window (shown, or created as an empty main menu), except "Cancel" while
// there is no main window, which ends the program.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "editor/wizard_flow.h"
#include "shell/dialogs/dialog_base.h"
#include "shell/wizard/wizard_pages.h"

namespace tessary {

struct Program;

// Opens the wizard (or brings forward the one that is open); false when its
// window cannot be made. Reports a missing "Templates" folder once it shows.
bool openWizard(Program& program);

// A key message for the frame or one of its controls: table 220 turns Tab and
// Esc into the frame's commands, and Enter presses the push button that has
// the focus, or else "Next >" when it is enabled. While a drop-down list is
// open its keys are its own. True when the message was taken.
bool translateWizardKey(HWND frame, HACCEL keys, MSG& msg);

class WizardFrame : public Dialog {
public:
    explicit WizardFrame(Program& program);

    WizardFlow& flow() { return flow_; }
    // All six pages were made.
    bool complete() const { return pages_.back() && pages_.back()->window(); }

    // What the keys of table 220 do here (their rows of the command table):
    // Esc asks whether to skip the wizard, Tab moves the focus as the flow
    // says, Alt+F4 is Cancel, and the editing keys act on the page's field
    // that has the focus, when an edit field has it.
    void askSkip();
    void tab();
    void cancel() { onCancel(); }
    void editField(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool onInit() override;
    void onCommand(int controlId, int notifyCode) override;
    bool onCancel() override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    WizardPageDialog& currentPage() { return *pages_[static_cast<int>(flow_.page())]; }
    // Shows the flow's current page with its header texts, and the buttons.
    void showPage();
    void showButtons();
    void next();
    void back();
    // Ends the wizard after a task (or the skip question) in the main window.
    void finish(WizardStep step);
    // Destroys the frame: the object is gone afterwards.
    void close();
    RECT headerBand() const;
    void paintHeader();

    Program& program_;
    WizardFlow flow_;
    WizardFonts pageFonts_;
    HFONT titleFont_ = nullptr;
    HFONT subtitleFont_ = nullptr;
    HBITMAP header_ = nullptr;
    std::array<std::unique_ptr<WizardPageDialog>, kWizardPageCount> pages_;
};

}  // namespace tessary
