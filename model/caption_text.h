// A node's caption as the tree keeps it: at most kMaxTextLength bytes, held
// inside the node's slot when it is short (as nearly every caption is) and on
// the heap otherwise. Loading a document makes thousands of captions at once;
// keeping them in place spares an allocation for each caption longer than a
// std::string holds in place, and a release for each when the tree goes.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#include "model/menu_item_record.h"

namespace tessary {

class CaptionText {
public:
    CaptionText() = default;
    CaptionText(const CaptionText& other) { assign(other.view()); }
    CaptionText& operator=(const CaptionText& other) {
        if (this != &other) {
            assign(other.view());
        }
        return *this;
    }
    CaptionText(CaptionText&& other) noexcept { take(other); }
    CaptionText& operator=(CaptionText&& other) noexcept {
        if (this != &other) {
            take(other);
        }
        return *this;
    }
    ~CaptionText() = default;

    // Takes the text, cut to kMaxTextLength bytes. Throws std::bad_alloc when a
    // long text finds no memory; the caption is then left as it was.
    void assign(std::string_view text) {
        if (text.size() > kMaxTextLength) {
            text = text.substr(0, kMaxTextLength);
        }
        if (text.size() <= kInline) {
            std::memmove(inline_, text.data(), text.size());  // the text may be this caption's own
            heap_.reset();
        } else {
            std::unique_ptr<char[]> copy(new char[text.size()]);
            std::memcpy(copy.get(), text.data(), text.size());
            heap_ = std::move(copy);
        }
        size_ = static_cast<uint8_t>(text.size());
    }

    void clear() {
        heap_.reset();
        size_ = 0;
    }

    std::string_view view() const { return std::string_view(heap_ ? heap_.get() : inline_, size_); }
    size_t size() const { return size_; }

private:
    static constexpr size_t kInline = 39;
    static_assert(kMaxTextLength <= UINT8_MAX, "a caption's length fits its byte");

    void take(CaptionText& other) noexcept {
        heap_ = std::move(other.heap_);
        if (!heap_) {
            std::memcpy(inline_, other.inline_, other.size_);
        }
        size_ = other.size_;
        other.size_ = 0;
    }

    std::unique_ptr<char[]> heap_;  // the text when it is longer than kInline
    char inline_[kInline];          // the text otherwise
    uint8_t size_ = 0;
};

}  // namespace tessary
