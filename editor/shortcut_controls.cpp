#include "editor/shortcut_controls.h"

#include "model/lexicon.h"

namespace tessary {

ShortcutControls ShortcutControls::filled() {
    ShortcutControls controls;
    controls.filled_ = true;
    controls.entry_ = 0;
    return controls;
}

ShortcutControls ShortcutControls::showing(uint16_t shortcut) {
    ShortcutControls controls;
    controls.filled_ = true;
    controls.ctrl_ = (shortcut & kShortcutCtrl) != 0;
    controls.alt_ = (shortcut & kShortcutAlt) != 0;
    std::string name;
    const uint8_t key = static_cast<uint8_t>(shortcut & 0xFF);
    if (key != 0 && VirtualKeyToDisplayName(key, name)) {
        for (int i = 0; i < kShortcutKeyListCount; ++i) {
            if (name == ShortcutKeyListAt(i)) {
                controls.entry_ = i;
                break;
            }
        }
    }
    return controls;
}

bool ShortcutControls::choosable(int entry) const {
    return filled_ && entry >= 0 && entry < kShortcutKeyListCount && (entry < kAlwaysChoosable || ctrl_ || alt_);
}

void ShortcutControls::choose(int entry) {
    if (enabled()) {
        entry_ = choosable(entry) ? entry : 0;
    }
}

void ShortcutControls::setCtrl(bool on) {
    if (enabled()) {
        ctrl_ = on;
        dropEntryNeedingModifier();
    }
}

void ShortcutControls::setAlt(bool on) {
    if (enabled()) {
        alt_ = on;
        dropEntryNeedingModifier();
    }
}

void ShortcutControls::dropEntryNeedingModifier() {
    if (!ctrl_ && !alt_ && entry_ >= kAlwaysChoosable) {
        entry_ = 0;
    }
}

uint16_t ShortcutControls::value() const {
    if (!filled_ || entry_ <= 0) {
        return 0;
    }
    const uint8_t key = DisplayNameToVirtualKey(ShortcutKeyListAt(entry_));
    if (key == 0) {
        return 0;
    }
    return static_cast<uint16_t>(key | (ctrl_ ? kShortcutCtrl : 0) | (alt_ ? kShortcutAlt : 0));
}

}  // namespace tessary
