// The shortcut controls of "Script Properties" and "Menu Item Properties":
// the boxes "Ctrl (PC)/Cmd (Mac)" and "Alt (PC)/Option (Mac)" and the key list
// of ShortcutKeyList. The first 13 entries ("-none-" and "F1" to "F12") can
// always be chosen; the others only while a modifier box is ticked.
#pragma once

#include <cstdint>
#include <string>

namespace tessary {

class ShortcutControls {
public:
    // The entries that can always be chosen.
    static constexpr int kAlwaysChoosable = 13;
    static constexpr int kNoEntry = -1;

    // Empty (a pop-up menu, which has no shortcuts): list and boxes disabled.
    ShortcutControls() = default;
    // Filled with every entry and set to "-none-", boxes enabled.
    static ShortcutControls filled();
    // Filled and showing a stored shortcut: the entry named after its key code
    // (no entry when it has none, which counts as no shortcut) and the boxes
    // from bits 0x0200 and 0x0400.
    static ShortcutControls showing(uint16_t shortcut);

    bool isFilled() const { return filled_; }
    int entry() const { return entry_; }
    bool ctrl() const { return ctrl_; }
    bool alt() const { return alt_; }
    // The list and the boxes can be used.
    bool enabled() const { return filled_ && enabled_; }
    void setEnabled(bool on) { enabled_ = on; }

    // Whether an entry may be chosen now; the others are drawn grey.
    bool choosable(int entry) const;
    // The user chose an entry; one that may not be chosen sets "-none-".
    // Disabled controls take no choice.
    void choose(int entry);
    // The user ticked or unticked a box; unticking the last one returns an entry
    // that needs a modifier to "-none-".
    void setCtrl(bool on);
    void setAlt(bool on);

    // The shortcut shown: modifier bits OR the entry's key code; 0 when no
    // entry with a key code is chosen.
    uint16_t value() const;

private:
    void dropEntryNeedingModifier();

    bool filled_ = false;
    bool enabled_ = true;
    int entry_ = kNoEntry;
    bool ctrl_ = false;
    bool alt_ = false;
};

}  // namespace tessary
