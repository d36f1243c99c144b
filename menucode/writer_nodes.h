// The node objects of the menu code writer. The writer writes every accepted
// piece of a menu the moment it is accepted, in one pass: an item whole, a
// menu's head when it opens, the end of its body and its tail when it closes.
// Every node writes a head, a body and a tail, and the tail reports the
// platform block that is open behind the node, so that siblings with the same
// platforms share one #IF block; a menu keeps the block its last child left
// open until the next child or its own end.
//
// The menus live as long as the writer, which owns them; an item lives only
// while it is offered and written. A node refers to its texts and owns none
// of them: they need to stay in place only for the call that offers the node,
// and a menu forgets its caption once its head is written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "menucode/parse_types.h"
#include "model/menu_item_record.h"

namespace tessary {

// Written where a node's platform set is outside the PlatformMask (above 7).
inline constexpr std::string_view kInternalErrorText = "ERROR: internal error";
// Written in place of the keyword of a FileMaker command id the table lacks.
inline constexpr std::string_view kUnknownCommandKeyword = "FM_?????";

class FM_MenuBuilderMenuItemObj;
class FM_MenuBuilderMenuObj;
class FM_AppleMenuBuilderMenuObj;
class FM_MenuBuilderComplexObj;

class FM_MenuBuilderBaseObj {
public:
    FM_MenuBuilderBaseObj(std::string_view name, FM_MenuBuilderBaseObj* parent, uint32_t platforms);
    FM_MenuBuilderBaseObj(const FM_MenuBuilderBaseObj&) = delete;
    FM_MenuBuilderBaseObj& operator=(const FM_MenuBuilderBaseObj&) = delete;

    // Offers a new node to this one. An accepting node becomes the node's
    // parent and returns it; a refusing node returns nullptr. Nothing is
    // written here: the writer has the accepted node written (writeItem,
    // openMenu of FM_MenuBuilderComplexObj).
    virtual FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item);
    virtual FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu);
    virtual FM_MenuBuilderBaseObj* AcceptAppMenu(FM_AppleMenuBuilderMenuObj* appMenu);
    virtual FM_MenuBuilderBaseObj* GetParentNode() const { return parent_; }
    virtual ~FM_MenuBuilderBaseObj();

    // openSet is the platform block open in front of the node (7: none).
    virtual void WriteHead(std::string& text, int level, uint32_t openSet) = 0;
    virtual void WriteBody(std::string& text, int level, uint32_t openSet) = 0;
    // Returns the platform block that is open behind the node.
    virtual uint32_t WriteTail(std::string& text, int level, uint32_t openSet) = 0;

    bool isAppMenu() const { return appMenu_; }
    // False for a node meant for no platform at all (set 0): it is left out
    // of the text with everything below it, exactly as a reader of menu code
    // treats a construct whose platforms are empty (it reports nothing for
    // it). Written as it stands, the empty set would put "ERROR: internal
    // error" before the node's line and unbalance the blocks after it, and the
    // document could no longer be read back. Writing it for all platforms
    // instead would put a node the user took off every platform into every
    // menu; the language has no way to keep it in the text for none.
    // The Mac system items take the open block as their set when written, so
    // they are always written.
    bool isWritten() const { return platforms_ != 0 || takesOpenSet_; }

    std::string_view name() const { return name_; }
    uint32_t platforms() const { return platforms_; }

protected:
    // The pieces of the lines.
    void WriteIndent(std::string& out, int level) const;
    virtual FM_MenuBuilderBaseObj* AddChild(FM_MenuBuilderBaseObj* node);
    void WriteQuote(std::string& out) const;
    void WriteLineEnd(std::string& out) const;

    // Appends the directives that take the text from the open block to the
    // block of this node's own set.
    void writePlatformSwitch(std::string& out, uint32_t openSet) const;
    // Appends quote, text, quote.
    void writeQuoted(std::string& out, std::string_view value) const;

    std::string_view name_;
    FM_MenuBuilderBaseObj* parent_;
    uint32_t platforms_;
    // Set by the application menu and by the Mac system items.
    bool appMenu_ = false;
    bool takesOpenSet_ = false;

    friend class FM_MenuBuilderComplexObj;
};

// The set a node's code is written for. Every set that has a block of its
// own is written as it stands. Windows with one Mac platform (3 and 5) has no
// block in the language; such a node is written for all platforms, the
// smallest block that still holds every platform it was meant for. Sets above
// 7 are kept so that the switch can report them.
constexpr uint32_t WrittenPlatforms(uint32_t platforms) {
    if (platforms == (kPlatformWindows | kPlatformMacClassic) || platforms == (kPlatformWindows | kPlatformMacX)) {
        return kPlatformAll;
    }
    return platforms;
}

// One item: a FileMaker command, a script, a separator or a Mac system item.
class FM_MenuBuilderMenuItemObj final : public FM_MenuBuilderBaseObj {
public:
    // A caption, user string or script name that is none is kept empty.
    // Without `shortcut` (pop-up menus) the item has no modifiers and no key.
    explicit FM_MenuBuilderMenuItemObj(const ItemSpec& itemSpec, bool shortcut = true);
    ~FM_MenuBuilderMenuItemObj() override = default;

    void WriteHead(std::string& text, int level, uint32_t openSet) override;
    void WriteBody(std::string& text, int level, uint32_t openSet) override;
    uint32_t WriteTail(std::string& text, int level, uint32_t openSet) override;

    ItemSpecKind kind() const { return kind_; }

private:
    void writeShortcut(std::string& line) const;
    // The ending of commands, scripts and Mac items: ", Disabled" and " )".
    void writeEnding(std::string& line) const;

    // The script name of scripts and Mac items, or the keyword of a command,
    // looked up when the item is made.
    std::string_view target_;
    std::string_view userString_;
    // The key of the shortcut as written between quotes; empty when no
    // shortcut is written. A key of one character is keyChar_.
    std::string_view keyName_;
    ItemSpecKind kind_;
    uint8_t modifiers_ = 0;
    char keyChar_ = '\0';
    uint8_t enabled_;
    uint8_t checkOn_;
};

// A node that holds children: a root, a menu or the application menu. It is
// written around its children: its head when it opens, then each child as it
// is accepted (writeItem, openMenu and closeMenu), then its body's end and
// tail when it closes.
class FM_MenuBuilderComplexObj : public FM_MenuBuilderBaseObj {
public:
    FM_MenuBuilderComplexObj(std::string_view name,
                             FM_MenuBuilderBaseObj* parent,
                             uint32_t platforms,
                             uint32_t extraValue);
    ~FM_MenuBuilderComplexObj() override;

    FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item) override;
    FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu) override;
    FM_MenuBuilderBaseObj* AcceptAppMenu(FM_AppleMenuBuilderMenuObj* appMenu) override;

    // Head: the opening brace after the block switch in front.
    void WriteHead(std::string& text, int level, uint32_t openSet) override;
    // The end of the body: closes the block the last child left open.
    void WriteBody(std::string& text, int level, uint32_t openSet) override;
    // The closing brace.
    uint32_t WriteTail(std::string& text, int level, uint32_t openSet) override;

    // The parent as a node that holds children, as every parent is.
    FM_MenuBuilderComplexObj* parentMenu() const { return static_cast<FM_MenuBuilderComplexObj*>(parent_); }

    // Starts the text with this node as its root, at level 0.
    void writeRootHead(std::string& text);
    // Ends the text of this root; nothing is written for it afterwards.
    void writeRootEnd(std::string& text);
    // Writes an item this node accepted, when it is written at all.
    void writeItem(std::string& text, FM_MenuBuilderMenuItemObj& item);
    // Writes the head of a menu this node accepted, one level deeper, and
    // lets the menu write its children when it is written at all.
    void openMenu(std::string& text, FM_MenuBuilderComplexObj& menu);
    // Writes the end of a menu opened by openMenu.
    void closeMenu(std::string& text, FM_MenuBuilderComplexObj& menu);

protected:
    FM_MenuBuilderBaseObj* AddChild(FM_MenuBuilderBaseObj* node) override;
    // The platform set a child must have to be taken: this node's own set, or
    // any set when this node is for all platforms.
    bool acceptsPlatforms(uint32_t childPlatforms) const;
    // INDENT, "{" or "}", line end.
    void writeOpenBrace(std::string& out, int level) const;
    void writeCloseBrace(std::string& out, int level) const;

    uint32_t extraValue_;
    // A menu's FileMaker menu keyword, looked up when the menu is made; empty
    // for none.
    std::string_view keyword_;
    int level_ = 0;
    // The block open behind the last child written.
    uint32_t open_ = kPlatformAll;
    // Whether the children are written: false below a node that is left out
    // (isWritten) and after the root's end.
    bool writesChildren_ = false;
};

// The root of a main menu.
class FM_MenuBuilderMBarObj : public FM_MenuBuilderComplexObj {
public:
    FM_MenuBuilderMBarObj();
    ~FM_MenuBuilderMBarObj() override;

    void WriteHead(std::string& text, int level, uint32_t openSet) override;
};

// A menu of the menu bar, a submenu, or a menu inside the application menu.
class FM_MenuBuilderMenuObj : public FM_MenuBuilderComplexObj {
public:
    FM_MenuBuilderMenuObj(const MenuSpec& menuSpec, FM_MenuBuilderBaseObj* parent);
    ~FM_MenuBuilderMenuObj() override;

    void WriteHead(std::string& text, int level, uint32_t openSet) override;

    uint32_t fmMenuId() const { return extraValue_; }

protected:
    // For the application menu, which shares this class's layout.
    FM_MenuBuilderMenuObj(std::string_view name, FM_MenuBuilderBaseObj* parent, uint32_t platforms);
};

// The root of a context menu or a pop-up menu.
class FM_MenuBuilderPopupMenuObj : public FM_MenuBuilderComplexObj {
public:
    explicit FM_MenuBuilderPopupMenuObj(bool contextMenu);
    ~FM_MenuBuilderPopupMenuObj() override;

    void WriteHead(std::string& text, int level, uint32_t openSet) override;

    bool isContextMenu() const { return extraValue_ != 0; }
};

// The Mac application menu. Its set is both Mac platforms, so inside it that
// set means "no block open".
class FM_AppleMenuBuilderMenuObj : public FM_MenuBuilderMenuObj {
public:
    FM_AppleMenuBuilderMenuObj(std::string_view name, FM_MenuBuilderBaseObj* parent);

    FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item) override;
    FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu) override;

    void WriteHead(std::string& text, int level, uint32_t openSet) override;
    uint32_t WriteTail(std::string& text, int level, uint32_t openSet) override;
};

}  // namespace tessary
