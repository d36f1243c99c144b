#include "menucode/writer_nodes.h"

#include "model/lexicon.h"

namespace tessary {

namespace {

constexpr std::string_view kEndIf = "#END_IF";

constexpr std::string_view kLineEnd = "\r\n";

// The directives that open the blocks of the sets that have one.
constexpr std::string_view kIfWindows = "#IF_WIN";
constexpr std::string_view kIfMacClassic = "#IF_MACCLASSIC";
constexpr std::string_view kIfMacCarbon = "#IF_MACCARBON";
constexpr std::string_view kIfMac = "#IF_MAC";

// The words that begin the lines of items and menus.
constexpr std::string_view kSeparatorLine = "FM_MENUITEMSEPARATOR ()";
constexpr std::string_view kMacQuitOpen = "FM_MACQUITITEM ( ";
constexpr std::string_view kMacPreferencesOpen = "FM_MACPREFERENCES ( ";
constexpr std::string_view kScriptItemOpen = "FM_MENUSCRIPTITEM ( ";
constexpr std::string_view kCommandItemOpen = "FM_MENUITEM ( ";
constexpr std::string_view kMenuBarLine = "FM_MENUBAR ()";
constexpr std::string_view kMenuOpen = "FM_MENU ( ";
constexpr std::string_view kContextMenuOpen = "FM_CONTEXTMENU (";
constexpr std::string_view kPopupMenuOpen = "FM_POPUPMENU (";
constexpr std::string_view kAppMenuOpen = "FM_APPMENU ( ";

// The rest of the pieces of a line.
constexpr std::string_view kComma = ", ";
constexpr std::string_view kMenuKeywordComma = " , ";
constexpr std::string_view kClose = " )";
constexpr std::string_view kCtrl = "CTRL + ";
constexpr std::string_view kAlt = "ALT + ";
constexpr std::string_view kUserStringLabel = ", String:";
constexpr std::string_view kCheckOn = ", Check-On";
constexpr std::string_view kDisabled = ", Disabled";

// The pieces lines are made of.
void putIndent(std::string& out, int level) {
    if (level > 0) {
        out.append(static_cast<size_t>(level), '\t');
    }
}

void putQuote(std::string& out) {
    out += '"';
}

void putLineEnd(std::string& out) {
    out += kLineEnd;
}

void putQuoted(std::string& out, std::string_view value) {
    putQuote(out);
    out += value;
    putQuote(out);
}

// The directive that opens the block of a set, empty for all platforms;
// false for a set that has no block.
bool openingDirective(uint32_t platforms, std::string_view& directive) {
    switch (platforms) {
        case kPlatformWindows:
            directive = kIfWindows;
            return true;
        case kPlatformMacClassic:
            directive = kIfMacClassic;
            return true;
        case kPlatformMacX:
            directive = kIfMacCarbon;
            return true;
        case kPlatformMac:
            directive = kIfMac;
            return true;
        case kPlatformAll:
            directive = std::string_view();
            return true;
        default:
            return false;
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

// ---------------------------------------------------------------------------
// FM_MenuBuilderBaseObj

FM_MenuBuilderBaseObj::FM_MenuBuilderBaseObj(std::string_view name, FM_MenuBuilderBaseObj* parent, uint32_t platforms)
    : name_(name), parent_(parent), platforms_(platforms) {}

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

void FM_MenuBuilderBaseObj::WriteIndent(std::string& out, int level) const {
    putIndent(out, level);
}

void FM_MenuBuilderBaseObj::WriteQuote(std::string& out) const {
    putQuote(out);
}

void FM_MenuBuilderBaseObj::WriteLineEnd(std::string& out) const {
    putLineEnd(out);
}

void FM_MenuBuilderBaseObj::writeQuoted(std::string& out, std::string_view value) const {
    putQuoted(out, value);
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
void FM_MenuBuilderBaseObj::writePlatformSwitch(std::string& out, uint32_t openSet) const {
    const uint32_t own = WrittenPlatforms(platforms_);
    if (own == openSet) {
        return;
    }
    std::string_view directive;
    if (!openingDirective(own, directive)) {
        out += kInternalErrorText;
        return;
    }
    const bool inAppMenu = parent_ != nullptr && parent_->isAppMenu();
    if (openSet != kPlatformAll && !(inAppMenu && openSet == kPlatformMac)) {
        out += kEndIf;
        WriteLineEnd(out);
    }
    if (inAppMenu && own == kPlatformMac) {
        return;
    }
    if (!directive.empty()) {
        out += directive;
        WriteLineEnd(out);
    }
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMenuItemObj

FM_MenuBuilderMenuItemObj::FM_MenuBuilderMenuItemObj(const ItemSpec& itemSpec, bool shortcut)
    : FM_MenuBuilderBaseObj(itemSpec.caption.value_or(std::string_view()), nullptr, itemSpec.platforms),
      userString_(itemSpec.userString.value_or(std::string_view())),
      kind_(itemSpec.kind),
      enabled_(itemSpec.enabled),
      checkOn_(itemSpec.checkOn) {
    // The Mac system items belong to the application menu as a whole and
    // never open or close a block of their own.
    takesOpenSet_ = isMacSystemItem(kind_);
    if (kind_ == ItemSpecKind::Script || takesOpenSet_) {
        target_ = itemSpec.scriptName.value_or(std::string_view());
    } else if (kind_ == ItemSpecKind::FmCommand && !LookupFmCommandKeyword(itemSpec.commandId, target_)) {
        target_ = kUnknownCommandKeyword;
    }
    if (!shortcut) {
        return;
    }
    // A shortcut is written only with a key the reader can take back: a named
    // key of the table, or one character that can stand between quotes.
    // Without such a key the modifiers alone would leave "CTRL + " in front of
    // the closing parenthesis, which no reader accepts; readers drop the
    // modifiers of a shortcut without a key anyway.
    const int key = itemSpec.key;
    if (key > 0 && key < 127 && key != '"') {
        keyChar_ = static_cast<char>(key);
        keyName_ = std::string_view(&keyChar_, 1);
    } else if (key < 0 && key >= -kKeyNameCount) {
        keyName_ = KeyNameAt(-key - 1).name;
    } else {
        return;
    }
    modifiers_ = static_cast<uint8_t>(itemSpec.modifiers & (kModCtrl | kModAlt));
}

void FM_MenuBuilderMenuItemObj::WriteHead(std::string& text, int, uint32_t openSet) {
    if (takesOpenSet_) {
        platforms_ = openSet;
    }
    // Most items stand in the block that is open already.
    if (WrittenPlatforms(platforms_) != openSet) {
        writePlatformSwitch(text, openSet);
    }
}

void FM_MenuBuilderMenuItemObj::WriteBody(std::string& line, int level, uint32_t) {
    switch (kind_) {
        case ItemSpecKind::Separator: {
            putIndent(line, level);
            line += kSeparatorLine;
            putLineEnd(line);
            return;
        }
        case ItemSpecKind::MacQuit:
        case ItemSpecKind::MacPreferences: {
            putIndent(line, level);
            if (kind_ == ItemSpecKind::MacQuit) {
                line += kMacQuitOpen;
            } else {
                line += kMacPreferencesOpen;
            }
            putQuoted(line, name_);
            line += kComma;
            putQuoted(line, target_);
            writeEnding(line);
            return;
        }
        case ItemSpecKind::FmCommand:
        case ItemSpecKind::Script:
            break;
        default:
            return;  // the writer takes no other kind
    }

    putIndent(line, level);
    const bool script = kind_ == ItemSpecKind::Script;
    if (script) {
        line += kScriptItemOpen;
    } else {
        line += kCommandItemOpen;
    }
    // A command without a caption of its own shows FileMaker's local caption.
    if (script || !name_.empty()) {
        putQuoted(line, name_);
        line += kComma;
    }
    if (script) {
        putQuoted(line, target_);
    } else {
        line += target_;
    }
    writeShortcut(line);
    if (!userString_.empty()) {
        line += kUserStringLabel;
        putQuoted(line, userString_);
    }
    if (script && checkOn_ != 0) {
        line += kCheckOn;
    }
    writeEnding(line);
}

void FM_MenuBuilderMenuItemObj::writeShortcut(std::string& line) const {
    if (keyName_.empty()) {
        return;
    }
    line += kComma;
    if ((modifiers_ & kModCtrl) != 0) {
        line += kCtrl;
    }
    if ((modifiers_ & kModAlt) != 0) {
        line += kAlt;
    }
    putQuoted(line, keyName_);
}

void FM_MenuBuilderMenuItemObj::writeEnding(std::string& line) const {
    if (enabled_ == 0) {
        line += kDisabled;
    }
    line += kClose;
    putLineEnd(line);
}

uint32_t FM_MenuBuilderMenuItemObj::WriteTail(std::string&, int, uint32_t) {
    return WrittenPlatforms(platforms_);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderComplexObj

FM_MenuBuilderComplexObj::FM_MenuBuilderComplexObj(std::string_view name,
                                                   FM_MenuBuilderBaseObj* parent,
                                                   uint32_t platforms,
                                                   uint32_t extraValue)
    : FM_MenuBuilderBaseObj(name, parent, platforms), extraValue_(extraValue) {}

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
    return node;
}

void FM_MenuBuilderComplexObj::writeRootHead(std::string& text) {
    level_ = 0;
    WriteHead(text, 0, kPlatformAll);
    open_ = WrittenPlatforms(platforms_);
    writesChildren_ = true;
}

void FM_MenuBuilderComplexObj::writeRootEnd(std::string& text) {
    WriteBody(text, 0, kPlatformAll);
    WriteTail(text, 0, kPlatformAll);
    writesChildren_ = false;
}

void FM_MenuBuilderComplexObj::writeItem(std::string& text, FM_MenuBuilderMenuItemObj& item) {
    if (!writesChildren_ || !item.isWritten()) {
        return;
    }
    // The item's class is final: these calls go straight to it.
    item.WriteHead(text, level_ + 1, open_);
    item.WriteBody(text, level_ + 1, open_);
    open_ = item.WriteTail(text, level_ + 1, open_);
}

void FM_MenuBuilderComplexObj::openMenu(std::string& text, FM_MenuBuilderComplexObj& menu) {
    menu.level_ = level_ + 1;
    menu.writesChildren_ = writesChildren_ && menu.isWritten();
    if (menu.writesChildren_) {
        menu.WriteHead(text, menu.level_, open_);
        menu.open_ = WrittenPlatforms(menu.platforms_);
    }
    // The caption is the caller's, needed only for the head.
    menu.name_ = std::string_view();
}

void FM_MenuBuilderComplexObj::closeMenu(std::string& text, FM_MenuBuilderComplexObj& menu) {
    if (!menu.writesChildren_) {
        return;
    }
    menu.WriteBody(text, menu.level_, open_);
    open_ = menu.WriteTail(text, menu.level_, open_);
    menu.writesChildren_ = false;
}

void FM_MenuBuilderComplexObj::writeOpenBrace(std::string& out, int level) const {
    WriteIndent(out, level);
    out += '{';
    WriteLineEnd(out);
}

void FM_MenuBuilderComplexObj::writeCloseBrace(std::string& out, int level) const {
    WriteIndent(out, level);
    out += '}';
    WriteLineEnd(out);
}

void FM_MenuBuilderComplexObj::WriteHead(std::string& text, int level, uint32_t openSet) {
    writeOpenBrace(text, level);
    writePlatformSwitch(text, openSet);
}

void FM_MenuBuilderComplexObj::WriteBody(std::string& text, int, uint32_t) {
    if (open_ != WrittenPlatforms(platforms_) && open_ != kPlatformAll) {
        text += kEndIf;
        WriteLineEnd(text);
    }
}

uint32_t FM_MenuBuilderComplexObj::WriteTail(std::string& text, int level, uint32_t) {
    writeCloseBrace(text, level);
    return WrittenPlatforms(platforms_);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMBarObj

FM_MenuBuilderMBarObj::FM_MenuBuilderMBarObj()
    : FM_MenuBuilderComplexObj(std::string_view(), nullptr, kPlatformAll, 0) {}

FM_MenuBuilderMBarObj::~FM_MenuBuilderMBarObj() = default;

void FM_MenuBuilderMBarObj::WriteHead(std::string& text, int level, uint32_t openSet) {
    WriteIndent(text, level);
    text += kMenuBarLine;
    WriteLineEnd(text);
    writeOpenBrace(text, level);
    writePlatformSwitch(text, openSet);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderMenuObj

FM_MenuBuilderMenuObj::FM_MenuBuilderMenuObj(const MenuSpec& menuSpec, FM_MenuBuilderBaseObj* parent)
    : FM_MenuBuilderComplexObj(menuSpec.caption.value_or(std::string_view()),
                               parent,
                               menuSpec.platforms,
                               menuSpec.fmMenuId) {
    // An id the table lacks writes no keyword.
    if (extraValue_ == 0 || !LookupFmMenuKeyword(extraValue_, keyword_)) {
        keyword_ = std::string_view();
    }
}

FM_MenuBuilderMenuObj::FM_MenuBuilderMenuObj(std::string_view name, FM_MenuBuilderBaseObj* parent, uint32_t platforms)
    : FM_MenuBuilderComplexObj(name, parent, platforms, 0) {}

FM_MenuBuilderMenuObj::~FM_MenuBuilderMenuObj() = default;

void FM_MenuBuilderMenuObj::WriteHead(std::string& out, int level, uint32_t openSet) {
    writePlatformSwitch(out, openSet);
    WriteIndent(out, level);
    out += kMenuOpen;
    const bool named = !name_.empty();
    if (named) {
        writeQuoted(out, name_);
    }
    // Without a keyword there is no comma either: a comma before the closing
    // parenthesis does not read back.
    const bool hasKeyword = !keyword_.empty();
    if (hasKeyword) {
        if (named) {
            out += kMenuKeywordComma;
        }
        out += keyword_;
    }
    // A menu needs a caption or a keyword to be read back ("FM_MENU (  )" is
    // refused), so a menu with neither is written with an empty caption.
    if (!named && !hasKeyword) {
        writeQuoted(out, std::string_view());
    }
    out += kClose;
    WriteLineEnd(out);
    writeOpenBrace(out, level);
}

// ---------------------------------------------------------------------------
// FM_MenuBuilderPopupMenuObj

FM_MenuBuilderPopupMenuObj::FM_MenuBuilderPopupMenuObj(bool contextMenu)
    : FM_MenuBuilderComplexObj(std::string_view(), nullptr, kPlatformAll, contextMenu ? 1 : 0) {}

FM_MenuBuilderPopupMenuObj::~FM_MenuBuilderPopupMenuObj() = default;

void FM_MenuBuilderPopupMenuObj::WriteHead(std::string& text, int level, uint32_t openSet) {
    writePlatformSwitch(text, openSet);
    WriteIndent(text, level);
    if (isContextMenu()) {
        text += kContextMenuOpen;
    } else {
        text += kPopupMenuOpen;
    }
    text += kClose;
    WriteLineEnd(text);
    writeOpenBrace(text, level);
}

// ---------------------------------------------------------------------------
// FM_AppleMenuBuilderMenuObj

FM_AppleMenuBuilderMenuObj::FM_AppleMenuBuilderMenuObj(std::string_view name, FM_MenuBuilderBaseObj* parent)
    : FM_MenuBuilderMenuObj(name, parent, kPlatformMac) {
    appMenu_ = true;
}

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

void FM_AppleMenuBuilderMenuObj::WriteHead(std::string& text, int level, uint32_t) {
    WriteIndent(text, level);
    text += kAppMenuOpen;
    writeQuoted(text, name_);
    text += kClose;
    WriteLineEnd(text);
    writeOpenBrace(text, level);
}

uint32_t FM_AppleMenuBuilderMenuObj::WriteTail(std::string& text, int level, uint32_t) {
    writeCloseBrace(text, level);
    return kPlatformAll;
}

}  // namespace tessary
