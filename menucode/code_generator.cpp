#include "menucode/code_generator.h"

#include <memory>
#include <string_view>

#include "menucode/conversion_hooks.h"
#include "menucode/parser.h"
#include "menucode/writer.h"
#include "model/lexicon.h"
#include "model/menu_tree.h"

namespace tessary {

namespace {

// The item of a ScriptItem, FmItem, Separator or Mac system item node.
ItemSpec itemSpecOf(NodeKind kind, const MenuItemRecord& record, std::string_view caption) {
    ItemSpec itemSpec;
    itemSpec.platforms = record.platforms;
    itemSpec.enabled = record.enabled;
    switch (kind) {
        case NodeKind::ScriptItem:
            itemSpec.kind = ItemSpecKind::Script;
            itemSpec.caption = caption;
            if (record.shortcut != 0) {
                VirtualKeyToKeyCode(record.shortcut, itemSpec.key, itemSpec.modifiers);
            }
            itemSpec.userString = recordText(record.userString);
            itemSpec.scriptName = recordText(record.scriptName);
            itemSpec.checkOn = record.checkOn;
            break;
        case NodeKind::FmItem:
            itemSpec.kind = ItemSpecKind::FmCommand;
            if (record.useLocalCaption == 0) {
                itemSpec.caption = caption;
            }
            if (record.shortcut != 0) {
                VirtualKeyToKeyCode(record.shortcut, itemSpec.key, itemSpec.modifiers);
            }
            itemSpec.userString = recordText(record.userString);
            itemSpec.commandId = record.fmId;
            break;
        case NodeKind::Separator:
            itemSpec.kind = ItemSpecKind::Separator;
            itemSpec.enabled = 1;
            break;
        case NodeKind::MacQuitItem:
        case NodeKind::MacPreferencesItem:
            // The Mac system items are MacOS X items, whatever the record says.
            itemSpec.kind = kind == NodeKind::MacQuitItem ? ItemSpecKind::MacQuit : ItemSpecKind::MacPreferences;
            itemSpec.platforms = kPlatformMacX;
            itemSpec.caption = caption;
            itemSpec.userString = recordText(record.userString);
            itemSpec.scriptName = recordText(record.scriptName);
            break;
        default:
            break;
    }
    return itemSpec;
}

// Opens the writer, walks the tree into it and closes it again. nullptr when
// the writer cannot be made or refused a node.
std::unique_ptr<FM_Builder> writeTree(const MenuTree& tree, MenuKind kind, ConversionHooks* hooks) {
    std::unique_ptr<FM_Builder> writer = CreateMenuCodeBuilder(kind);
    if (!writer) {
        return nullptr;
    }
    // Most lines of menu code are shorter than this; a longer text grows as it goes.
    constexpr size_t kBytesPerNode = 64;
    writer->expectTextBytes(tree.nodeCount() * kBytesPerNode);
    const bool mainMenu = kind == MenuKind::MainMenu;
    if (mainMenu) {
        writer->OpenMenuBar();
    }
    if (hooks) {
        hooks->conversionBegin();
    }
    const bool walked = WalkNodes(tree, tree.firstTopLevel(), *writer, menuLevelsOf(kind));
    if (hooks) {
        hooks->conversionEnd(kNoNode);
    }
    if (mainMenu) {
        // Closes the menu-bar root when the walk ended at the top level.
        writer->CloseMenu();
    }
    // A refused node, even at the top level where the text before it could be
    // written, means the text would lack that node and all that follows it.
    if (!walked) {
        return nullptr;
    }
    return writer;
}

}  // namespace

int menuLevelsOf(MenuKind kind) {
    // The menu bar is not a level of its own; a context or pop-up menu is.
    return kind == MenuKind::MainMenu ? kMaxMenuDepth : kMaxMenuDepth - 1;
}

bool WalkNodes(const MenuTree& tree, NodeHandle first, FM_Builder& writer, int menuLevels) {
    MenuTree::NodeLook look;
    for (NodeHandle node = first; node != kNoNode && tree.look(node, look); node = look.nextSibling) {
        const MenuItemRecord* record = look.record;
        // As read through a 250-byte buffer: at most 249 characters, up to a NUL.
        std::string_view caption = look.caption.substr(0, kMaxTextLength);
        caption = caption.substr(0, caption.find('\0'));
        const NodeKind kind = look.kind;
        switch (kind) {
            case NodeKind::Menu:
            case NodeKind::AppMenu: {
                if (menuLevels <= 0) {
                    return false;
                }
                bool opened;
                if (kind == NodeKind::Menu) {
                    MenuSpec menuSpec;
                    menuSpec.platforms = record->platforms;
                    if (record->useLocalCaption == 0) {
                        menuSpec.caption = caption;
                    }
                    menuSpec.fmMenuId = record->fmId;
                    opened = writer.OpenMenu(menuSpec);
                } else {
                    opened = writer.OpenAppMenu(caption);
                }
                if (!opened) {
                    return false;
                }
                if (look.firstChild != kNoNode && !WalkNodes(tree, look.firstChild, writer, menuLevels - 1)) {
                    return false;
                }
                if (!writer.CloseMenu()) {
                    return false;
                }
                break;
            }
            case NodeKind::ScriptItem:
            case NodeKind::FmItem:
            case NodeKind::Separator:
            case NodeKind::MacQuitItem:
            case NodeKind::MacPreferencesItem:
                if (!writer.AddMenuItem(itemSpecOf(kind, *record, caption))) {
                    return false;
                }
                break;
            default:
                break;  // no such kind in a well-formed tree: skipped
        }
    }
    return true;
}

bool generateMenuCodeText(const MenuTree& tree, MenuKind kind, std::string& text, ConversionHooks* hooks) {
    text.clear();
    std::unique_ptr<FM_Builder> writer = writeTree(tree, kind, hooks);
    if (!writer || !writer->GetCode(text)) {
        text.clear();
        return false;
    }
    return true;
}

bool GenerateMenuCode(const MenuTree& tree, MenuKind kind, char* buffer, size_t capacity, ConversionHooks* hooks) {
    std::unique_ptr<FM_Builder> writer = writeTree(tree, kind, hooks);
    size_t length = 0;
    if (!writer || !writer->GetCodeLength(length)) {
        return false;
    }
    // The text and its NUL must fit; otherwise nothing is delivered.
    if (buffer == nullptr || length >= capacity || !writer->GetCode(buffer, capacity)) {
        return false;
    }
    buffer[length] = '\0';
    return true;
}

bool GenerateMenuCode(const MenuTree& tree, MenuKind kind, char* buffer, size_t capacity) {
    return GenerateMenuCode(tree, kind, buffer, capacity, nullptr);
}

}  // namespace tessary
