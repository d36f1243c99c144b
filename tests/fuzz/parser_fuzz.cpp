// Fuzzes the three parser entry points.
// Input: byte 0 chooses the reader and the callbacks, byte 1 the requested
// platforms, the rest is the text, read in place from libFuzzer's block of
// exactly its size so that any read past the end is caught.
//   byte 0 bits 0-1: 0 main, 1 context, 2 pop-up (3 is main too)
//          bit 2: noScriptItems     bit 3: no slots 8 and 9
//          bits 4-7: a callback that refuses its first call (0 none, 1-9 a slot)
// Besides the sanitizers, the callbacks check what the parser hands them.
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

#include "menucode/parser.h"

namespace {

using namespace tessary;

[[noreturn]] void fail() {
    __builtin_trap();
}

void check(bool ok) {
    if (!ok) {
        fail();
    }
}

struct Checker {
    const char* text = nullptr;
    size_t length = 0;
    int refuse = 0;  // slot number 1-9 refusing its first call
    std::set<int> refused;
    MenuHandle last = 0;
    std::set<MenuHandle> bars;
    std::set<MenuHandle> menus;  // begun, neither attached nor discarded
    std::set<MenuHandle> appMenus;

    bool refuses(int slot) { return slot == refuse && refused.insert(slot).second; }
    void checkText(const std::optional<std::string_view>& t) const {
        if (t) {
            check(t->empty() || (t->data() >= text && t->data() + t->size() <= text + length));
        }
    }
    bool isContainer(MenuHandle h) const { return h == 0 || menus.count(h) || appMenus.count(h); }
    void checkMenuSpec(const MenuSpec& menuSpec) const {
        check(menuSpec.platforms <= 7 && menuSpec.platforms != 0);
        check(menuSpec.fmMenuId <= 33);
        checkText(menuSpec.caption);
    }

    ParseCallbacks callbacks(bool appMenuSlots) {
        ParseCallbacks cb;
        cb.BeginMenuBar = [this]() -> MenuHandle {
            if (refuses(1)) {
                return 0;
            }
            bars.insert(++last);
            return last;
        };
        cb.AbortMenuBar = [this](MenuHandle bar) {
            check(bars.count(bar) == 1);
            refuses(2);
        };
        cb.AttachMenuToBar = [this](MenuHandle bar, MenuHandle menu, const MenuSpec& menuSpec) {
            check(bars.count(bar) == 1 && menus.count(menu) == 1);
            checkMenuSpec(menuSpec);
            if (refuses(3)) {
                return false;
            }
            menus.erase(menu);
            return true;
        };
        cb.BeginMenu = [this](const MenuSpec& menuSpec) -> MenuHandle {
            checkMenuSpec(menuSpec);
            if (refuses(4)) {
                return 0;
            }
            menus.insert(++last);
            return last;
        };
        cb.DiscardMenu = [this](MenuHandle menu) {
            check(menu == 0 || menus.count(menu) == 1 || appMenus.count(menu) == 1);
            menus.erase(menu);
            appMenus.erase(menu);
            refuses(5);
        };
        cb.AddItem = [this](MenuHandle parent, const ItemSpec& itemSpec) {
            check(isContainer(parent));
            check(itemSpec.platforms != 0 && itemSpec.platforms <= 7);
            check(itemSpec.kind >= ItemSpecKind::FmCommand && itemSpec.kind <= ItemSpecKind::MacPreferences);
            check(itemSpec.enabled <= 1 && itemSpec.checkOn <= 1 && itemSpec.modifiers >= 0 && itemSpec.modifiers <= 3);
            check(itemSpec.key >= -25 && itemSpec.key <= 127 && (itemSpec.key != 0 || itemSpec.modifiers == 0));
            check((itemSpec.kind == ItemSpecKind::FmCommand) == (itemSpec.commandId != 0));
            check(itemSpec.commandId <= 197);
            checkText(itemSpec.caption);
            checkText(itemSpec.userString);
            checkText(itemSpec.scriptName);
            return !refuses(6);
        };
        cb.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec& menuSpec) {
            check(isContainer(parent) && menus.count(menu) == 1 && parent != menu);
            checkMenuSpec(menuSpec);
            if (refuses(7)) {
                return false;
            }
            menus.erase(menu);
            return true;
        };
        if (appMenuSlots) {
            cb.BeginAppMenu = [this](uint32_t) -> MenuHandle {
                if (refuses(8)) {
                    return 0;
                }
                appMenus.insert(++last);
                return last;
            };
            cb.NameAppMenu = [this](MenuHandle bar, MenuHandle menu, std::string_view caption) {
                check(bars.count(bar) == 1 && appMenus.count(menu) == 1);
                checkText(caption);
                return !refuses(9);
            };
        }
        return cb;
    }
};

uint32_t lineCount(const char* text, size_t length) {
    uint32_t lines = 0;
    bool inLine = false;
    for (size_t i = 0; i < length; ++i) {
        const bool lineBreak = text[i] == '\r' || text[i] == '\n';
        if (!lineBreak && !inLine) {
            ++lines;
        }
        inLine = !lineBreak;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) {
        return 0;
    }
    const uint8_t control = data[0];
    const int kind = control & 3;
    const bool noScriptItems = (control & 4) != 0;
    const bool appMenuSlots = (control & 8) == 0;
    const uint32_t platforms = data[1];
    const char* text = reinterpret_cast<const char*>(data + 2);
    const uint32_t length = static_cast<uint32_t>(size - 2);

    Checker checker;
    checker.text = text;
    checker.length = length;
    checker.refuse = control >> 4;
    const ParseCallbacks cb = checker.callbacks(appMenuSlots);
    MenuHandle top = 0;
    uint32_t line = 0;
    uint32_t status = 0;
    if (kind == 1) {
        status = ParseContextMenuCode(cb, text, length, platforms, &top, &line);
    } else if (kind == 2) {
        status = ParsePopupMenuCode(cb, text, length, platforms, &top, &line);
    } else {
        status = ParseMenuBarCode(cb, text, length, platforms, noScriptItems, &top, &line);
    }

    static const std::set<uint32_t> kStatuses = {0, 1, 2, 3, 4, 7, 8, 10, 11, 13, 15, 16, 17, 18};
    check(kStatuses.count(status) == 1);
    check(line >= 1 && line <= lineCount(text, length) + 1);
    if (status == kParseOk) {
        check(top != 0 && top <= checker.last);
        check(kind == 1 || kind == 2 ? checker.menus.count(top) == 1 : checker.bars.count(top) == 1);
    }
    if (kind == 1 || kind == 2) {
        // Context and pop-up menus know only 0, "not a menu", missing token at
        // the keyword, other kind, and an open block after success.
        check(status == 0 || status == 1 || status == 2 || status == 8 || status == 18 || status == 7);
    }
    return 0;
}
