// The menu code writers. A writer is created for one text, fed the menu in
// tree order (open the menu bar, open a menu, add an item, open the
// application menu, close a menu), checks each call against the platform
// rules of the language and writes what each accepted call adds as it comes,
// in one pass. The text is finished and kept the first time it is asked for,
// and only when no call was refused. FM_MenuBarBuilder writes main menus,
// FM_MenuBuilder context and pop-up menus.
//
// Typical use by the tree walk:
//
//     auto writer = CreateMenuCodeBuilder(kind);
//     if (kind == MenuKind::MainMenu) writer->OpenMenuBar();
//     ... writer->OpenMenu(menuSpec) / AddMenuItem(itemSpec) / OpenAppMenu(caption) / CloseMenu() ...
//     if (kind == MenuKind::MainMenu) writer->CloseMenu();
//     size_t length = 0;
//     if (writer->GetCodeLength(length) && length + 1 <= capacity) writer->GetCode(buffer, capacity);
//
// The texts a call passes (captions, script names, user strings) are written
// during the call; the writer keeps none of them.
//
// No operation lets an exception out; every failure, allocation included, is
// reported as false.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "menucode/parse_types.h"
#include "menucode/writer_nodes.h"

namespace tessary {

class FM_Builder {
public:
    FM_Builder(const FM_Builder&) = delete;
    FM_Builder& operator=(const FM_Builder&) = delete;
    virtual ~FM_Builder();

    // Main menus only: creates the menu-bar root and makes it current.
    virtual bool OpenMenuBar() = 0;
    // Offers a menu to the current node. When it is accepted the menu becomes
    // the current node; after a refusal there is no current node and every
    // later call fails.
    virtual bool OpenMenu(const MenuSpec& menuSpec);
    // Offers an item to the current node; the current node stays.
    virtual bool AddMenuItem(const ItemSpec& itemSpec);
    // Main menus only, while the menu-bar root is current: opens the Mac
    // application menu with the given caption.
    virtual bool OpenAppMenu(std::string_view name) = 0;
    // Makes the current node's parent current; closing the root leaves no
    // current node.
    virtual bool CloseMenu();
    // Finish the text on the first call and keep it; later calls use the kept
    // text. False when the calls left the writer in the wrong state, when any
    // node was refused before the text was finished, or when the text is empty.
    virtual bool GetCodeLength(size_t& length);
    // Copies exactly the text's bytes, without a terminating NUL; false, with
    // nothing copied, when the text does not fit the capacity.
    virtual bool GetCode(char* buffer, size_t capacity);
    bool GetCode(std::string& code);

    // Makes room ahead for about `bytes` more of text, so that a large text
    // is not moved again and again while it grows. Only a hint: when no
    // memory is left the text grows as it goes.
    void expectTextBytes(size_t bytes) noexcept;

protected:
    FM_Builder() = default;

    // Ends the text: checks the state the calls left the writer in and
    // appends what closes the root. False, with nothing appended, when the
    // state is wrong.
    virtual bool WriteCode() = 0;
    // CloseMenu of the two writers: refuses a current node that has no parent
    // and is not the root.
    bool closeMenuOfWriter();
    // Remembers a refused node (see refusedNode_) and passes the answer on.
    bool noteAnswer(bool accepted);
    // AddMenuItem, the item without modifiers and key unless `shortcut`.
    bool addItem(const ItemSpec& itemSpec, bool shortcut);
    // The menu or application menu offered to the current node, already
    // accepted or refused (nullptr): writes its head and makes it current.
    bool noteMenuOffered(FM_MenuBuilderComplexObj* menu);

    // A menu object kept until the writer goes; throws std::bad_alloc.
    template <typename Menu, typename... Args>
    Menu* makeMenu(Args&&... args) {
        menus_.push_back(std::make_unique<Menu>(std::forward<Args>(args)...));
        return static_cast<Menu*>(menus_.back().get());
    }

    // Every menu offered, the root first; an item lives only while it is offered.
    std::vector<std::unique_ptr<FM_MenuBuilderComplexObj>> menus_;
    FM_MenuBuilderComplexObj* current_ = nullptr;
    std::string output_;
    FM_MenuBuilderComplexObj* root_ = nullptr;  // in menus_
    // Set by the first refused menu, item or application menu, and by a write
    // that found no memory. The writer then never produces text: what it
    // holds lacks the refused node and everything the caller stopped feeding
    // after it, and such a truncated menu must not be taken for the whole
    // one. Without this, a submenu refused inside a menu of a main menu would
    // leave no current node, which reads the same as a closed menu bar, and
    // the text would come out without the rest of the menu.
    bool refusedNode_ = false;

private:
    bool prepareCode();

    // The text is finished: what later calls take is no longer written.
    bool finished_ = false;
};

// Main menus: a menu bar holding an optional application menu and menus.
class FM_MenuBarBuilder : public FM_Builder {
public:
    FM_MenuBarBuilder() = default;
    ~FM_MenuBarBuilder() override;

    bool OpenMenuBar() override;
    bool OpenAppMenu(std::string_view name) override;
    bool CloseMenu() override;

protected:
    // Requires the root to have been opened and closed again.
    bool WriteCode() override;
};

// Context and pop-up menus: the root exists from the start and is current.
class FM_MenuBuilder : public FM_Builder {
public:
    // Throws std::bad_alloc when the root cannot be made.
    explicit FM_MenuBuilder(bool popupMenu);
    ~FM_MenuBuilder() override;

    bool OpenMenuBar() override { return false; }
    // Pop-up menus never carry shortcuts: they are dropped before the item is
    // built.
    bool AddMenuItem(const ItemSpec& itemSpec) override;
    bool OpenAppMenu(std::string_view) override { return false; }
    bool CloseMenu() override;

    bool isPopupMenu() const { return popupMenu_; }

protected:
    // Requires the root to be the current node.
    bool WriteCode() override;

private:
    bool popupMenu_;
};

// The writer for a document's kind; nullptr for a value outside the kinds or
// when the writer cannot be made.
std::unique_ptr<FM_Builder> CreateMenuCodeBuilder(MenuKind kind) noexcept;

}  // namespace tessary
