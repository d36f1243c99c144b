#include "reference_loader.h"

#include <optional>
#include <string>

#include "menucode/code_tree.h"
#include "menucode/parser.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary::codetree_test {

namespace {

std::string cut(std::optional<std::string_view> text) {
    return std::string(text.value_or(std::string_view()).substr(0, kMaxTextLength));
}

// As the loading this one mirrors has it, the parser's handles are the tree's
// nodes, with the root marker for the top level.
NodeHandle node(MenuHandle handle) {
    return NodeHandle(handle);
}
MenuHandle handle(NodeHandle node) {
    return node.value();
}

struct ReferenceCallbacks {
    MenuTree& tree;

    bool attach(MenuHandle parent, MenuHandle menu) {
        if (menu == 0) {
            return false;
        }
        const NodeHandle copy = tree.copySubtree(node(menu), node(parent), kLastPosition);
        tree.expandNode(copy, true);
        tree.deleteSubtree(node(menu));
        tree.removePlatformsFromSubtree(copy, static_cast<PlatformMask>(~tree.getPlatforms(node(parent))), false);
        return true;
    }

    MenuHandle beginMenu(const MenuSpec& menuSpec) {
        std::string caption;
        uint8_t local = 0;
        if (menuSpec.caption) {
            caption = cut(menuSpec.caption);
        } else if (menuSpec.fmMenuId != 0) {
            std::string_view english;
            if (LookupFmMenuCaption(menuSpec.fmMenuId, english)) {
                caption = english;
            }
            local = 1;
        } else {
            return handle(kRootNode);
        }
        return handle(tree.insertNode(kRootNode, kLastPosition, caption, NodeKind::Menu,
                                      static_cast<PlatformMask>(menuSpec.platforms), 0, menuSpec.fmMenuId, local, 1,
                                      0));
    }

    bool addItem(MenuHandle parent, const ItemSpec& itemSpec) {
        const PlatformMask parentSet = tree.getPlatforms(node(parent));
        NodeKind kind = NodeKind::Separator;
        PlatformMask own = static_cast<PlatformMask>(itemSpec.platforms);
        uint32_t fmId = 0;
        uint8_t checkOn = 0;
        std::string script;
        std::string user;
        switch (itemSpec.kind) {
            case ItemSpecKind::FmCommand:
                kind = NodeKind::FmItem;
                fmId = itemSpec.commandId;
                user = cut(itemSpec.userString);
                break;
            case ItemSpecKind::Script:
                kind = NodeKind::ScriptItem;
                script = cut(itemSpec.scriptName);
                checkOn = itemSpec.checkOn;
                user = cut(itemSpec.userString);
                break;
            case ItemSpecKind::Separator:
                break;
            case ItemSpecKind::MacQuit:
            case ItemSpecKind::MacPreferences:
                kind = itemSpec.kind == ItemSpecKind::MacQuit ? NodeKind::MacQuitItem : NodeKind::MacPreferencesItem;
                script = cut(itemSpec.scriptName);
                own = kPlatformMacX;
                break;
            default:
                return false;
        }
        std::string caption;
        uint8_t local = 0;
        if (kind == NodeKind::Separator) {
            caption = "-Separator-";
        } else if (itemSpec.caption) {
            caption = cut(itemSpec.caption);
        } else if (kind == NodeKind::FmItem) {
            std::string_view english;
            if (LookupFmCommandCaption(itemSpec.commandId, english)) {
                caption = english;
            }
            local = 1;
        }
        if (caption.empty()) {
            caption = "-unnamed-";
        }
        return tree.insertNode(node(parent), kLastPosition, caption, kind, static_cast<PlatformMask>(own & parentSet),
                               PackShortcut(itemSpec.key, itemSpec.modifiers), fmId, local, itemSpec.enabled, checkOn,
                               script, user) != kNoNode;
    }
};

}  // namespace

LoadResult referenceLoad(MenuTree& tree, std::string_view text, MenuKind kind) {
    text = text.substr(0, text.find('\0'));
    TreeBatch batch(tree);
    ReferenceCallbacks self{tree};
    ParseCallbacks table;
    table.BeginMenuBar = [] { return handle(kRootNode); };
    table.AbortMenuBar = [&](MenuHandle) { tree.deleteSubtree(tree.firstTopLevel()); };
    table.AttachMenuToBar = [&](MenuHandle bar, MenuHandle menu, const MenuSpec&) { return self.attach(bar, menu); };
    table.BeginMenu = [&](const MenuSpec& menuSpec) { return self.beginMenu(menuSpec); };
    table.DiscardMenu = [&](MenuHandle menu) {
        if (menu != 0) {
            tree.deleteSubtree(node(menu));
        }
    };
    table.AddItem = [&](MenuHandle parent, const ItemSpec& itemSpec) { return self.addItem(parent, itemSpec); };
    table.AttachSubmenu = [&](MenuHandle parent, MenuHandle menu, const MenuSpec&) {
        return self.attach(parent, menu);
    };
    table.BeginAppMenu = [&](uint32_t) {
        return handle(
            tree.insertNode(kRootNode, kLastPosition, "FileMaker Pro", NodeKind::AppMenu, kPlatformMac, 0, 0, 0, 1, 0));
    };
    table.NameAppMenu = [&](MenuHandle, MenuHandle appMenu, std::string_view caption) {
        tree.setCaption(node(appMenu), caption);
        return true;
    };

    MenuHandle top = 0;
    uint32_t line = 0;
    const auto length = static_cast<uint32_t>(text.size());
    uint32_t status;
    switch (kind) {
        case MenuKind::MainMenu:
            status = ParseMenuBarCode(table, text.data(), length, kPlatformAll, false, &top, &line);
            break;
        case MenuKind::ContextMenu:
            status = ParseContextMenuCode(table, text.data(), length, kPlatformAll, &top, &line);
            break;
        case MenuKind::PopupMenu:
            status = ParsePopupMenuCode(table, text.data(), length, kPlatformAll, &top, &line);
            break;
        default:
            return LoadResult::failedAt(1);
    }
    if (status == kParseOk) {
        return LoadResult::accepted();
    }
    if (status == kParseOtherKind) {
        return LoadResult::otherKind();
    }
    return LoadResult::failedAt(line == 0 ? 1 : static_cast<int>(line));
}

}  // namespace tessary::codetree_test
