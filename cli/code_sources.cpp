#include "cli/code_sources.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "editor/code_text.h"
#include "editor/preview_menu.h"
#include "menucode/code_loader.h"
#include "menucode/parse_types.h"
#include "model/lexicon.h"

namespace tessary::cli {

namespace {

constexpr size_t kNoOffset = static_cast<size_t>(-1);

// A node keyword found in the text.
struct Keyword {
    size_t offset;
    NodeKind kind;
};

bool isWordByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

NodeKind nodeKindOf(TokenClass tokenClass) {
    switch (tokenClass) {
        case TokenClass::SeparatorItem:
            return NodeKind::Separator;
        case TokenClass::ScriptItem:
            return NodeKind::ScriptItem;
        case TokenClass::MacPreferencesItem:
            return NodeKind::MacPreferencesItem;
        case TokenClass::MacQuitItem:
            return NodeKind::MacQuitItem;
        case TokenClass::AppMenu:
            return NodeKind::AppMenu;
        case TokenClass::CommandItem:
            return NodeKind::FmItem;
        case TokenClass::Menu:
            return NodeKind::Menu;
        default:
            return NodeKind::None;
    }
}

// Every keyword that makes a node, with its position, in text order: a
// keyword of the lexicon at the start of a word, outside quoted texts, and
// followed by its opening parenthesis (which tells FM_MENU from the menu
// keywords that begin with it). Quoted texts pair up from the start, as the
// parser reads them.
std::vector<Keyword> findNodeKeywords(std::string_view text) {
    struct Candidate {
        std::string_view text;
        NodeKind kind;
    };
    std::vector<Candidate> candidates;
    for (int i = 0; i < kKeywordCount; ++i) {
        const KeywordEntry& entry = KeywordAt(i);
        if (const NodeKind kind = nodeKindOf(entry.tokenClass); kind != NodeKind::None) {
            candidates.push_back({std::string_view(entry.text, entry.length), kind});
        }
    }
    std::vector<Keyword> keywords;
    size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (c == '"') {
            const size_t close = text.find('"', at + 1);
            at = close == std::string_view::npos ? at + 1 : close + 1;
            continue;
        }
        bool found = false;
        if (c == 'F' && (at == 0 || !isWordByte(text[at - 1]))) {
            for (const Candidate& candidate : candidates) {
                if (text.substr(at, candidate.text.size()) != candidate.text) {
                    continue;
                }
                size_t after = at + candidate.text.size();
                while (after < text.size() && isSpace(text[after])) {
                    ++after;
                }
                if (after < text.size() && text[after] == '(') {
                    keywords.push_back({at, candidate.kind});
                    at += candidate.text.size();
                    found = true;
                    break;
                }
            }
        }
        if (!found) {
            ++at;
        }
    }
    return keywords;
}

// The callbacks' view of the nodes: kind, platform block and the offset of a
// text the code gives for the node (the first of caption, script name and
// user string), which tells its keyword apart from others of its kind.
struct ReadNode {
    NodeKind kind;
    PlatformMask platforms;
    size_t anchor;
};

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
            nodes_.push_back({NodeKind::Menu, static_cast<PlatformMask>(spec.platforms), offsetOf(spec.caption)});
            return MenuHandle{1};
        };
        callbacks_.AddItem = [this](MenuHandle, const ItemSpec& spec) {
            noteLong(spec.caption, "caption");
            noteLong(spec.scriptName, "script name");
            noteLong(spec.userString, "user string");
            size_t anchor = offsetOf(spec.caption);
            if (anchor == kNoOffset) {
                anchor = std::min(offsetOf(spec.scriptName), offsetOf(spec.userString));
            }
            nodes_.push_back({nodeKindOf(spec.kind), static_cast<PlatformMask>(spec.platforms), anchor});
            return true;
        };
        callbacks_.BeginAppMenu = [this] {
            appMenu_ = nodes_.size();
            nodes_.push_back({NodeKind::AppMenu, kPlatformMac, kNoOffset});
            return MenuHandle{1};
        };
        callbacks_.NameAppMenu = [this](MenuHandle, MenuHandle, std::string_view caption) {
            noteLong(caption, "caption");
            if (appMenu_ < nodes_.size()) {
                nodes_[appMenu_].anchor = offsetOf(caption);
            }
            return true;
        };
    }

    const ParseCallbacks& callbacks() const { return callbacks_; }
    const std::vector<ReadNode>& nodes() const { return nodes_; }
    std::vector<LongText> takeLongTexts() { return std::move(longTexts_); }

private:
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
            longTexts_.push_back({offset == kNoOffset ? 1 : lines_.lineOf(offset), what, view->size()});
        }
    }

    std::string_view text_;
    const LineIndex& lines_;
    ParseCallbacks callbacks_;
    std::vector<ReadNode> nodes_;
    std::vector<LongText> longTexts_;
    size_t appMenu_ = kNoOffset;
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
    const std::vector<Keyword> keywords = findNodeKeywords(text);

    // Each node takes the next keyword of its kind; one whose text lies
    // further on takes the last keyword before that text. A keyword left
    // without a node is one the parser read past (a construct of the
    // application menu that failed and was skipped).
    CodeSources sources;
    sources.longTexts = reader.takeLongTexts();
    size_t next = 0;
    int line = 1;
    for (const ReadNode& node : reader.nodes()) {
        size_t k = next;
        while (k < keywords.size() &&
               (keywords[k].kind != node.kind ||
                (node.anchor != kNoOffset && k + 1 < keywords.size() && keywords[k + 1].offset < node.anchor))) {
            ++k;
        }
        if (k < keywords.size() && (node.anchor == kNoOffset || keywords[k].offset < node.anchor)) {
            line = lines.lineOf(keywords[k].offset);
            next = k + 1;
        } else if (node.anchor != kNoOffset) {
            line = lines.lineOf(node.anchor);
        }
        sources.nodes.push_back({node.kind, line, node.platforms});
    }
    return sources;
}

}  // namespace tessary::cli
