#include "editor/filemaker_link_rules.h"

#include <cstring>

namespace tessary {
namespace {

// Lower case of a Windows ANSI (code page 1252) letter; other bytes stay.
unsigned char lowerAnsi(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
        case 0x8A:  // S caron
        case 0x8C:  // OE
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(c + 0x10);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return c;
    }
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAnsi(static_cast<unsigned char>(a[i])) != lowerAnsi(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

void PluginAnswer::clear() {
    text_.clear();
    position_ = 0;
}

void PluginAnswer::take(std::string_view written) {
    clear();
    written = written.substr(0, kPluginAnswerSize - 1);
    written = written.substr(0, written.find('\0'));
    if (written.size() == kPluginAnswerSize - 1) {
        const size_t lastFeed = written.rfind('\n');
        written = written.substr(0, lastFeed == std::string_view::npos ? 0 : lastFeed + 1);
    }
    text_ = written;
}

size_t PluginAnswer::nextName(char* buffer, size_t capacity) {
    while (position_ < text_.size()) {
        size_t end = text_.find('\n', position_);
        if (end == std::string::npos) {
            end = text_.size();
        }
        const size_t length = end - position_;
        const size_t start = position_;
        position_ = end + 1;
        if (length > 0 && length < capacity) {
            std::memcpy(buffer, text_.data() + start, length);
            buffer[length] = '\0';
            return length;
        }
    }
    return 0;
}

bool isFileMakerAppClass(std::string_view className) {
    return className.size() >= 9 && equalIgnoringCase(className.substr(0, 5), "fmpro") && className[5] >= '0' &&
           className[5] <= '9' && equalIgnoringCase(className.substr(6, 3), "app");
}

bool documentTitleMatches(std::string_view title, std::string_view wantedName) {
    return !title.empty() && title.size() <= wantedName.size() &&
           equalIgnoringCase(title, wantedName.substr(0, title.size()));
}

std::string documentNameOfPath(std::string_view path) {
    const size_t slash = path.rfind('\\');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    return std::string(name.substr(0, name.size() > 4 ? name.size() - 4 : 0));
}

}  // namespace tessary
