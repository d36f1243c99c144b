#include "editor/menu_properties_rules.h"

#include <vector>

#include "editor/node_placement.h"
#include "resources/resource.h"

namespace tessary {

std::optional<MenuPropertiesRules> MenuPropertiesRules::forAdd(MenuTree& tree, MenuKind menuKind) {
    const NodeHandle parent = parentForNewNode(tree);
    MenuPropertiesRules rules(tree, menuKind, DialogMode::Add, kNoNode, parent);
    MenuPropertiesView& v = rules.view_;
    v.platforms = rules.openingPlatforms();
    v.appMenuEnabled = menuKind == MenuKind::MainMenu && tree.findFirstAppMenu() == kNoNode;
    rules.ownBoxes_ = v.platforms;
    return rules;
}

std::optional<MenuPropertiesRules> MenuPropertiesRules::forEdit(MenuTree& tree, MenuKind menuKind, NodeHandle node) {
    const NodeKind kind = tree.getKind(node);
    if (!isMenuKind(kind)) {
        return std::nullopt;
    }
    const NodeHandle parent = tree.parent(node);
    MenuPropertiesRules rules(tree, menuKind, DialogMode::Edit, node, parent);
    MenuPropertiesView& v = rules.view_;
    const bool isAppMenu = kind == NodeKind::AppMenu;
    const bool topLevelMenu = kind == NodeKind::Menu && parent == kRootNode;
    v.appMenuEnabled = menuKind == MenuKind::MainMenu && tree.findMacQuitItem() == kNoNode &&
                       (isAppMenu || (topLevelMenu && tree.findFirstAppMenu() == kNoNode));
    v.appMenuTicked = isAppMenu;
    v.localCaptionEnabled = tree.getFmId(node) != 0 && !isAppMenu;
    v.localCaptionTicked = v.localCaptionEnabled && tree.getUseLocalCaption(node) == 1;
    v.nameEnabled = !v.localCaptionTicked;
    v.name = v.localCaptionTicked ? equivalentOfText(englishCaption(tree.getFmId(node), true)) : tree.caption(node);
    v.appMenuNoteShown = isAppMenu;
    v.platforms = rules.openingPlatforms();
    rules.ownBoxes_ = v.platforms;
    if (isAppMenu) {
        v.platforms.enableAll(false);
    }
    return rules;
}

void MenuPropertiesRules::setName(std::string_view name) {
    if (view_.nameEnabled) {
        view_.name = name;
    }
}

void MenuPropertiesRules::tickAppMenu(bool ticked) {
    if (!view_.appMenuEnabled) {
        return;
    }
    view_.appMenuTicked = ticked;
    view_.appMenuNoteShown = ticked;
    if (ticked) {
        ownBoxes_ = view_.platforms;
        view_.platforms = PlatformBoxes(kPlatformMac);
        view_.platforms.enableAll(false);
        if (view_.localCaptionTicked) {
            tickLocalCaption(false);
        }
        view_.localCaptionEnabled = false;
    } else {
        restorePlatformBoxes();
        view_.localCaptionEnabled = mode_ == DialogMode::Edit && tree_->getFmId(node_) != 0;
    }
}

void MenuPropertiesRules::restorePlatformBoxes() {
    view_.platforms = ownBoxes_;
    // Boxes of platforms the parent lacks stay disabled.
    const PlatformMask parentSet = tree_->getPlatforms(parent_);
    view_.platforms.enable(PlatformBox::Windows, (parentSet & kPlatformWindows) != 0);
    view_.platforms.enable(PlatformBox::MacClassic, (parentSet & kPlatformMacClassic) != 0);
    view_.platforms.enable(PlatformBox::MacX, (parentSet & kPlatformMacX) != 0);
    if (parentSet != kPlatformAll || tree_->isAppMenu(parent_)) {
        view_.platforms.enableAll(false);
    }
}

void MenuPropertiesRules::tickLocalCaption(bool ticked) {
    if (!view_.localCaptionEnabled && ticked) {
        return;
    }
    const std::string english = englishCaption(tree_->getFmId(node_), true);
    view_.localCaptionTicked = ticked;
    view_.nameEnabled = !ticked;
    view_.name = ticked ? equivalentOfText(english) : english;
}

bool MenuPropertiesRules::becomesAppMenuFromMenu() const {
    return mode_ == DialogMode::Edit && view_.appMenuTicked && tree_->getKind(node_) == NodeKind::Menu;
}

bool MenuPropertiesRules::platformsChangeForChildren() const {
    return mode_ == DialogMode::Edit && view_.platforms.anyEnabled() &&
           view_.platforms.mask() != tree_->getPlatforms(node_) && tree_->hasChildren(node_);
}

std::string MenuPropertiesRules::caption() const {
    return view_.localCaptionTicked ? englishCaption(tree_->getFmId(node_), true) : view_.name;
}

OkChecks MenuPropertiesRules::okChecks() const {
    OkChecks checks;
    if (view_.name.empty()) {
        checks.push_back(OkCheck::refusal(IDS_NAME_EMPTY, OkCheck::Icon::None, DialogField::Name));
        return checks;
    }
    checkMenuCodeText(checks, caption(), DialogField::Name);
    if (!checks.empty()) {
        return checks;
    }
    if (!view_.appMenuTicked && view_.platforms.mask() == 0) {
        checks.push_back(OkCheck::question(IDS_NO_PLATFORMS));
    }
    if (becomesAppMenuFromMenu() && tree_->findPlatformsInSubtree(node_, kPlatformWindows) != kNoNode) {
        checks.push_back(OkCheck::question(IDS_WINDOWS_ONLY_ITEMS, OkCheck::Icon::Stop));
    }
    if (platformsChangeForChildren()) {
        checks.push_back(OkCheck::question(IDS_PLATFORMS_TO_SUBITEMS));
    }
    return checks;
}

NodeHandle MenuPropertiesRules::apply() {
    MenuTree& tree = *tree_;
    if (mode_ == DialogMode::Add) {
        if (view_.appMenuTicked) {
            parent_ = kRootNode;
            return tree.insertNode(kRootNode, Position::First, view_.name, NodeKind::AppMenu, newRecord(kPlatformMac));
        }
        parent_ = parentWithCtrl(parent_, NodeKind::Menu, menuKind_, ctrlHeld_);
        return insertPlaced(tree, parent_, view_.name, NodeKind::Menu, newRecord(view_.platforms.mask()));
    }

    const bool becomesAppMenu = becomesAppMenuFromMenu();
    if (becomesAppMenu) {
        // Windows-only nodes have no place in the Mac application menu; the menu
        // itself stays, whatever its own set was.
        std::vector<NodeHandle> children;
        for (NodeHandle child = tree.firstChild(node_); child != kNoNode; child = tree.nextSibling(child)) {
            children.push_back(child);
        }
        for (NodeHandle child : children) {
            tree.removePlatformsFromSubtree(child, kPlatformWindows, true);
        }
        tree.applyPlatformsToSubtree(node_, kPlatformMac);
    }
    const bool applyToChildren = platformsChangeForChildren();
    tree.setKind(node_, view_.appMenuTicked ? NodeKind::AppMenu : NodeKind::Menu);
    tree.setCaption(node_, caption());
    tree.setUseLocalCaption(node_, view_.localCaptionTicked ? 1 : 0);
    if (view_.platforms.anyEnabled()) {
        if (applyToChildren) {
            tree.applyPlatformsToSubtree(node_, view_.platforms.mask());
        }
        tree.setPlatforms(node_, view_.platforms.mask());
    }
    if (becomesAppMenu) {
        // The application menu comes first in the menu bar.
        return moveNode(tree, node_, kRootNode, Position::First);
    }
    return node_;
}

}  // namespace tessary
