// The wizard's six pages: child dialogs in the frame's page area, one object
// each. A page shows what the wizard's flow holds and hands every change the
// user makes on it to the flow; the frame then shows the buttons anew.
#pragma once

#include <windows.h>

#include <functional>

#include "editor/wizard_flow.h"
#include "shell/dialogs/dialog_base.h"

namespace tessary {

// The fonts the frame makes for its pages: the bold headings of Welcome and
// the smaller descriptions under the choices.
struct WizardFonts {
    HFONT heading = nullptr;
    HFONT note = nullptr;
};

class WizardPageDialog : public Dialog {
public:
    // `changed` runs after each change the user made on the page.
    WizardPageDialog(WizardPage page, WizardFlow& flow, const WizardFonts& fonts, std::function<void()> changed);
    ~WizardPageDialog() override = default;

    // Creates the page hidden, filling the area (client coordinates of the frame).
    bool create(HWND frame, const RECT& area);
    HWND window() const { return hwnd(); }
    WizardPage page() const { return page_; }

    // Shows the flow's state; with `refill` the page's list is filled anew
    // (when the page is shown).
    void update(bool refill);

    // The control at a Tab position of the page (see wizardPageControls), and
    // the position of the control that holds the focus (-1: none of them).
    HWND tabControl(int position) const;
    int tabPosition(HWND focus) const;

private:
    bool onInit() override;
    void onCommand(int controlId, int notifyCode) override;

    void chooseFile(int controlId);

    WizardPage page_;
    WizardFlow& flow_;
    const WizardFonts& fonts_;
    std::function<void()> changed_;
};

}  // namespace tessary
