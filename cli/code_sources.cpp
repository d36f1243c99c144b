#include "cli/code_sources.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "editor/code_text.h"
#include "menucode/code_loader.h"
#include "menucode/parse_types.h"
#include "menucode/parser.h"

namespace tessary::cli {

namespace {

constexpr size_t kNoOffset = static_cast<size_t>(-1);

class SourceReader {
public:
    SourceReader(std::string_view text, MenuKind kind, const LineIndex& lines) : text_(text), lines_(lines) {
        callbacks_.BeginMenuBar = [] { return MenuHandle{1}; };
        callbacks_.AbortMenuBar = [](MenuHandle) {};
        callbacks_.AttachMenuToBar = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
        callbacks_.DiscardMenu = [](MenuHandle) {};
        callbacks_.AttachSubmenu = [](MenuHandle, MenuHandle, const MenuSpec&) { return true; };
        callbacks_.BeginMenu = [this, kind](const MenuSpec& spec) {
            // The loader makes no node for a context or pop-up menu itself.
            if (kind != MenuKind::MainMenu && !sawTopMenu_) {
                sawTopMenu_ = true;
                return MenuHandle{1};
            }
            noteLong(spec.caption, "caption");
            note(NodeKind::Menu, spec.platforms, spec.offset);
            return MenuHandle{1};
        };
        callbacks_.AddItem = [this](MenuHandle, const ItemSpec& spec) {
            noteLong(spec.caption, "caption");
            noteLong(spec.scriptName, "script name");
            noteLong(spec.userString, "user string");
            note(nodeKindOf(spec.kind), spec.platforms, spec.offset);
            return true;
        };
        callbacks_.BeginAppMenu = [this](uint32_t offset) {
            note(NodeKind::AppMenu, kPlatformMac, offset);
            return MenuHandle{1};
        };
        callbacks_.NameAppMenu = [this](MenuHandle, MenuHandle, std::string_view caption) {
            noteLong(caption, "caption");
            return true;
        };
    }

    const ParseCallbacks& callbacks() const { return callbacks_; }
    CodeSources take() { return std::move(sources_); }

private:
    void note(NodeKind kind, uint32_t platforms, uint32_t keywordOffset) {
        sources_.nodes.push_back({kind, lines_.lineOf(keywordOffset), static_cast<PlatformMask>(platforms)});
    }

    // Where a text handed to a callback stands in the code; kNoOffset for none.
    size_t offsetOf(std::optional<std::string_view> view) const {
        if (!view || view->data() == nullptr) {
            return kNoOffset;
        }
        const auto at = reinterpret_cast<uintptr_t>(view->data());
        const auto begin = reinterpret_cast<uintptr_t>(text_.data());
        return at >= begin && at <= begin + text_.size() ? static_cast<size_t>(at - begin) : kNoOffset;
    }

    void noteLong(std::optional<std::string_view> view, const char* what) {
        if (view && view->size() > kMaxTextLength) {
            const size_t offset = offsetOf(view);
            sources_.longTexts.push_back({offset == kNoOffset ? 1 : lines_.lineOf(offset), what, view->size()});
        }
    }

    std::string_view text_;
    const LineIndex& lines_;
    ParseCallbacks callbacks_;
    CodeSources sources_;
    bool sawTopMenu_ = false;
};

}  // namespace

LineIndex::LineIndex(std::string_view text) : text_(text) {
    starts_.push_back(0);
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n'))) {
            starts_.push_back(at + 1);
        }
    }
}

int LineIndex::lineOf(size_t offset) const {
    return static_cast<int>(std::upper_bound(starts_.begin(), starts_.end(), offset) - starts_.begin());
}

int LineIndex::lineOfEditorLine(int editorLine) const {
    return lineOf(errorLineSpan(text_, editorLine).start);
}

CodeSources readCodeSources(std::string_view text, MenuKind kind, const LineIndex& lines) {
    SourceReader reader(text, kind, lines);
    parseMenuCode(reader.callbacks(), text, kind, kPlatformAll);
    return reader.take();
}

}  // namespace tessary::cli
