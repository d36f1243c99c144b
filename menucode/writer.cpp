#include "menucode/writer.h"

#include <cstring>
#include <new>
#include <utility>

namespace tessary {

namespace {

// What a menu or item adds to the text besides its texts and indentation, at
// most: keywords, punctuation, line ends, block lines.
constexpr size_t kMenuLayout = 64;
constexpr size_t kItemLayout = 112;

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

FM_Builder::FM_Builder(bool calculationForm) : calculationForm_(calculationForm) {}

FM_Builder::~FM_Builder() = default;

bool FM_Builder::OpenMenu(const MenuSpec& menuSpec) {
    if (current_ == nullptr) {
        return false;
    }
    try {
        MenuSpec kept = menuSpec;
        if (menuSpec.caption) {
            kept.caption = keepText(*menuSpec.caption);
        }
        current_ = current_->AcceptMenu(arena_.make<FM_MenuBuilderMenuObj>(kept, current_, calculationForm_));
    } catch (...) {
        current_ = nullptr;
    }
    if (current_ != nullptr) {
        ++openMenus_;
        expectedLayout_ += kMenuLayout + 3 * static_cast<size_t>(openMenus_);
    }
    return noteAnswer(current_ != nullptr);
}

bool FM_Builder::AddMenuItem(const ItemSpec& itemSpec) {
    // An item of no known kind would write nothing but its block switch.
    if (current_ == nullptr) {
        return false;
    }
    bool accepted = false;
    if (isKnownItemKind(itemSpec.kind)) {
        try {
            ItemSpec kept = itemSpec;
            auto keep = [this](std::optional<std::string_view>& text) {
                if (text) {
                    text = keepText(*text);
                }
            };
            keep(kept.caption);
            keep(kept.userString);
            keep(kept.scriptName);
            accepted = current_->AcceptItem(arena_.make<FM_MenuBuilderMenuItemObj>(kept, calculationForm_)) != nullptr;
        } catch (...) {
            accepted = false;
        }
    }
    if (accepted) {
        expectedLayout_ += kItemLayout + static_cast<size_t>(openMenus_) + 1;
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
    current_ = current_->GetParentNode();
    openMenus_ = openMenus_ > 0 ? openMenus_ - 1 : 0;
    return true;
}

bool FM_Builder::closeMenuOfWriter() {
    if (current_ == nullptr || (current_->GetParentNode() == nullptr && current_ != root_)) {
        return false;
    }
    return FM_Builder::CloseMenu();
}

void FM_Builder::writeRoot() {
    // The texts appear once each (twice the quotation marks in the calculation form).
    output_.reserve(textBytes_ + expectedLayout_ * (calculationForm_ ? 2 : 1) + kMenuLayout);
    root_->WriteHead(output_, 0, kPlatformAll);
    root_->WriteBody(output_, 0, kPlatformAll);
    root_->WriteTail(output_, 0, kPlatformAll);
}

bool FM_Builder::prepareCode() {
    if (output_.empty()) {
        if (refusedNode_) {
            return false;
        }
        try {
            if (!WriteCode()) {
                output_.clear();
                return false;
            }
        } catch (...) {
            output_.clear();
            return false;
        }
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
    std::memcpy(buffer, output_.view().data(), output_.size());
    return true;
}

bool FM_Builder::GetCode(std::string& code) {
    if (!prepareCode()) {
        return false;
    }
    try {
        code.assign(output_.view());
    } catch (...) {
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// FM_MenuBarBuilder

FM_MenuBarBuilder::FM_MenuBarBuilder(bool calculationForm) : FM_Builder(calculationForm) {}

FM_MenuBarBuilder::~FM_MenuBarBuilder() = default;

bool FM_MenuBarBuilder::OpenMenuBar() {
    if (root_ != nullptr) {
        return false;
    }
    try {
        root_ = arena_.make<FM_MenuBuilderMBarObj>(calculationForm_);
    } catch (...) {
        return false;
    }
    current_ = root_;
    return true;
}

bool FM_MenuBarBuilder::OpenAppMenu(std::string_view name) {
    if (root_ == nullptr || current_ != root_) {
        return false;
    }
    try {
        current_ =
            root_->AcceptAppMenu(arena_.make<FM_AppleMenuBuilderMenuObj>(keepText(name), root_, calculationForm_));
    } catch (...) {
        current_ = nullptr;
    }
    if (current_ != nullptr) {
        ++openMenus_;
        expectedLayout_ += kMenuLayout + 3 * static_cast<size_t>(openMenus_);
    }
    return noteAnswer(current_ != nullptr);
}

bool FM_MenuBarBuilder::CloseMenu() {
    return closeMenuOfWriter();
}

bool FM_MenuBarBuilder::WriteCode() {
    if (root_ == nullptr || current_ != nullptr) {
        return false;
    }
    writeRoot();
    return true;
}

// ---------------------------------------------------------------------------
// FM_MenuBuilder

FM_MenuBuilder::FM_MenuBuilder(bool popupMenu, bool calculationForm)
    : FM_Builder(calculationForm), popupMenu_(popupMenu) {
    root_ = arena_.make<FM_MenuBuilderPopupMenuObj>(!popupMenu, calculationForm);
    current_ = root_;
}

FM_MenuBuilder::~FM_MenuBuilder() = default;

bool FM_MenuBuilder::AddMenuItem(const ItemSpec& itemSpec) {
    if (!popupMenu_) {
        return FM_Builder::AddMenuItem(itemSpec);
    }
    ItemSpec withoutShortcut = itemSpec;
    withoutShortcut.modifiers = 0;
    withoutShortcut.key = 0;
    return FM_Builder::AddMenuItem(withoutShortcut);
}

bool FM_MenuBuilder::CloseMenu() {
    return closeMenuOfWriter();
}

bool FM_MenuBuilder::WriteCode() {
    if (root_ == nullptr || current_ != root_) {
        return false;
    }
    writeRoot();
    return true;
}

// ---------------------------------------------------------------------------

std::unique_ptr<FM_Builder> CreateMenuCodeBuilder(MenuKind kind, bool calculationForm) noexcept {
    try {
        switch (kind) {
            case MenuKind::MainMenu:
                return std::make_unique<FM_MenuBarBuilder>(calculationForm);
            case MenuKind::ContextMenu:
                return std::make_unique<FM_MenuBuilder>(false, calculationForm);
            case MenuKind::PopupMenu:
                return std::make_unique<FM_MenuBuilder>(true, calculationForm);
            default:
                return nullptr;
        }
    } catch (...) {
        return nullptr;
    }
}

}  // namespace tessary
