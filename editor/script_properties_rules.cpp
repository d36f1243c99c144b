#include "editor/script_properties_rules.h"

#include "editor/menu_rules.h"
#include "editor/node_placement.h"
#include "resources/resource.h"

namespace tessary {

const char* macSystemItemName(MacSystemItem item) {
    switch (item) {
        case MacSystemItem::Quit:
            return "Mac Quit Item";
        case MacSystemItem::Preferences:
            return "Mac OS X Preferences Item";
        default:
            return "-none-";
    }
}

namespace {

MacSystemItem macItemOf(NodeKind kind) {
    switch (kind) {
        case NodeKind::MacQuitItem:
            return MacSystemItem::Quit;
        case NodeKind::MacPreferencesItem:
            return MacSystemItem::Preferences;
        default:
            return MacSystemItem::None;
    }
}

}  // namespace

std::optional<ScriptPropertiesRules> ScriptPropertiesRules::forAdd(MenuTree& tree, MenuKind menuKind) {
    const NodeHandle parent = parentForNewNode(tree);
    if (parent == kRootNode && menuKind == MenuKind::MainMenu) {
        return std::nullopt;  // a menu bar holds only menus
    }
    ScriptPropertiesRules rules(tree, menuKind, DialogMode::Add, kNoNode, parent);
    ScriptPropertiesView& v = rules.view_;
    v.checkOnEnabled = true;
    v.platforms = rules.openingPlatforms();
    if (menuKind != MenuKind::PopupMenu) {
        v.shortcut = ShortcutControls::filled();
    }
    rules.fillMacItemList();
    return rules;
}

std::optional<ScriptPropertiesRules> ScriptPropertiesRules::forEdit(MenuTree& tree,
                                                                    MenuKind menuKind,
                                                                    NodeHandle node) {
    const NodeKind kind = tree.getKind(node);
    if (kind != NodeKind::ScriptItem && kind != NodeKind::MacQuitItem && kind != NodeKind::MacPreferencesItem) {
        return std::nullopt;
    }
    const NodeHandle parent = tree.parent(node);
    ScriptPropertiesRules rules(tree, menuKind, DialogMode::Edit, node, parent);
    ScriptPropertiesView& v = rules.view_;
    const MenuItemRecord* record = tree.getRecord(node);
    v.name = tree.caption(node);
    v.script = recordText(record->scriptName);
    v.userString = recordText(record->userString);
    v.enabled = record->enabled != 0;
    v.checkOn = record->checkOn != 0;
    v.macItem = macItemOf(kind);
    const bool script = kind == NodeKind::ScriptItem;
    v.checkOnEnabled = script;
    v.platforms = rules.openingPlatforms();
    if (!script) {
        v.platforms.enableAll(false);
    }
    if (menuKind != MenuKind::PopupMenu) {
        v.shortcut = ShortcutControls::showing(tree.getShortcut(node));
        v.shortcut.setEnabled(script);
    }
    rules.fillMacItemList();
    return rules;
}

void ScriptPropertiesRules::fillMacItemList() {
    view_.macItemEnabled = tree_->isAppMenu(parent_);
    if (!view_.macItemEnabled) {
        return;
    }
    view_.macItemGrey[static_cast<int>(MacSystemItem::Quit)] =
        findOtherMacSystemItem(*tree_, NodeKind::MacQuitItem, node_) != kNoNode;
    view_.macItemGrey[static_cast<int>(MacSystemItem::Preferences)] =
        findOtherMacSystemItem(*tree_, NodeKind::MacPreferencesItem, node_) != kNoNode;
}

void ScriptPropertiesRules::tickCheckOn(bool ticked) {
    if (view_.checkOnEnabled) {
        view_.checkOn = ticked;
    }
}

void ScriptPropertiesRules::chooseMacItem(MacSystemItem item) {
    if (!view_.macItemEnabled) {
        return;
    }
    if (view_.macItemGrey[static_cast<int>(item)]) {
        item = MacSystemItem::None;
    }
    view_.macItem = item;
    const bool system = item != MacSystemItem::None;
    // The Mac items are for MacOS X alone and carry neither shortcut nor check mark.
    view_.shortcut.setEnabled(!system && menuKind_ != MenuKind::PopupMenu);
    view_.checkOnEnabled = !system;
    if (system) {
        view_.platforms = PlatformBoxes(kPlatformMacX);
        view_.platforms.enableAll(false);
    } else {
        view_.platforms = PlatformBoxes(kPlatformMac);
        view_.platforms.enable(PlatformBox::Windows, !tree_->isAppMenu(parent_));
    }
}

void ScriptPropertiesRules::takeChosenScript(std::string_view script) {
    view_.script = script;
    if (view_.name.empty()) {
        view_.name = script;
    }
}

NodeKind ScriptPropertiesRules::chosenKind() const {
    switch (view_.macItem) {
        case MacSystemItem::Quit:
            return NodeKind::MacQuitItem;
        case MacSystemItem::Preferences:
            return NodeKind::MacPreferencesItem;
        default:
            return NodeKind::ScriptItem;
    }
}

bool ScriptPropertiesRules::shortcutStored() const {
    return view_.shortcut.enabled() && chosenKind() == NodeKind::ScriptItem;
}

OkChecks ScriptPropertiesRules::okChecks() const {
    OkChecks checks;
    if (view_.name.empty()) {
        checks.push_back(OkCheck::refusal(IDS_NAME_EMPTY, OkCheck::Icon::None, DialogField::Name));
        return checks;
    }
    checkMenuCodeText(checks, view_.name.substr(0, kMaxTextLength), DialogField::Name);
    checkMenuCodeText(checks, view_.script, DialogField::Script);
    checkMenuCodeText(checks, view_.userString, DialogField::UserString);
    if (chosenKind() != NodeKind::ScriptItem && !tree_->isAppMenu(parent_)) {
        checks.push_back(OkCheck::refusal(IDS_MAC_ITEM_PLACE, OkCheck::Icon::Warning));
    }
    if (!checks.empty()) {
        return checks;  // a refusal first: no question is asked in vain
    }
    if (view_.script.empty()) {
        checks.push_back(OkCheck::question(IDS_NO_SCRIPT_NAME));
    }
    if (view_.platforms.mask() == 0) {
        checks.push_back(OkCheck::question(IDS_NO_PLATFORMS));
    }
    const uint16_t shortcut = view_.shortcut.value();
    if (shortcutStored() && shortcut != 0) {
        // Only script items are searched; a node never clashes with itself.
        if (findShortcutClash(*tree_, shortcut, node_) != kNoNode) {
            checks.push_back(OkCheck::refusal(IDS_SHORTCUT_USED, OkCheck::Icon::Warning));
        }
    }
    return checks;
}

NodeHandle ScriptPropertiesRules::apply() {
    MenuTree& tree = *tree_;
    const NodeKind kind = chosenKind();
    const bool system = kind != NodeKind::ScriptItem;
    if (mode_ == DialogMode::Add) {
        MenuItemRecord record = newRecord(view_.platforms.mask());
        storeText(record.scriptName, view_.script);
        storeText(record.userString, view_.userString);
        record.enabled = view_.enabled ? 1 : 0;
        record.checkOn = !system && view_.checkOn ? 1 : 0;
        record.shortcut = shortcutStored() ? view_.shortcut.value() : 0;
        parent_ = parentWithCtrl(parent_, NodeKind::ScriptItem, menuKind_, ctrlHeld_);
        return insertPlaced(tree, parent_, view_.name, kind, record);
    }

    const NodeKind before = tree.getKind(node_);
    tree.setKind(node_, kind);
    tree.setCaption(node_, view_.name);
    tree.setScriptName(node_, fieldText(view_.script));
    tree.setUserString(node_, fieldText(view_.userString));
    tree.setEnabled(node_, view_.enabled ? 1 : 0);
    if (view_.checkOnEnabled) {
        tree.setCheckOn(node_, view_.checkOn ? 1 : 0);
    }
    if (shortcutStored()) {
        tree.setShortcut(node_, view_.shortcut.value());
    }
    tree.setPlatforms(node_, view_.platforms.mask());
    if (system && kind != before) {
        // The Mac items keep their places: Quit last, Preferences before Quit.
        tree.setCheckOn(node_, 0);
        return moveNode(tree, node_, parent_, insertionPoint(tree, parent_, kind));
    }
    return node_;
}

}  // namespace tessary
