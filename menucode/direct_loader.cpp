#include "menucode/direct_loader.h"

#include "menucode/node_values.h"
#include "model/menu_tree.h"

namespace tessary {

namespace {

NodeHandle insert(MenuTree& tree, NodeHandle parent, const PendingNodeValues& v) {
    return tree.insertNode(parent, kLastPosition, v.caption, v.kind, v.platforms, v.shortcut, v.fmId, v.useLocalCaption,
                           v.enabled, v.checkOn, v.scriptName, v.userString);
}

}  // namespace

bool DirectLoader::finish() {
    if (refused_ || !open_.empty()) {
        return false;
    }
    // Like every menu, the application menu was expanded by its first child;
    // read the pending way it would be shown collapsed unless an item went into
    // it directly (it is never moved).
    if (appMenu_ != kNoNode && !appMenuReceivedItem_ && tree_.firstChild(appMenu_) != kNoNode) {
        tree_.expandNode(appMenu_, false);
    }
    return true;
}

MenuHandle DirectLoader::beginMenuBar() {
    return kRootNode;
}

// Both come only with a failing text.
void DirectLoader::abortMenuBar(MenuHandle) {
    refuse();
}

void DirectLoader::discardMenu(MenuHandle) {
    refuse();
}

bool DirectLoader::refuse() {
    refused_ = true;
    return false;
}

MenuHandle DirectLoader::beginMenu(const MenuSpec& menuSpec) {
    PendingNodeValues menu;
    if (!menuNodeValues(menuSpec, menu)) {
        return kRootNode;  // the context or pop-up menu itself
    }
    menu.platforms &= openPlatforms();
    const NodeHandle node = insert(tree_, openContainer(), menu);
    if (node == kNoNode) {
        refuse();
        return 0;
    }
    open_.push_back({node, menu.platforms});
    return node;
}

bool DirectLoader::addItem(MenuHandle parent, const ItemSpec& itemSpec) {
    if (parent != openContainer()) {
        return refuse();
    }
    PendingNodeValues item;
    if (!itemNodeValues(itemSpec, openPlatforms(), item) || insert(tree_, parent, item) == kNoNode) {
        return refuse();
    }
    appMenuReceivedItem_ = appMenuReceivedItem_ || parent == appMenu_;
    return true;
}

// The closing brace of a menu: it is where it belongs already.
bool DirectLoader::attach(MenuHandle parent, MenuHandle menu) {
    if (open_.empty() || open_.back().node != menu || openParent() != parent) {
        return refuse();
    }
    open_.pop_back();
    return true;
}

MenuHandle DirectLoader::beginAppMenu() {
    if (!open_.empty() || appMenu_ != kNoNode) {
        refuse();
        return 0;
    }
    appMenu_ = insert(tree_, kRootNode, appMenuNodeValues());
    if (appMenu_ == kNoNode) {
        refuse();
        return 0;
    }
    open_.push_back({appMenu_, kPlatformMac});  // whatever its record says
    return appMenu_;
}

bool DirectLoader::nameAppMenu(MenuHandle appMenu, std::string_view caption) {
    if (open_.empty() || open_.back().node != appMenu || !tree_.setCaption(appMenu, caption)) {
        return refuse();
    }
    open_.pop_back();
    return true;
}

}  // namespace tessary
