#include "menucode/writer_nodes.h"

#include <utility>

#include "model/lexicon.h"

namespace tessary {

namespace {

constexpr std::string_view kEndIf = "#END_IF";

// Plain form ends lines with CR LF; the calculation form puts the pilcrow
// (0xB6 in the ANSI code page) in front, as a FileMaker calculation needs.
constexpr std::string_view kPlainLineEnd = "\r\n";
constexpr std::string_view kCalculationLineEnd = "\xB6\r\n";

// The directive that opens the block of a set; empty for all platforms,
// nullptr for a set that has no block.
const char* openingDirective(uint32_t platforms) {
    switch (platforms) {
        case kPlatformWindows:
            return "#IF_WIN";
        case kPlatformMacClassic:
            return "#IF_MACCLASSIC";
        case kPlatformMacX:
            return "#IF_MACCARBON";
        case kPlatformMac:
            return "#IF_MAC";
        case kPlatformAll:
            return "";
        default:
            return nullptr;
    }
}

bool isMacSystemItem(ItemSpecKind kind) {
    return kind == ItemSpecKind::MacQuit || kind == ItemSpecKind::MacPreferences;
}

// The application menu takes Mac nodes, and nodes for no platform, which are never written.
bool takesAppMenuPlatforms(uint32_t platforms) {
    return platforms == 0 || platforms == kPlatformMacClassic || platforms == kPlatformMacX ||
           platforms == kPlatformMac;
}

}  // namespace

uint32_t WrittenPlatforms(uint32_t platforms) {
    if (platforms == (kPlatformWindows | kPlatformMacClassic) || platforms == (kPlatformWindows | kPlatformMacX)) {
        return kPlatformAll;
    }
    return platforms;
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderBaseObj

FM_MenuBuilderBaseObj::FM_MenuBuilderBaseObj(std::string_view name,
                                             FM_MenuBuilderBaseObj* parent,
                                             uint32_t platforms,
                                             bool calculationForm)
    : name_(name), parent_(parent), platforms_(platforms), calculationForm_(calculationForm) {}

FM_MenuBuilderBaseObj::~FM_MenuBuilderBaseObj() = default;

FM_MenuBuilderBaseObj* FM_MenuBuilderBaseObj::AcceptItem(FM_MenuBuilderMenuItemObj*) {
    return nullptr;
}

FM_MenuBuilderBaseObj* FM_MenuBuilderBaseObj::AcceptMenu(FM_MenuBuilderMenuObj*) {
    return nullptr;
}

FM_MenuBuilderBaseObj* FM_MenuBuilderBaseObj::AcceptAppMenu(FM_AppleMenuBuilderMenuObj*) {
    return nullptr;
}

FM_MenuBuilderBaseObj* FM_MenuBuilderBaseObj::AddChild(FM_MenuBuilderBaseObj*) {
    return nullptr;
}

void FM_MenuBuilderBaseObj::WriteIndent(CodeText& text, int level) const {
    if (level > 0) {
        text.append(static_cast<size_t>(level), '\t');
    }
}

void FM_MenuBuilderBaseObj::WriteQuote(CodeText& text) const {
    text += calculationForm_ ? "\"\"" : "\"";
}

void FM_MenuBuilderBaseObj::WriteLineEnd(CodeText& text) const {
    text += calculationForm_ ? kCalculationLineEnd : kPlainLineEnd;
}

void FM_MenuBuilderBaseObj::writeQuoted(CodeText& text, std::string_view value) const {
    WriteQuote(text);
    text += value;
    WriteQuote(text);
}

// Blocks never nest: a node whose set differs from the open block closes that
// block and opens its own. Inside the application menu the menu's own set 6
// stands for "no block", so no block is closed in front of the first block
// there, and a node of set 6 that follows a block of one Mac platform only
// closes that block. Opening "#IF_MAC" there instead would leave a block that
// the end of the application menu never closes (it closes only blocks other
// than its own set), and the document would not read back. "#IF_MAC" is never
// written inside the application menu otherwise, so every other text is the
// same either way.
void FM_MenuBuilderBaseObj::writePlatformSwitch(CodeText& text, uint32_t openSet) const {
    const uint32_t own = WrittenPlatforms(platforms_);
    if (own == openSet) {
        return;
    }
    const char* directive = openingDirective(own);
    if (directive == nullptr) {
        text += kInternalErrorText;
        return;
    }
    const bool inAppMenu = parent_ != nullptr && parent_->isAppMenu();
    if (openSet != kPlatformAll && !(inAppMenu && openSet == kPlatformMac)) {
        text += kEndIf;
        WriteLineEnd(text);
    }
    if (inAppMenu && own == kPlatformMac) {
        return;
    }
    if (*directive != '\0') {
        text += directive;
        WriteLineEnd(text);
    }
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMenuItemObj

FM_MenuBuilderMenuItemObj::FM_MenuBuilderMenuItemObj(const ItemSpec& itemSpec, bool calculationForm)
    : FM_MenuBuilderBaseObj(itemSpec.caption.value_or(std::string_view()), nullptr, itemSpec.platforms, calculationForm),
      kind_(itemSpec.kind),
      modifiers_(itemSpec.modifiers),
      key_(itemSpec.key),
      enabled_(itemSpec.enabled),
      commandId_(itemSpec.kind == ItemSpecKind::FmCommand ? itemSpec.commandId : 0),
      checkOn_(itemSpec.checkOn),
      userString_(itemSpec.userString.value_or(std::string_view())) {
    if (itemSpec.kind == ItemSpecKind::Script || isMacSystemItem(itemSpec.kind)) {
        scriptName_ = itemSpec.scriptName.value_or(std::string_view());
    }
}

FM_MenuBuilderMenuItemObj::~FM_MenuBuilderMenuItemObj() = default;

bool FM_MenuBuilderMenuItemObj::isWritten() const {
    return isMacSystemItem(kind_) || FM_MenuBuilderBaseObj::isWritten();
}

void FM_MenuBuilderMenuItemObj::WriteHead(CodeText& text, int, uint32_t openSet) {
    // The Mac system items belong to the application menu as a whole and
    // never open or close a block of their own.
    if (isMacSystemItem(kind_)) {
        platforms_ = openSet;
    }
    writePlatformSwitch(text, openSet);
}

void FM_MenuBuilderMenuItemObj::WriteBody(CodeText& text, int level, uint32_t) {
    switch (kind_) {
        case ItemSpecKind::Separator:
            WriteIndent(text, level);
            text += "FM_MENUITEMSEPARATOR ()";
            WriteLineEnd(text);
            return;
        case ItemSpecKind::MacQuit:
        case ItemSpecKind::MacPreferences:
            WriteIndent(text, level);
            text += kind_ == ItemSpecKind::MacQuit ? "FM_MACQUITITEM ( " : "FM_MACPREFERENCES ( ";
            writeQuoted(text, name_);
            text += ", ";
            writeQuoted(text, scriptName_);
            writeEnding(text);
            return;
        case ItemSpecKind::FmCommand:
        case ItemSpecKind::Script:
            break;
        default:
            return;  // the writer takes no other kind
    }

    WriteIndent(text, level);
    const bool script = kind_ == ItemSpecKind::Script;
    text += script ? "FM_MENUSCRIPTITEM ( " : "FM_MENUITEM ( ";
    // A command without a caption of its own shows FileMaker's local caption.
    if (script || !name_.empty()) {
        writeQuoted(text, name_);
        text += ", ";
    }
    if (script) {
        writeQuoted(text, scriptName_);
    } else {
        std::string_view keyword;
        if (LookupFmCommandKeyword(commandId_, keyword)) {
            text += keyword;
        } else {
            text += kUnknownCommandKeyword;
        }
    }
    writeShortcut(text);
    if (!userString_.empty()) {
        text += ", String:";
        writeQuoted(text, userString_);
    }
    if (script && checkOn_ != 0) {
        text += ", Check-On";
    }
    writeEnding(text);
}

// A shortcut is written only with a key the reader can take back: a named
// key of the table, or one character that can stand between quotes. Without
// such a key the modifiers alone would leave "CTRL + " in front of the closing
// parenthesis, which no reader accepts; readers drop the modifiers of a
// shortcut without a key anyway.
void FM_MenuBuilderMenuItemObj::writeShortcut(CodeText& text) const {
    if (modifiers_ == 0 && key_ == 0) {
        return;
    }
    const char character = static_cast<char>(key_);
    std::string_view keyName;
    if (key_ > 0 && key_ < 127 && key_ != '"') {
        keyName = std::string_view(&character, 1);
    } else if (key_ < 0 && -key_ <= kKeyNameCount) {
        keyName = KeyNameAt(-key_ - 1).name;
    } else {
        return;
    }
    text += ", ";
    if ((modifiers_ & kModCtrl) != 0) {
        text += "CTRL + ";
    }
    if ((modifiers_ & kModAlt) != 0) {
        text += "ALT + ";
    }
    writeQuoted(text, keyName);
}

void FM_MenuBuilderMenuItemObj::writeEnding(CodeText& text) const {
    if (enabled_ == 0) {
        text += ", Disabled";
    }
    text += " )";
    WriteLineEnd(text);
}

uint32_t FM_MenuBuilderMenuItemObj::WriteTail(CodeText&, int, uint32_t) {
    return WrittenPlatforms(platforms_);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderComplexObj

FM_MenuBuilderComplexObj::FM_MenuBuilderComplexObj(std::string_view name,
                                                   FM_MenuBuilderBaseObj* parent,
                                                   uint32_t platforms,
                                                   bool calculationForm,
                                                   uint32_t extraValue)
    : FM_MenuBuilderBaseObj(name, parent, platforms, calculationForm), extraValue_(extraValue) {}

FM_MenuBuilderComplexObj::~FM_MenuBuilderComplexObj() = default;

// A node for no platform is taken anywhere: it is never written (see
// isWritten), so it cannot break the block of the menu that holds it. The
// loader makes such nodes from a Windows item inside a Mac menu, and refusing
// them would keep a document that opened from being saved.
bool FM_MenuBuilderComplexObj::acceptsPlatforms(uint32_t childPlatforms) const {
    return platforms_ == kPlatformAll || platforms_ == childPlatforms || childPlatforms == 0;
}

FM_MenuBuilderBaseObj* FM_MenuBuilderComplexObj::AcceptItem(FM_MenuBuilderMenuItemObj* item) {
    if (!item || !acceptsPlatforms(item->platforms())) {
        return nullptr;
    }
    return AddChild(item);
}

FM_MenuBuilderBaseObj* FM_MenuBuilderComplexObj::AcceptMenu(FM_MenuBuilderMenuObj* menu) {
    if (!menu || !acceptsPlatforms(menu->platforms())) {
        return nullptr;
    }
    return AddChild(menu);
}

FM_MenuBuilderBaseObj* FM_MenuBuilderComplexObj::AcceptAppMenu(FM_AppleMenuBuilderMenuObj* appMenu) {
    if (!appMenu) {
        return nullptr;
    }
    return AddChild(appMenu);
}

FM_MenuBuilderBaseObj* FM_MenuBuilderComplexObj::AddChild(FM_MenuBuilderBaseObj* node) {
    node->parent_ = this;
    node->next_ = nullptr;
    if (lastChild_ != nullptr) {
        lastChild_->next_ = node;
    } else {
        firstChild_ = node;
    }
    lastChild_ = node;
    ++childCount_;
    return node;
}

void FM_MenuBuilderComplexObj::writeOpenBrace(CodeText& text, int level) const {
    WriteIndent(text, level);
    text += '{';
    WriteLineEnd(text);
}

void FM_MenuBuilderComplexObj::writeCloseBrace(CodeText& text, int level) const {
    WriteIndent(text, level);
    text += '}';
    WriteLineEnd(text);
}

void FM_MenuBuilderComplexObj::WriteHead(CodeText& text, int level, uint32_t openSet) {
    writeOpenBrace(text, level);
    writePlatformSwitch(text, openSet);
}

void FM_MenuBuilderComplexObj::WriteBody(CodeText& text, int level, uint32_t) {
    const uint32_t own = WrittenPlatforms(platforms_);
    uint32_t open = own;
    for (FM_MenuBuilderBaseObj* child = firstChild_; child != nullptr; child = child->next_) {
        if (!child->isWritten()) {
            continue;
        }
        child->WriteHead(text, level + 1, open);
        child->WriteBody(text, level + 1, open);
        open = child->WriteTail(text, level + 1, open);
    }
    if (open != own && open != kPlatformAll) {
        text += kEndIf;
        WriteLineEnd(text);
    }
}

uint32_t FM_MenuBuilderComplexObj::WriteTail(CodeText& text, int level, uint32_t) {
    writeCloseBrace(text, level);
    return WrittenPlatforms(platforms_);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMBarObj

FM_MenuBuilderMBarObj::FM_MenuBuilderMBarObj(bool calculationForm)
    : FM_MenuBuilderComplexObj(std::string_view(), nullptr, kPlatformAll, calculationForm, 0) {}

FM_MenuBuilderMBarObj::~FM_MenuBuilderMBarObj() = default;

void FM_MenuBuilderMBarObj::WriteHead(CodeText& text, int level, uint32_t openSet) {
    WriteIndent(text, level);
    text += "FM_MENUBAR ()";
    WriteLineEnd(text);
    writeOpenBrace(text, level);
    writePlatformSwitch(text, openSet);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMenuObj

FM_MenuBuilderMenuObj::FM_MenuBuilderMenuObj(const MenuSpec& menuSpec, FM_MenuBuilderBaseObj* parent, bool calculationForm)
    : FM_MenuBuilderComplexObj(menuSpec.caption.value_or(std::string_view()),
                               parent,
                               menuSpec.platforms,
                               calculationForm,
                               menuSpec.fmMenuId) {}

FM_MenuBuilderMenuObj::FM_MenuBuilderMenuObj(std::string_view name,
                                             FM_MenuBuilderBaseObj* parent,
                                             uint32_t platforms,
                                             bool calculationForm)
    : FM_MenuBuilderComplexObj(name, parent, platforms, calculationForm, 0) {}

FM_MenuBuilderMenuObj::~FM_MenuBuilderMenuObj() = default;

void FM_MenuBuilderMenuObj::WriteHead(CodeText& text, int level, uint32_t openSet) {
    writePlatformSwitch(text, openSet);
    WriteIndent(text, level);
    text += "FM_MENU ( ";
    const bool named = !name_.empty();
    if (named) {
        writeQuoted(text, name_);
    }
    // An id the table lacks writes no keyword, and then no comma either: a
    // comma before the closing parenthesis does not read back.
    std::string_view keyword;
    const bool hasKeyword = extraValue_ != 0 && LookupFmMenuKeyword(extraValue_, keyword);
    if (hasKeyword) {
        if (named) {
            text += " , ";
        }
        text += keyword;
    }
    // A menu needs a caption or a keyword to be read back ("FM_MENU (  )" is
    // refused), so a menu with neither is written with an empty caption.
    if (!named && !hasKeyword) {
        writeQuoted(text, std::string_view());
    }
    text += " )";
    WriteLineEnd(text);
    writeOpenBrace(text, level);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderPopupMenuObj

FM_MenuBuilderPopupMenuObj::FM_MenuBuilderPopupMenuObj(bool contextMenu, bool calculationForm)
    : FM_MenuBuilderComplexObj(std::string_view(), nullptr, kPlatformAll, calculationForm, contextMenu ? 1 : 0) {}

FM_MenuBuilderPopupMenuObj::~FM_MenuBuilderPopupMenuObj() = default;

void FM_MenuBuilderPopupMenuObj::WriteHead(CodeText& text, int level, uint32_t openSet) {
    writePlatformSwitch(text, openSet);
    WriteIndent(text, level);
    text += isContextMenu() ? "FM_CONTEXTMENU (" : "FM_POPUPMENU (";
    text += " )";
    WriteLineEnd(text);
    writeOpenBrace(text, level);
}

// ---------------------------------------------------------------------------
// FM_AppleMenuBuilderMenuObj

FM_AppleMenuBuilderMenuObj::FM_AppleMenuBuilderMenuObj(std::string_view name,
                                                       FM_MenuBuilderBaseObj* parent,
                                                       bool calculationForm)
    : FM_MenuBuilderMenuObj(name, parent, kPlatformMac, calculationForm) {}

FM_MenuBuilderBaseObj* FM_AppleMenuBuilderMenuObj::AcceptItem(FM_MenuBuilderMenuItemObj* item) {
    if (!item || !takesAppMenuPlatforms(item->platforms())) {
        return nullptr;
    }
    return AddChild(item);
}

FM_MenuBuilderBaseObj* FM_AppleMenuBuilderMenuObj::AcceptMenu(FM_MenuBuilderMenuObj* menu) {
    if (!menu || !takesAppMenuPlatforms(menu->platforms())) {
        return nullptr;
    }
    return AddChild(menu);
}

void FM_AppleMenuBuilderMenuObj::WriteHead(CodeText& text, int level, uint32_t) {
    WriteIndent(text, level);
    text += "FM_APPMENU ( ";
    writeQuoted(text, name_);
    text += " )";
    WriteLineEnd(text);
    writeOpenBrace(text, level);
}

uint32_t FM_AppleMenuBuilderMenuObj::WriteTail(CodeText& text, int level, uint32_t) {
    writeCloseBrace(text, level);
    return kPlatformAll;
}

}  // namespace tessary
