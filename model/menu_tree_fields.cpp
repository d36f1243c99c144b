// MenuTree field access: caption, kind and the record's fields, with the
// refusals that keep an AppMenu's platform set and the shortcuts of kinds
// without one untouched.
#include <algorithm>
#include <cstring>

#include "model/menu_tree.h"

namespace tessary {

// ---- Field access ----

bool MenuTree::getCaption(NodeHandle node, char* buffer, size_t capacity) const {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || buffer == nullptr || capacity == 0) {
        return false;
    }
    const std::string_view text = slots_[index].caption.view();
    const size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return true;
}

std::string MenuTree::caption(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index == kNil ? std::string() : std::string(slots_[index].caption.view());
}

std::string_view MenuTree::captionView(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index == kNil ? std::string_view() : slots_[index].caption.view();
}

bool MenuTree::setCaption(NodeHandle node, std::string_view text) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil) {
        return false;
    }
    willChange(index);
    slots_[index].caption.assign(text);
    if (observer_) {
        observer_->nodeChanged(handleOf(index));
    }
    return true;
}

NodeKind MenuTree::getKind(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index == kNil ? NodeKind::None : slots_[index].kind;
}

bool MenuTree::setKind(NodeHandle node, NodeKind kind) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || !isValidNodeKind(kind)) {
        return false;
    }
    willChange(index);
    slots_[index].kind = kind;
    if (observer_) {
        observer_->nodeChanged(handleOf(index));
    }
    return true;
}

bool MenuTree::getText(NodeHandle node, bool scriptName, char* buffer, size_t capacity) const {
    const MenuItemRecord* record = recordOf(node);
    if (record == nullptr || (buffer == nullptr && capacity > 0)) {
        return false;
    }
    if (capacity == 0) {
        return true;
    }
    const std::string_view text = recordText(scriptName ? record->scriptName : record->userString);
    const size_t length = std::min(text.size(), capacity);
    std::memcpy(buffer, text.data(), length);
    std::memset(buffer + length, 0, capacity - length);
    return true;
}

bool MenuTree::getScriptName(NodeHandle node, char* buffer, size_t capacity) const {
    return getText(node, true, buffer, capacity);
}

bool MenuTree::getUserString(NodeHandle node, char* buffer, size_t capacity) const {
    return getText(node, false, buffer, capacity);
}

bool MenuTree::setScriptName(NodeHandle node, std::string_view text) {
    MenuItemRecord* record = recordFor(node, text.size() <= kMaxTextLength);
    return record != nullptr && setRecordText(record->scriptName, text);
}

bool MenuTree::setUserString(NodeHandle node, std::string_view text) {
    MenuItemRecord* record = recordFor(node, text.size() <= kMaxTextLength);
    return record != nullptr && setRecordText(record->userString, text);
}

uint32_t MenuTree::getFmId(NodeHandle node) const {
    const MenuItemRecord* record = recordOf(node);
    return record ? record->fmId : 0;
}

bool MenuTree::setFmId(NodeHandle node, uint32_t fmId) {
    MenuItemRecord* record = recordFor(node);
    if (record) {
        record->fmId = fmId;
    }
    return record != nullptr;
}

uint8_t MenuTree::getEnabled(NodeHandle node) const {
    const MenuItemRecord* record = recordOf(node);
    return record ? record->enabled : 0;
}

bool MenuTree::setEnabled(NodeHandle node, uint8_t enabled) {
    MenuItemRecord* record = recordFor(node);
    if (record) {
        record->enabled = enabled;
    }
    return record != nullptr;
}

uint8_t MenuTree::getCheckOn(NodeHandle node) const {
    const MenuItemRecord* record = recordOf(node);
    return record ? record->checkOn : 0;
}

bool MenuTree::setCheckOn(NodeHandle node, uint8_t checkOn) {
    MenuItemRecord* record = recordFor(node);
    if (record) {
        record->checkOn = checkOn;
    }
    return record != nullptr;
}

uint8_t MenuTree::getUseLocalCaption(NodeHandle node) const {
    const MenuItemRecord* record = recordOf(node);
    return record ? record->useLocalCaption : 0;
}

bool MenuTree::setUseLocalCaption(NodeHandle node, uint8_t useLocalCaption) {
    MenuItemRecord* record = recordFor(node);
    if (record) {
        record->useLocalCaption = useLocalCaption;
    }
    return record != nullptr;
}

bool MenuTree::setNodeValues(NodeHandle node, std::string_view caption, NodeKind kind, const MenuItemRecord& record) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || !isValidNodeKind(kind)) {
        return false;
    }
    willChange(index);
    Slot& slot = slots_[index];
    slot.caption.assign(caption);
    slot.kind = kind;
    copyRecord(*slot.record, record);
    if (observer_) {
        observer_->nodeChanged(handleOf(index));
    }
    return true;
}

PlatformMask MenuTree::platformsOf(uint32_t index) const {
    if (index == kRootIndex) {
        return kPlatformAll;
    }
    const Slot& slot = slots_[index];
    return slot.kind == NodeKind::AppMenu ? kPlatformMac : slot.record->platforms;
}

PlatformMask MenuTree::getPlatforms(NodeHandle node) const {
    if ((node == kNoNode && selected_ == kNoNode) || node == kRootNode) {
        return kPlatformAll;
    }
    const uint32_t index = nodeIndex(node);
    return index == kNil ? 0 : platformsOf(index);
}

bool MenuTree::setPlatforms(NodeHandle node, PlatformMask set) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || slots_[index].kind == NodeKind::AppMenu) {
        return false;
    }
    willChange(index);
    slots_[index].record->platforms = set;
    return true;
}

static bool takesShortcut(NodeKind kind) {
    return kind == NodeKind::ScriptItem || kind == NodeKind::FmItem;
}

uint16_t MenuTree::getShortcut(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || !takesShortcut(slots_[index].kind)) {
        return 0;
    }
    return slots_[index].record->shortcut;
}

bool MenuTree::setShortcut(NodeHandle node, uint16_t code) {
    const uint32_t index = nodeIndex(node);
    if (index == kNil || !takesShortcut(slots_[index].kind)) {
        return false;
    }
    willChange(index);
    slots_[index].record->shortcut = code;
    return true;
}

PlatformMask MenuTree::getParentPlatforms(NodeHandle node) const {
    const uint32_t index = nodeIndex(node);
    return index == kNil ? 0 : platformsOf(slots_[index].parent);
}

bool MenuTree::hasChildren(NodeHandle node) const {
    const uint32_t index = node == kRootNode ? kRootIndex : nodeIndex(node);
    return index != kNil && slots_[index].childCount > 0;
}

bool MenuTree::setHasChildren(NodeHandle node, bool flag) {
    const uint32_t index = nodeIndex(node);
    return index != kNil && (slots_[index].childCount > 0) == flag;
}

}  // namespace tessary
