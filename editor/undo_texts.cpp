#include "editor/undo_texts.h"

namespace tessary {
namespace {

constexpr size_t kShownCaption = 32;

// The node as a label names it: "Separator" for a separator, else its caption
// in quotation marks.
std::string nodeName(NodeKind kind, std::string_view caption) {
    if (kind == NodeKind::Separator) {
        return "Separator";
    }
    std::string name = "\"";
    for (unsigned char c : caption.substr(0, kShownCaption)) {
        name += c < 0x20 ? ' ' : static_cast<char>(c);
    }
    return name + (caption.size() > kShownCaption ? "...\"" : "\"");
}

const char* addedKind(NodeKind kind) {
    switch (kind) {
        case NodeKind::AppMenu:
        case NodeKind::Menu:
            return "Add Menu";
        case NodeKind::FmItem:
            return "Add FileMaker Item";
        case NodeKind::Separator:
            return "Add";  // "Add Separator"
        default:
            return "Add Script";
    }
}

std::string itemText(const char* command, std::string_view label, const char* key) {
    std::string text = command;
    if (!label.empty()) {
        text += ' ';
        for (char c : label) {
            text += c;
            if (c == '&') {
                text += '&';
            }
        }
    }
    return text + "\t" + key;
}

}  // namespace

std::string changeLabel(ChangeKind change, NodeKind kind, std::string_view caption) {
    const std::string node = nodeName(kind, caption);
    switch (change) {
        case ChangeKind::Add:
            return std::string(addedKind(kind)) + " " + node;
        case ChangeKind::Properties:
            return "Properties of " + node;
        case ChangeKind::Delete:
            return "Delete " + node;
        case ChangeKind::MoveUp:
            return "Move Up " + node;
        case ChangeKind::MoveDown:
            return "Move Down " + node;
        case ChangeKind::Paste:
            return "Paste";
        case ChangeKind::Drop:
            return "Drop " + node;
        case ChangeKind::Rename:
            return "Rename " + node;
        case ChangeKind::CodeEdit:
            return "Menu Code Edit";
    }
    return {};
}

std::string undoItemText(std::string_view label) {
    return itemText("&Undo", label, "Ctrl+Z");
}

std::string redoItemText(std::string_view label) {
    return itemText("&Redo", label, "Ctrl+Y");
}

std::string undoHint(std::string_view label) {
    return label.empty() ? std::string() : "Undoes the last change: " + std::string(label);
}

std::string redoHint(std::string_view label) {
    return label.empty() ? std::string() : "Redoes the change undone last: " + std::string(label);
}

}  // namespace tessary
