// Loading straight into an empty tree, for texts that read without a failure.
//
// The pending tree (pending_tree.h) arranges nodes the way menu code is read,
// so that a text that fails leaves exactly what was read until then. When the
// text reads to its end, that arrangement is simply the text's own nesting:
// every menu ends up under the menu around it, in the order of the text, with
// its platforms cut to its parent's, and every menu with children expanded but
// an application menu that received no item of its own. DirectLoader builds
// that tree as the text is read, node by node in the tree's own order, with no
// pending nodes and no pass over them.
//
// It refuses anything that only a failing text does (a menu discarded, a menu
// attached elsewhere than where it was begun, a refused node); the caller then
// empties the tree and loads the text the pending way, which handles failures.
#pragma once

#include <string_view>
#include <vector>

#include "menucode/parse_types.h"
#include "model/menu_item_record.h"
#include "model/node_handle.h"

namespace tessary {

class MenuTree;

class DirectLoader {
public:
    explicit DirectLoader(MenuTree& tree) : tree_(tree) {}
    DirectLoader(const DirectLoader&) = delete;
    DirectLoader& operator=(const DirectLoader&) = delete;

    // After a parse that gave kParseOk: whether the tree holds the whole load,
    // every menu closed and nothing refused. Then settles what is left (the
    // application menu's expansion).
    bool finish();

private:
    template <typename Loader>
    friend ParseCallbacks loaderCallbacks(Loader& loader);

    // The nine callbacks (loader_callbacks.h); handles are the tree's node
    // handles, and kRootNode for the top level.
    MenuHandle beginMenuBar();
    void abortMenuBar(MenuHandle bar);
    void discardMenu(MenuHandle menu);
    MenuHandle beginMenu(const MenuSpec& menuSpec);
    bool addItem(MenuHandle parent, const ItemSpec& itemSpec);
    bool attach(MenuHandle parent, MenuHandle menu);
    MenuHandle beginAppMenu();
    bool nameAppMenu(MenuHandle appMenu, std::string_view caption);
    bool refuse();

    // The menu that receives what is read now: the innermost open one.
    NodeHandle openContainer() const { return open_.empty() ? kRootNode : open_.back().node; }
    // Where the innermost open menu was put: under the open menu before it.
    NodeHandle openParent() const { return open_.size() < 2 ? kRootNode : open_[open_.size() - 2].node; }
    // The set the innermost open container gives its children.
    PlatformMask openPlatforms() const { return open_.empty() ? kPlatformAll : open_.back().platforms; }

    MenuTree& tree_;
    struct OpenMenu {
        NodeHandle node;
        PlatformMask platforms;  // the set it gives its children
    };
    std::vector<OpenMenu> open_;  // menus begun and not yet attached, outermost first
    NodeHandle appMenu_ = kNoNode;
    bool appMenuReceivedItem_ = false;
    bool refused_ = false;
};

}  // namespace tessary
