// The node objects of the menu code writer. The writer collects the accepted
// pieces of a menu into a tree of these nodes and writes the whole text in one
// pass: every node writes a head, a body and a tail, and the tail reports the
// platform block that is open behind the node, so that siblings with the same
// platforms share one #IF block.
//
// The nodes live in the writer's WriterArena, with their texts: a node refers
// to its children, its next sibling and its texts and owns none of them.
#pragma once

#include <cstdint>
#include <string_view>

#include "menucode/code_text.h"
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

class FM_MenuBuilderBaseObj {
public:
    // The node refers to its texts (the name here, an item's script name and
    // user string): they must stay in place for as long as the node lives; the
    // writer keeps them in its WriterArena.
    FM_MenuBuilderBaseObj(std::string_view name,
                          FM_MenuBuilderBaseObj* parent,
                          uint32_t platforms,
                          bool calculationForm);
    FM_MenuBuilderBaseObj(const FM_MenuBuilderBaseObj&) = delete;
    FM_MenuBuilderBaseObj& operator=(const FM_MenuBuilderBaseObj&) = delete;

    // Offers a new node to this one. An accepting node keeps the node as its
    // last child and returns it; a refusing node returns nullptr and the
    // offered node is never used.
    virtual FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item);
    virtual FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu);
    virtual FM_MenuBuilderBaseObj* AcceptAppMenu(FM_AppleMenuBuilderMenuObj* appMenu);
    virtual FM_MenuBuilderBaseObj* GetParentNode() const { return parent_; }
    virtual ~FM_MenuBuilderBaseObj();

    // openSet is the platform block open in front of the node (7: none).
    virtual void WriteHead(CodeText& text, int level, uint32_t openSet) = 0;
    virtual void WriteBody(CodeText& text, int level, uint32_t openSet) = 0;
    // Returns the platform block that is open behind the node.
    virtual uint32_t WriteTail(CodeText& text, int level, uint32_t openSet) = 0;

    virtual bool isAppMenu() const { return false; }
    // False for a node meant for no platform at all (set 0): it is left out
    // of the text with everything below it, exactly as a reader of menu code
    // treats a construct whose platforms are empty (it reports nothing for
    // it). Written as it stands, the empty set would put "ERROR: internal
    // error" before the node's line and unbalance the blocks after it, and the
    // document could no longer be read back. Writing it for all platforms
    // instead would put a node the user took off every platform into every
    // menu; the language has no way to keep it in the text for none.
    virtual bool isWritten() const { return platforms_ != 0; }

    std::string_view name() const { return name_; }
    uint32_t platforms() const { return platforms_; }
    bool calculationForm() const { return calculationForm_; }

protected:
    void WriteIndent(CodeText& text, int level) const;
    virtual FM_MenuBuilderBaseObj* AddChild(FM_MenuBuilderBaseObj* node);
    void WriteQuote(CodeText& text) const;
    void WriteLineEnd(CodeText& text) const;

    // Appends the directives that take the text from the open block to the
    // block of this node's own set.
    void writePlatformSwitch(CodeText& text, uint32_t openSet) const;
    // Appends quote, text, quote in the chosen form.
    void writeQuoted(CodeText& text, std::string_view value) const;

    std::string_view name_;
    FM_MenuBuilderBaseObj* parent_;
    FM_MenuBuilderBaseObj* next_ = nullptr;  // the next sibling
    uint32_t platforms_;
    bool calculationForm_;

    friend class FM_MenuBuilderComplexObj;
};

// The set a node's code is written for. Every set that has a block of its
// own is written as it stands. Windows with one Mac platform (3 and 5) has no
// block in the language; such a node is written for all platforms, the
// smallest block that still holds every platform it was meant for. Sets above
// 7 are kept so that the switch can report them.
uint32_t WrittenPlatforms(uint32_t platforms);

// One item: a FileMaker command, a script, a separator or a Mac system item.
class FM_MenuBuilderMenuItemObj : public FM_MenuBuilderBaseObj {
public:
    // A caption, user string or script name that is none is kept empty.
    // Pop-up menus clear modifiers and key before the node is built.
    explicit FM_MenuBuilderMenuItemObj(const ItemSpec& itemSpec, bool calculationForm);
    ~FM_MenuBuilderMenuItemObj() override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;
    void WriteBody(CodeText& text, int level, uint32_t openSet) override;
    uint32_t WriteTail(CodeText& text, int level, uint32_t openSet) override;

    // The Mac system items take the open block as their set when written.
    bool isWritten() const override;
    ItemSpecKind kind() const { return kind_; }

private:
    void writeShortcut(CodeText& text) const;
    // The ending of commands, scripts and Mac items: ", Disabled" and " )".
    void writeEnding(CodeText& text) const;

    ItemSpecKind kind_;
    int modifiers_;
    int key_;
    uint8_t enabled_;
    std::string_view scriptName_;
    uint32_t commandId_;
    uint8_t checkOn_;
    std::string_view userString_;
};

// A node with an ordered list of children, which it owns.
class FM_MenuBuilderComplexObj : public FM_MenuBuilderBaseObj {
public:
    FM_MenuBuilderComplexObj(std::string_view name,
                             FM_MenuBuilderBaseObj* parent,
                             uint32_t platforms,
                             bool calculationForm,
                             uint32_t extraValue);
    ~FM_MenuBuilderComplexObj() override;

    FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item) override;
    FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu) override;
    FM_MenuBuilderBaseObj* AcceptAppMenu(FM_AppleMenuBuilderMenuObj* appMenu) override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;
    void WriteBody(CodeText& text, int level, uint32_t openSet) override;
    uint32_t WriteTail(CodeText& text, int level, uint32_t openSet) override;

    size_t childCount() const { return childCount_; }

protected:
    FM_MenuBuilderBaseObj* AddChild(FM_MenuBuilderBaseObj* node) override;
    // The platform set a child must have to be taken: this node's own set, or
    // any set when this node is for all platforms.
    bool acceptsPlatforms(uint32_t childPlatforms) const;
    // INDENT, "{" or "}", line end.
    void writeOpenBrace(CodeText& text, int level) const;
    void writeCloseBrace(CodeText& text, int level) const;

    // The children in order, linked through their next_.
    FM_MenuBuilderBaseObj* firstChild_ = nullptr;
    FM_MenuBuilderBaseObj* lastChild_ = nullptr;
    size_t childCount_ = 0;
    uint32_t extraValue_;
};

// The root of a main menu.
class FM_MenuBuilderMBarObj : public FM_MenuBuilderComplexObj {
public:
    explicit FM_MenuBuilderMBarObj(bool calculationForm);
    ~FM_MenuBuilderMBarObj() override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;
};

// A menu of the menu bar, a submenu, or a menu inside the application menu.
class FM_MenuBuilderMenuObj : public FM_MenuBuilderComplexObj {
public:
    FM_MenuBuilderMenuObj(const MenuSpec& menuSpec, FM_MenuBuilderBaseObj* parent, bool calculationForm);
    ~FM_MenuBuilderMenuObj() override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;

    uint32_t fmMenuId() const { return extraValue_; }

protected:
    // For the application menu, which shares this class's layout.
    FM_MenuBuilderMenuObj(std::string_view name,
                          FM_MenuBuilderBaseObj* parent,
                          uint32_t platforms,
                          bool calculationForm);
};

// The root of a context menu or a pop-up menu.
class FM_MenuBuilderPopupMenuObj : public FM_MenuBuilderComplexObj {
public:
    FM_MenuBuilderPopupMenuObj(bool contextMenu, bool calculationForm);
    ~FM_MenuBuilderPopupMenuObj() override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;

    bool isContextMenu() const { return extraValue_ != 0; }
};

// The Mac application menu. Its set is both Mac platforms, so inside it that
// set means "no block open".
class FM_AppleMenuBuilderMenuObj : public FM_MenuBuilderMenuObj {
public:
    FM_AppleMenuBuilderMenuObj(std::string_view name, FM_MenuBuilderBaseObj* parent, bool calculationForm);

    FM_MenuBuilderBaseObj* AcceptItem(FM_MenuBuilderMenuItemObj* item) override;
    FM_MenuBuilderBaseObj* AcceptMenu(FM_MenuBuilderMenuObj* menu) override;

    void WriteHead(CodeText& text, int level, uint32_t openSet) override;
    uint32_t WriteTail(CodeText& text, int level, uint32_t openSet) override;

    bool isAppMenu() const override { return true; }
};

}  // namespace tessary
