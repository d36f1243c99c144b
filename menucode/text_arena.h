// Copies of texts that stay where they are for as long as the arena lives:
// the writer keeps the texts of its node objects here, and the nodes refer to
// them, so that a menu of thousands of items costs a few allocations rather
// than several per item.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace tessary {

class TextArena {
public:
    // A copy of the text; throws std::bad_alloc when no memory is left.
    std::string_view keep(std::string_view text) {
        if (text.empty()) {
            return std::string_view();
        }
        if (text.size() > size_ - used_) {
            addChunk(text.size());
        }
        char* copy = chunks_.back().get() + used_;
        std::memcpy(copy, text.data(), text.size());
        used_ += text.size();
        return std::string_view(copy, text.size());
    }

    // All the bytes kept so far.
    size_t keptBytes() const { return kept_ + used_; }

private:
    static constexpr size_t kChunk = 16 * 1024;

    void addChunk(size_t atLeast) {
        const size_t size = atLeast > kChunk ? atLeast : kChunk;
        chunks_.reserve(chunks_.size() + 1);
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        kept_ += used_;
        size_ = size;
        used_ = 0;
    }

    std::vector<std::unique_ptr<char[]>> chunks_;
    size_t size_ = 0;
    size_t used_ = 0;
    size_t kept_ = 0;
};

}  // namespace tessary
