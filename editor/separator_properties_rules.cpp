#include "editor/separator_properties_rules.h"

#include "editor/node_placement.h"
#include "resources/resource.h"

namespace tessary {

std::optional<SeparatorPropertiesRules> SeparatorPropertiesRules::forAdd(MenuTree& tree, MenuKind menuKind) {
    const NodeHandle parent = parentForNewNode(tree);
    if (parent == kRootNode && menuKind == MenuKind::MainMenu) {
        return std::nullopt;
    }
    SeparatorPropertiesRules rules(tree, menuKind, DialogMode::Add, kNoNode, parent);
    rules.platforms_ = rules.openingPlatforms();
    return rules;
}

std::optional<SeparatorPropertiesRules> SeparatorPropertiesRules::forEdit(MenuTree& tree,
                                                                          MenuKind menuKind,
                                                                          NodeHandle node) {
    if (tree.getKind(node) != NodeKind::Separator) {
        return std::nullopt;
    }
    SeparatorPropertiesRules rules(tree, menuKind, DialogMode::Edit, node, tree.parent(node));
    rules.platforms_ = rules.openingPlatforms();
    return rules;
}

OkChecks SeparatorPropertiesRules::okChecks() const {
    OkChecks checks;
    if (mode_ == DialogMode::Edit) {
        return checks;  // the set is stored without a question
    }
    if (parentWithCtrl(parent_, NodeKind::Separator, menuKind_, ctrlHeld_) == kRootNode &&
        menuKind_ == MenuKind::MainMenu) {
        checks.push_back(OkCheck::refusal(IDS_MENU_BAR_HOLDS_MENUS, OkCheck::Icon::Warning));
        return checks;
    }
    if (platforms_.mask() == 0) {
        checks.push_back(OkCheck::question(IDS_NO_PLATFORMS));
    }
    return checks;
}

NodeHandle SeparatorPropertiesRules::apply() {
    if (mode_ == DialogMode::Edit) {
        tree_->setPlatforms(node_, platforms_.mask());
        return node_;
    }
    parent_ = parentWithCtrl(parent_, NodeKind::Separator, menuKind_, ctrlHeld_);
    return insertPlaced(*tree_, parent_, "-Separator-", NodeKind::Separator, newRecord(platforms_.mask()));
}

}  // namespace tessary
