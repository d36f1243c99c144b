#include "editor/fm_item_properties_rules.h"

#include <vector>

#include "editor/menu_rules.h"
#include "editor/node_placement.h"
#include "model/lexicon.h"
#include "resources/resource.h"

namespace tessary {
namespace {

constexpr const char* kSeveralItems = "Will be represented by several items in FileMaker.";

}  // namespace

std::optional<FmItemPropertiesRules> FmItemPropertiesRules::forAdd(MenuTree& tree, MenuKind menuKind) {
    const NodeHandle parent = parentForNewNode(tree);
    FmItemPropertiesRules rules(tree, menuKind, DialogMode::Add, kNoNode, parent);
    FmItemPropertiesView& v = rules.view_;
    v.platforms = rules.openingPlatforms();
    if (rules.shortcutAllowed()) {
        v.shortcut = ShortcutControls::filled();
    }
    return rules;
}

std::optional<FmItemPropertiesRules> FmItemPropertiesRules::forEdit(MenuTree& tree,
                                                                    MenuKind menuKind,
                                                                    NodeHandle node) {
    if (tree.getKind(node) != NodeKind::FmItem) {
        return std::nullopt;
    }
    FmItemPropertiesRules rules(tree, menuKind, DialogMode::Edit, node, tree.parent(node));
    FmItemPropertiesView& v = rules.view_;
    const MenuItemRecord* record = tree.getRecord(node);
    rules.fmId_ = record->fmId;
    std::string_view keyword;
    if (LookupFmCommandKeyword(record->fmId, keyword)) {
        v.keyword = keyword;
    }
    v.userString = recordText(record->userString);
    v.enabled = record->enabled != 0;
    v.localCaptionTicked = record->useLocalCaption == 1;
    v.name = tree.caption(node);
    v.platforms = rules.openingPlatforms();
    if (menuKind != MenuKind::PopupMenu) {
        v.shortcut = ShortcutControls::showing(record->shortcut);
    }
    if (isDynamicListKeyword(v.keyword)) {
        v.localCaptionShown = false;
        v.nameShown = false;
        v.shortcut.setEnabled(false);
        v.severalItemsShown = true;
        v.severalItemsText = rules.english() + "\n" + kSeveralItems;
    }
    rules.refreshLocalCaption();
    return rules;
}

bool FmItemPropertiesRules::shortcutAllowed() const {
    if (menuKind_ == MenuKind::PopupMenu) {
        return false;  // pop-up menus carry no shortcuts
    }
    return commandAllowed();
}

bool FmItemPropertiesRules::commandAllowed() const {
    return !(mode_ == DialogMode::Add && menuKind_ == MenuKind::MainMenu && parent_ == kRootNode);
}

std::string FmItemPropertiesRules::english() const {
    return englishCaption(fmId_, menuChosen_);
}

void FmItemPropertiesRules::refreshLocalCaption() {
    view_.nameEnabled = !view_.localCaptionTicked;
    if (view_.localCaptionTicked && !view_.keyword.empty()) {
        view_.name = equivalentOfText(english());
    }
}

void FmItemPropertiesRules::setName(std::string_view text) {
    if (view_.nameEnabled) {
        view_.name = text;
    }
}

void FmItemPropertiesRules::tickEnabled(bool ticked) {
    if (view_.enabledEnabled) {
        view_.enabled = ticked;
    }
}

void FmItemPropertiesRules::tickLocalCaption(bool ticked) {
    if (!view_.localCaptionShown) {
        return;
    }
    view_.localCaptionTicked = ticked;
    if (!ticked) {
        view_.name = english();  // the English caption to start from
    }
    refreshLocalCaption();
}

void FmItemPropertiesRules::takeChosenCommand(std::string_view keyword, std::string_view caption) {
    uint32_t id = 0;
    if (!LookupFmCommandByKeyword(keyword, id)) {
        return;
    }
    fmId_ = id;
    menuChosen_ = false;
    chosenSource_.reset();
    chosenMenu_ = kNoNode;
    view_.keyword = keyword;
    view_.name = caption;
    view_.userStringEnabled = true;
    view_.enabledEnabled = true;
    const bool dynamic = isDynamicListKeyword(keyword);
    view_.severalItemsShown = dynamic;
    view_.localCaptionShown = !dynamic;
    view_.nameShown = !dynamic;
    if (dynamic) {
        view_.localCaptionTicked = true;
        view_.severalItemsText = english() + "\n" + kSeveralItems;
    }
    if (view_.shortcut.isFilled()) {
        view_.shortcut.setEnabled(!dynamic);
    }
    refreshLocalCaption();
}

void FmItemPropertiesRules::takeChosenMenu(std::string_view keyword, const MenuTree* source, NodeHandle menu) {
    // A tree the caller keeps alive itself: shared without being owned.
    takeChosenMenu(keyword, std::shared_ptr<const MenuTree>(std::shared_ptr<const MenuTree>(), source), menu);
}

void FmItemPropertiesRules::takeChosenMenu(std::string_view keyword,
                                           std::shared_ptr<const MenuTree> source,
                                           NodeHandle menu) {
    uint32_t id = 0;
    if (!LookupFmMenuByKeyword(keyword, id)) {
        return;
    }
    fmId_ = id;
    menuChosen_ = true;
    chosenSource_ = std::move(source);
    chosenMenu_ = menu;
    view_.keyword = keyword;
    view_.userStringEnabled = false;
    view_.enabledEnabled = false;
    view_.severalItemsShown = false;
    view_.localCaptionShown = true;
    view_.nameShown = true;
    view_.shortcut.setEnabled(false);
    if (chosenSource_ && chosenSource_->isValid(chosenMenu_)) {
        view_.name = chosenSource_->caption(chosenMenu_);
    } else if (view_.name.empty()) {
        view_.name = english();
    }
    refreshLocalCaption();
}

void FmItemPropertiesRules::setKeyword(std::string_view keyword) {
    if (keyword == view_.keyword) {
        return;
    }
    uint32_t id = 0;
    if (LookupFmCommandByKeyword(keyword, id)) {
        takeChosenCommand(keyword, englishCaption(id, false));
    } else if (LookupFmMenuByKeyword(keyword, id)) {
        takeChosenMenu(keyword, std::shared_ptr<const MenuTree>(), kNoNode);
    } else {
        view_.keyword.clear();
        fmId_ = 0;
    }
}

std::string FmItemPropertiesRules::caption() const {
    return view_.localCaptionTicked ? english() : view_.name;
}

bool FmItemPropertiesRules::shortcutStored() const {
    return !menuChosen_ && view_.shortcut.enabled();
}

OkChecks FmItemPropertiesRules::okChecks() const {
    OkChecks checks;
    checkMenuCodeText(checks, caption(), DialogField::Name);
    checkMenuCodeText(checks, view_.userString, DialogField::UserString);
    const NodeHandle parent =
        mode_ == DialogMode::Add ? parentWithCtrl(parent_, NodeKind::FmItem, menuKind_, ctrlHeld_) : parent_;
    if (!menuChosen_ && parent == kRootNode && menuKind_ == MenuKind::MainMenu) {
        checks.push_back(OkCheck::refusal(IDS_MENU_BAR_HOLDS_MENUS, OkCheck::Icon::Warning));
    }
    if (!checks.empty()) {
        return checks;
    }
    if (view_.platforms.mask() == 0) {
        checks.push_back(OkCheck::question(IDS_NO_PLATFORMS));
    }
    const uint16_t shortcut = view_.shortcut.value();
    if (shortcutStored() && shortcut != 0) {
        // A FileMaker item is compared with script items only: two FileMaker
        // items may share a shortcut.
        if (findShortcutClash(*tree_, shortcut) != kNoNode) {
            checks.push_back(OkCheck::refusal(IDS_SHORTCUT_USED, OkCheck::Icon::Warning));
        }
    }
    return checks;
}

void FmItemPropertiesRules::copyChosenChildren(NodeHandle target) {
    if (!chosenSource_ || !chosenSource_->isValid(chosenMenu_)) {
        return;
    }
    MenuTree& tree = *tree_;
    NodeHandle first = kNoNode;
    for (NodeHandle child = chosenSource_->firstChild(chosenMenu_); child != kNoNode;
         child = chosenSource_->nextSibling(child)) {
        const NodeHandle copy = tree.copySubtree(*chosenSource_, child, target, Position::Last);
        if (first == kNoNode) {
            first = copy;
        }
    }
    const PlatformMask unticked = static_cast<PlatformMask>(kPlatformAll & ~view_.platforms.mask());
    if (first != kNoNode) {
        if (unticked) {
            for (NodeHandle child = first; child != kNoNode; child = tree.nextSibling(child)) {
                tree.removePlatformsFromSubtree(child, unticked, false);
            }
        }
        tree.setLocalCaptionOnRun(first, view_.localCaptionTicked ? 1 : 0);
    }
}

NodeHandle FmItemPropertiesRules::apply() {
    MenuTree& tree = *tree_;
    if (mode_ == DialogMode::Add) {
        MenuItemRecord record = newRecord(view_.platforms.mask());
        record.fmId = fmId_;
        record.useLocalCaption = view_.localCaptionTicked ? 1 : 0;
        if (!menuChosen_) {
            record.enabled = view_.enabled ? 1 : 0;
            record.shortcut = shortcutStored() ? view_.shortcut.value() : 0;
            storeText(record.userString, view_.userString);
        }
        const NodeKind kind = menuChosen_ ? NodeKind::Menu : NodeKind::FmItem;
        parent_ = parentWithCtrl(parent_, kind, menuKind_, ctrlHeld_);
        const NodeHandle node = insertPlaced(tree, parent_, caption(), kind, record);
        if (menuChosen_) {
            copyChosenChildren(node);
        }
        return node;
    }

    tree.setCaption(node_, caption());
    tree.setFmId(node_, fmId_);
    if (!menuChosen_) {
        tree.setUserString(node_, fieldText(view_.userString));
        tree.setEnabled(node_, view_.enabled ? 1 : 0);
    }
    tree.setUseLocalCaption(node_, view_.localCaptionTicked ? 1 : 0);
    if (shortcutStored()) {
        tree.setShortcut(node_, view_.shortcut.value());
    }
    tree.setPlatforms(node_, view_.platforms.mask());
    if (menuChosen_) {
        tree.setShortcut(node_, 0);
        tree.setKind(node_, NodeKind::Menu);
        copyChosenChildren(node_);
    }
    return node_;
}

}  // namespace tessary
