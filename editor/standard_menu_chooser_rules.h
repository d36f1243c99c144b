// The standard-menu chooser, "Select FileMaker Menu Item": the standard
// FileMaker menu of a chosen FileMaker version and mode, read from the
// "FileMaker Menus" folder into a tree of its own, from which the user picks
// one FileMaker command or one whole standard menu for "Menu Item Properties".
//
// The chooser's tree is shared: when a standard menu is picked, the owner's
// rules hold the tree too, because the owner's OK copies the menu's items from
// it. The tree and its records are freed when the chooser has closed and the
// owner lets go of it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "documents/document_files.h"
#include "documents/settings_store.h"
#include "editor/fm_item_properties_rules.h"
#include "model/menu_tree.h"

namespace tessary {

class StandardMenuChooserRules {
public:
    // The owner's rules receive the pick; whether a command may be picked at
    // all is theirs to say (not at the top level of a menu bar).
    StandardMenuChooserRules(DocumentFiles& files, SettingsStore& settings, FmItemPropertiesRules& owner);

    // Opening: the versions found in the "FileMaker Menus" folder, sorted, and
    // the one at the stored index chosen. A stored index beyond the list
    // chooses nothing: the modes and the tree stay empty.
    void open();
    const std::vector<std::string>& versions() const { return versions_; }
    const std::vector<std::string>& modes() const { return modes_; }
    int versionIndex() const { return version_; }  // -1: none
    int modeIndex() const { return mode_; }        // -1: none

    // A version chosen: its index is stored, its modes listed (sorted) and the
    // first of them chosen.
    void chooseVersion(int index);
    // A mode chosen: its index is stored and the standard menu of the version
    // and mode loaded into the tree (empty when its file cannot be read).
    void chooseMode(int index);

    MenuTree& tree() { return *tree_; }
    const std::shared_ptr<MenuTree>& sharedTree() const { return tree_; }

    // The node selected in the chooser's tree.
    void select(NodeHandle node) { selected_ = node; }
    // OK is enabled on a FileMaker command (where the owner allows one) and on
    // a standard menu, each known to the FileMaker tables.
    bool okEnabled() const;

    enum class Pick { Nothing, Command, Menu };
    // OK: the selected command or menu goes to the owner's rules. After a
    // command the chooser closes; after a menu it hides and the owner holds it.
    Pick ok();
    // Whether the owner holds what this chooser picked: Cancel then only hides it.
    bool heldByOwner() const { return held_; }

    // Closing: the chooser lets go of its tree (freed unless the owner holds it).
    void close();

private:
    std::string keywordOf(NodeHandle node, bool& isMenu) const;

    DocumentFiles& files_;
    SettingsStore& settings_;
    FmItemPropertiesRules& owner_;
    std::shared_ptr<MenuTree> tree_;
    std::vector<std::string> versions_;
    std::vector<std::string> modes_;
    int version_ = -1;
    int mode_ = -1;
    NodeHandle selected_ = kNoNode;
    bool held_ = false;
};

}  // namespace tessary
