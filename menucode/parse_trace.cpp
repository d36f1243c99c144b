#include "menucode/parse_trace.h"

#include <optional>

#include "menucode/parser.h"

namespace tessary {

namespace {

void appendText(std::string& out, const std::optional<std::string_view>& text) {
    if (!text) {
        out += "none";
        return;
    }
    out += '"';
    out.append(text->data(), text->size());
    out += '"';
}

}  // namespace

std::string FormatMenuSpec(const MenuSpec& menuSpec) {
    std::string out = "platforms=" + std::to_string(menuSpec.platforms) + " caption=";
    appendText(out, menuSpec.caption);
    out += " fmMenuId=" + std::to_string(menuSpec.fmMenuId);
    return out;
}

std::string FormatItemSpec(const ItemSpec& itemSpec) {
    std::string out = "platforms=" + std::to_string(itemSpec.platforms);
    out += " kind=" + std::to_string(static_cast<int>(itemSpec.kind));
    out += " caption=";
    appendText(out, itemSpec.caption);
    out += " modifiers=" + std::to_string(itemSpec.modifiers);
    out += " key=" + std::to_string(itemSpec.key);
    out += " enabled=" + std::to_string(itemSpec.enabled);
    out += " userString=";
    appendText(out, itemSpec.userString);
    out += " target=";
    switch (itemSpec.kind) {
        case ItemSpecKind::Script:
        case ItemSpecKind::MacQuit:
        case ItemSpecKind::MacPreferences:
            appendText(out, itemSpec.scriptName);
            break;
        default:
            out += std::to_string(itemSpec.commandId);
            break;
    }
    out += " checkOn=" + std::to_string(itemSpec.checkOn);
    return out;
}

ParseTracer::ParseTracer() : ParseTracer(Options{}) {}

ParseTracer::ParseTracer(Options options) : options_(std::move(options)) {
    ParseCallbacks& cb = callbacks_;
    cb.BeginMenuBar = [this]() {
        const MenuHandle h = nextHandle("BeginMenuBar");
        lines_.push_back("BeginMenuBar -> " + std::to_string(h));
        return h;
    };
    cb.AbortMenuBar = [this](MenuHandle bar) { lines_.push_back("AbortMenuBar " + std::to_string(bar)); };
    cb.AttachMenuToBar = [this](MenuHandle bar, MenuHandle menu, const MenuSpec& menuSpec) {
        const bool ok = !refuses("AttachMenuToBar");
        lines_.push_back("AttachMenuToBar " + std::to_string(bar) + " " + std::to_string(menu) + " " +
                         FormatMenuSpec(menuSpec) + result(ok));
        return ok;
    };
    cb.BeginMenu = [this](const MenuSpec& menuSpec) {
        const MenuHandle h = nextHandle("BeginMenu");
        lines_.push_back("BeginMenu " + FormatMenuSpec(menuSpec) + " -> " + std::to_string(h));
        return h;
    };
    cb.DiscardMenu = [this](MenuHandle menu) { lines_.push_back("DiscardMenu " + std::to_string(menu)); };
    cb.AddItem = [this](MenuHandle parent, const ItemSpec& itemSpec) {
        const bool ok = !refuses("AddItem");
        lines_.push_back("AddItem " + std::to_string(parent) + " " + FormatItemSpec(itemSpec) + result(ok));
        return ok;
    };
    cb.AttachSubmenu = [this](MenuHandle parent, MenuHandle menu, const MenuSpec& menuSpec) {
        const bool ok = !refuses("AttachSubmenu");
        lines_.push_back("AttachSubmenu " + std::to_string(parent) + " " + std::to_string(menu) + " " +
                         FormatMenuSpec(menuSpec) + result(ok));
        return ok;
    };
    if (options_.appMenuSlots) {
        cb.BeginAppMenu = [this](uint32_t) {
            const MenuHandle h = nextHandle("BeginAppMenu");
            lines_.push_back("BeginAppMenu -> " + std::to_string(h));
            return h;
        };
        cb.NameAppMenu = [this](MenuHandle bar, MenuHandle menu, std::string_view caption) {
            const bool ok = !refuses("NameAppMenu");
            std::string line = "NameAppMenu " + std::to_string(bar) + " " + std::to_string(menu) + " \"";
            line.append(caption.data(), caption.size());
            lines_.push_back(line + "\"" + result(ok));
            return ok;
        };
    }
}

bool ParseTracer::refuses(std::string_view name) {
    if (options_.refuse != name) {
        return false;
    }
    for (auto& [callback, count] : calls_) {
        if (callback == name) {
            return ++count == options_.refuseAt;
        }
    }
    calls_.emplace_back(std::string(name), 1);
    return options_.refuseAt == 1;
}

MenuHandle ParseTracer::nextHandle(std::string_view name) {
    return refuses(name) ? 0 : ++lastHandle_;
}

TraceResult TraceParse(MenuKind kind,
                       const char* text,
                       uint32_t length,
                       uint32_t requestedPlatforms,
                       ParseTracer& tracer,
                       bool noScriptItems) {
    TraceResult out;
    MenuHandle top = 0;
    switch (kind) {
        case MenuKind::MainMenu:
            out.status =
                ParseMenuBarCode(tracer.callbacks(), text, length, requestedPlatforms, noScriptItems, &top, &out.line);
            break;
        case MenuKind::ContextMenu:
            out.status = ParseContextMenuCode(tracer.callbacks(), text, length, requestedPlatforms, &top, &out.line);
            break;
        case MenuKind::PopupMenu:
            out.status = ParsePopupMenuCode(tracer.callbacks(), text, length, requestedPlatforms, &top, &out.line);
            break;
    }
    out.lines = tracer.lines();
    out.lines.push_back("status " + std::to_string(out.status) + " line " + std::to_string(out.line));
    return out;
}

TraceResult TraceParse(MenuKind kind, std::string_view text, uint32_t requestedPlatforms) {
    ParseTracer tracer;
    return TraceParse(kind, text.data(), static_cast<uint32_t>(text.size()), requestedPlatforms, tracer);
}

}  // namespace tessary
