// The standard-menu chooser "Select FileMaker Menu Item": a modeless dialog
// owned by "Menu Item Properties", which opens it with "Choose..." and keeps
// the object. Picking a command hands it to the owner's rules and closes the
// chooser; picking a whole standard menu hands it over and hides the chooser,
// which the owner then holds until its own OK or Cancel, or its next
// "Choose...", closes it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>

#include "documents/document_files.h"
#include "documents/settings_store.h"
#include "editor/fm_item_properties_rules.h"
#include "editor/standard_menu_chooser_rules.h"
#include "shell/dialogs/dialog_base.h"

namespace tessary {

class TreeViewMirror;

// What the chooser reads: the ready-made files, the settings that remember its
// version and mode, and the main tree's per-kind icons.
struct StandardMenuChooserContext {
    DocumentFiles& files;
    SettingsStore& settings;
    HIMAGELIST kindImages;
};

class StandardMenuChooser : public Dialog {
public:
    using Picked = std::function<void(StandardMenuChooserRules::Pick)>;

    // Opens a chooser over the owner dialog; `picked` is called after each
    // pick, once the owner's rules have it. Null when the window cannot be made.
    static std::unique_ptr<StandardMenuChooser> open(HWND owner,
                                                     FmItemPropertiesRules& rules,
                                                     const StandardMenuChooserContext& context,
                                                     Picked picked);
    // Closes the window when it is still open.
    ~StandardMenuChooser() override;

    bool isOpen() const { return hwnd() != nullptr; }
    // Closes the window; its tree is freed unless the owner's rules hold it.
    void close();

private:
    StandardMenuChooser(FmItemPropertiesRules& rules, const StandardMenuChooserContext& context, Picked picked);

    bool onInit() override;
    void onCommand(int controlId, int notifyCode) override;
    bool onOk() override;
    bool onCancel() override;
    INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void showVersions();
    void showModes();
    void takeSelection();
    void release();
    static LRESULT CALLBACK keyFilter(int code, WPARAM wParam, LPARAM lParam);

    StandardMenuChooserRules rules_;
    HIMAGELIST kindImages_;
    Picked picked_;
    std::unique_ptr<TreeViewMirror> mirror_;
    HHOOK keyHook_ = nullptr;
};

}  // namespace tessary
