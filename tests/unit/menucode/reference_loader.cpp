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

struct ReferenceCallbacks {
    MenuTree& tree;

    bool attach(MenuHandle parent, MenuHandle menu) {
        if (menu == 0) {
            return false;
        }
        const NodeHandle copy = tree.copySubtree(menu, parent, kLastPosition);
        tree.expandNode(copy, true);
        tree.deleteSubtree(menu);
        tree.removePlatformsFromSubtree(copy, static_cast<PlatformMask>(~tree.getPlatforms(parent)), false);
        return true;
    }

    MenuHandle beginMenu(const MenuSpec& spec) {
        std::string caption;
        uint8_t local = 0;
        if (spec.caption) {
            caption = cut(spec.caption);
        } else if (spec.fmMenuId != 0) {
            const char* english = nullptr;
            if (LookupFmMenuCaption(spec.fmMenuId, english)) {
                caption = english;
            }
            local = 1;
        } else {
            return kRootNode;
        }
        return tree.insertNode(kRootNode, kLastPosition, caption, NodeKind::Menu,
                               static_cast<PlatformMask>(spec.platforms), 0, spec.fmMenuId, local, 1, 0);
    }

    bool addItem(MenuHandle parent, const ItemSpec& spec) {
        const PlatformMask parentSet = tree.getPlatforms(parent);
        NodeKind kind = NodeKind::Separator;
        PlatformMask own = static_cast<PlatformMask>(spec.platforms);
        uint32_t fmId = 0;
        uint8_t checkOn = 0;
        std::string script;
        std::string user;
        switch (spec.kind) {
            case ItemSpecKind::FmCommand:
                kind = NodeKind::FmItem;
                fmId = spec.commandId;
                user = cut(spec.userString);
                break;
            case ItemSpecKind::Script:
                kind = NodeKind::ScriptItem;
                script = cut(spec.scriptName);
                checkOn = spec.checkOn;
                user = cut(spec.userString);
                break;
            case ItemSpecKind::Separator:
                break;
            case ItemSpecKind::MacQuit:
            case ItemSpecKind::MacPreferences:
                kind = spec.kind == ItemSpecKind::MacQuit ? NodeKind::MacQuitItem : NodeKind::MacPreferencesItem;
                script = cut(spec.scriptName);
                own = kPlatformMacX;
                break;
            default:
                return false;
        }
        std::string caption;
        uint8_t local = 0;
        if (kind == NodeKind::Separator) {
            caption = "-Separator-";
        } else if (spec.caption) {
            caption = cut(spec.caption);
        } else if (kind == NodeKind::FmItem) {
            const char* english = nullptr;
            if (LookupFmCommandCaption(spec.commandId, english)) {
                caption = english;
            }
            local = 1;
        }
        if (caption.empty()) {
            caption = "-unnamed-";
        }
        return tree.insertNode(parent, kLastPosition, caption, kind, static_cast<PlatformMask>(own & parentSet),
                               PackShortcut(spec.key, spec.modifiers), fmId, local, spec.enabled, checkOn, script,
                               user) != kNoNode;
    }
};

}  // namespace

int referenceLoad(MenuTree& tree, std::string_view text, MenuKind kind) {
    text = text.substr(0, text.find('\0'));
    TreeBatch batch(tree);
    ReferenceCallbacks self{tree};
    ParseCallbacks table;
    table.BeginMenuBar = [] { return kRootNode; };
    table.AbortMenuBar = [&](MenuHandle) { tree.deleteSubtree(tree.firstTopLevel()); };
    table.AttachMenuToBar = [&](MenuHandle bar, MenuHandle menu, const MenuSpec&) { return self.attach(bar, menu); };
    table.BeginMenu = [&](const MenuSpec& spec) { return self.beginMenu(spec); };
    table.DiscardMenu = [&](MenuHandle menu) {
        if (menu != 0) {
            tree.deleteSubtree(menu);
        }
    };
    table.AddItem = [&](MenuHandle parent, const ItemSpec& spec) { return self.addItem(parent, spec); };
    table.AttachSubmenu = [&](MenuHandle parent, MenuHandle menu, const MenuSpec&) {
        return self.attach(parent, menu);
    };
    table.BeginAppMenu = [&] {
        return tree.insertNode(kRootNode, kLastPosition, "FileMaker Pro", NodeKind::AppMenu, kPlatformMac, 0, 0, 0, 1,
                               0);
    };
    table.NameAppMenu = [&](MenuHandle, MenuHandle appMenu, std::string_view caption) {
        tree.setCaption(appMenu, caption);
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
            return 1;
    }
    if (status == kParseOk) {
        return kLoadAccepted;
    }
    if (status == kParseOtherKind) {
        return kLoadOtherKind;
    }
    return line == 0 ? 1 : static_cast<int>(line);
}

}  // namespace tessary::codetree_test
