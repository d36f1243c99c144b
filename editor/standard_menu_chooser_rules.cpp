#include "editor/standard_menu_chooser_rules.h"

#include "documents/standard_files.h"
#include "menucode/code_tree.h"
#include "model/lexicon.h"

namespace tessary {
namespace {

// Loads the standard menu files into the chooser's own tree.
class ChooserTreeLoader : public TreeLoader {
public:
    explicit ChooserTreeLoader(MenuTree& tree) : tree_(tree) {}
    void clearTree() override { tree_.clearTree(); }
    LoadResult loadText(std::string_view text, MenuKind kind, bool fromEditor) override {
        return LoadCodeIntoTree(tree_, text, kind, fromEditor);
    }
    void collapseAll() override { tree_.collapseAll(); }

private:
    MenuTree& tree_;
};

}  // namespace

StandardMenuChooserRules::StandardMenuChooserRules(DocumentFiles& files,
                                                   SettingsStore& settings,
                                                   FmItemPropertiesRules& owner)
    : files_(files), settings_(settings), owner_(owner), tree_(std::make_shared<MenuTree>()) {}

void StandardMenuChooserRules::open() {
    StandardFileList list(files_);
    list.listStandardFiles({}, false);
    versions_ = list.sortedNames();
    const uint32_t stored = readSettingOr(settings_, kSettingChooseFmVersion, 0);
    if (stored < versions_.size()) {
        chooseVersion(static_cast<int>(stored));
    }
}

void StandardMenuChooserRules::chooseVersion(int index) {
    if (index < 0 || index >= static_cast<int>(versions_.size())) {
        return;
    }
    version_ = index;
    settings_.writeSetting(kSettingChooseFmVersion, static_cast<uint32_t>(index));
    // The comma keeps "FileMaker 8" from taking the modes of "FileMaker 8.5".
    StandardFileList list(files_);
    list.listStandardFiles(versions_[index] + ",", false);
    modes_ = list.sortedNames();
    mode_ = -1;
    selected_ = kNoNode;
    tree_->clearTree();
    chooseMode(0);
}

void StandardMenuChooserRules::chooseMode(int index) {
    if (version_ < 0 || index < 0 || index >= static_cast<int>(modes_.size())) {
        return;
    }
    mode_ = index;
    settings_.writeSetting(kSettingChooseFmMode, static_cast<uint32_t>(index));
    selected_ = kNoNode;
    ChooserTreeLoader loader(*tree_);
    loadStandardFile(files_, loader, false, versions_[version_], modes_[index]);
}

std::string StandardMenuChooserRules::keywordOf(NodeHandle node, bool& isMenu) const {
    if (node == kNoNode) {
        return {};  // the tree would take it as its selected node
    }
    const NodeKind kind = tree_->getKind(node);
    isMenu = kind == NodeKind::Menu;
    std::string_view keyword;
    if (isMenu ? LookupFmMenuKeyword(tree_->getFmId(node), keyword)
               : kind == NodeKind::FmItem && LookupFmCommandKeyword(tree_->getFmId(node), keyword)) {
        return std::string(keyword);
    }
    return {};
}

bool StandardMenuChooserRules::okEnabled() const {
    bool isMenu = false;
    if (keywordOf(selected_, isMenu).empty()) {
        return false;
    }
    return isMenu || owner_.commandAllowed();
}

StandardMenuChooserRules::Pick StandardMenuChooserRules::ok() {
    if (!okEnabled()) {
        return Pick::Nothing;
    }
    bool isMenu = false;
    const std::string keyword = keywordOf(selected_, isMenu);
    if (isMenu) {
        owner_.takeChosenMenu(keyword, std::shared_ptr<const MenuTree>(tree_), selected_);
        held_ = true;
        return Pick::Menu;
    }
    owner_.takeChosenCommand(keyword, tree_->caption(selected_));
    held_ = false;
    return Pick::Command;
}

void StandardMenuChooserRules::close() {
    tree_ = std::make_shared<MenuTree>();
    selected_ = kNoNode;
    held_ = false;
}

}  // namespace tessary
