#include "menucode/writer.h"

#include <cstring>
#include <utility>

namespace tessary {

namespace {

bool isKnownItemKind(ItemSpecKind kind) {
    switch (kind) {
        case ItemSpecKind::FmCommand:
        case ItemSpecKind::Script:
        case ItemSpecKind::Separator:
        case ItemSpecKind::MacQuit:
        case ItemSpecKind::MacPreferences:
            return true;
        default:
            return false;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// FM_Builder

FM_Builder::~FM_Builder() = default;

void FM_Builder::expectTextBytes(size_t bytes) noexcept {
    try {
        output_.reserve(output_.size() + bytes);
    } catch (...) {
        // The text grows as it goes instead.
    }
}

bool FM_Builder::OpenMenu(const MenuSpec& menuSpec) {
    if (current_ == nullptr) {
        return false;
    }
    FM_MenuBuilderMenuObj* menu = nullptr;
    try {
        menu = makeMenu<FM_MenuBuilderMenuObj>(menuSpec, current_);
        if (current_->AcceptMenu(menu) == nullptr) {
            menu = nullptr;
        }
    } catch (...) {
        menu = nullptr;
    }
    return noteMenuOffered(menu);
}

bool FM_Builder::noteMenuOffered(FM_MenuBuilderComplexObj* menu) {
    if (menu != nullptr) {
        try {
            current_->openMenu(output_, *menu);
        } catch (...) {
            menu = nullptr;  // its head is not all there
        }
    }
    current_ = menu;
    return noteAnswer(menu != nullptr);
}

bool FM_Builder::AddMenuItem(const ItemSpec& itemSpec) {
    return addItem(itemSpec, true);
}

bool FM_Builder::addItem(const ItemSpec& itemSpec, bool shortcut) {
    if (current_ == nullptr) {
        return false;
    }
    // An item of no known kind would write nothing but its block switch.
    bool accepted = false;
    if (isKnownItemKind(itemSpec.kind)) {
        try {
            FM_MenuBuilderMenuItemObj item(itemSpec, shortcut);
            if (current_->AcceptItem(&item) != nullptr) {
                current_->writeItem(output_, item);
                accepted = true;
            }
        } catch (...) {
            accepted = false;
        }
    }
    return noteAnswer(accepted);
}

bool FM_Builder::noteAnswer(bool accepted) {
    if (!accepted) {
        refusedNode_ = true;
    }
    return accepted;
}

bool FM_Builder::CloseMenu() {
    if (current_ == nullptr) {
        return false;
    }
    FM_MenuBuilderComplexObj* parent = current_->parentMenu();
    bool written = true;
    if (parent != nullptr) {
        try {
            parent->closeMenu(output_, *current_);
        } catch (...) {
            written = false;
        }
    }
    current_ = parent;
    return noteAnswer(written);
}

bool FM_Builder::closeMenuOfWriter() {
    if (current_ == nullptr || (current_->GetParentNode() == nullptr && current_ != root_)) {
        return false;
    }
    return FM_Builder::CloseMenu();
}

bool FM_Builder::prepareCode() {
    if (!finished_) {
        if (refusedNode_) {
            return false;
        }
        const size_t written = output_.size();
        try {
            if (!WriteCode()) {
                return false;
            }
        } catch (...) {
            output_.resize(written);
            return false;
        }
        finished_ = true;
    }
    return !output_.empty();
}

bool FM_Builder::GetCodeLength(size_t& length) {
    length = 0;
    if (!prepareCode()) {
        return false;
    }
    length = output_.size();
    return true;
}

bool FM_Builder::GetCode(char* buffer, size_t capacity) {
    if (buffer == nullptr || !prepareCode() || output_.size() > capacity) {
        return false;
    }
    std::memcpy(buffer, output_.data(), output_.size());
    return true;
}

bool FM_Builder::GetCode(std::string& code) {
    if (!prepareCode()) {
        return false;
    }
    try {
        code = output_;
    } catch (...) {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// FM_MenuBarBuilder

FM_MenuBarBuilder::~FM_MenuBarBuilder() = default;

bool FM_MenuBarBuilder::OpenMenuBar() {
    if (root_ != nullptr) {
        return false;
    }
    try {
        auto* bar = makeMenu<FM_MenuBuilderMBarObj>();
        bar->writeRootHead(output_);
        root_ = bar;
    } catch (...) {
        output_.clear();
        return false;
    }
    current_ = root_;
    return true;
}

bool FM_MenuBarBuilder::OpenAppMenu(std::string_view name) {
    if (root_ == nullptr || current_ != root_) {
        return false;
    }
    FM_AppleMenuBuilderMenuObj* appMenu = nullptr;
    try {
        appMenu = makeMenu<FM_AppleMenuBuilderMenuObj>(name, root_);
        if (root_->AcceptAppMenu(appMenu) == nullptr) {
            appMenu = nullptr;
        }
    } catch (...) {
        appMenu = nullptr;
    }
    return noteMenuOffered(appMenu);
}

bool FM_MenuBarBuilder::CloseMenu() {
    return closeMenuOfWriter();
}

bool FM_MenuBarBuilder::WriteCode() {
    if (root_ == nullptr || current_ != nullptr) {
        return false;
    }
    root_->writeRootEnd(output_);
    return true;
}

// ---------------------------------------------------------------------------
// FM_MenuBuilder

FM_MenuBuilder::FM_MenuBuilder(bool popupMenu) : popupMenu_(popupMenu) {
    root_ = makeMenu<FM_MenuBuilderPopupMenuObj>(!popupMenu);
    root_->writeRootHead(output_);
    current_ = root_;
}

FM_MenuBuilder::~FM_MenuBuilder() = default;

bool FM_MenuBuilder::AddMenuItem(const ItemSpec& itemSpec) {
    return addItem(itemSpec, !popupMenu_);
}

bool FM_MenuBuilder::CloseMenu() {
    return closeMenuOfWriter();
}

bool FM_MenuBuilder::WriteCode() {
    if (root_ == nullptr || current_ != root_) {
        return false;
    }
    root_->writeRootEnd(output_);
    return true;
}

// ---------------------------------------------------------------------------

std::unique_ptr<FM_Builder> CreateMenuCodeBuilder(MenuKind kind) noexcept {
    try {
        switch (kind) {
            case MenuKind::MainMenu:
                return std::make_unique<FM_MenuBarBuilder>();
            case MenuKind::ContextMenu:
                return std::make_unique<FM_MenuBuilder>(false);
            case MenuKind::PopupMenu:
                return std::make_unique<FM_MenuBuilder>(true);
            default:
                return nullptr;
        }
    } catch (...) {
        return nullptr;
    }
}

}  // namespace tessary
