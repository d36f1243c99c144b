// Where a writer keeps its menu objects, and any copies of texts it needs: in
// a few large chunks that never move, given back all at once when the writer
// goes. A document of thousands of menus then costs a few allocations rather
// than one per menu. The objects own nothing, so nothing has to be done for
// each of them when the chunks go.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace tessary {

class WriterArena {
public:
    WriterArena() = default;
    WriterArena(const WriterArena&) = delete;
    WriterArena& operator=(const WriterArena&) = delete;

    // A copy of the text; throws std::bad_alloc when no memory is left.
    std::string_view keep(std::string_view text) {
        if (text.empty()) {
            return std::string_view();
        }
        char* copy = static_cast<char*>(allocate(text.size(), 1));
        std::memcpy(copy, text.data(), text.size());
        textBytes_ += text.size();
        return std::string_view(copy, text.size());
    }

    // An object made in the arena; it is never destroyed, only its memory
    // given back, so it must own nothing. Throws std::bad_alloc.
    template <typename T, typename... Args>
    T* make(Args&&... args) {
        void* place = allocate(sizeof(T), alignof(T));
        return new (place) T(std::forward<Args>(args)...);
    }

    // The bytes of all texts kept so far.
    size_t textBytes() const { return textBytes_; }

private:
    static constexpr size_t kChunk = 32 * 1024;

    void* allocate(size_t size, size_t alignment) {
        size_t at = (used_ + alignment - 1) & ~(alignment - 1);
        if (chunks_.empty() || at + size > size_) {
            addChunk(size + alignment);
            at = (used_ + alignment - 1) & ~(alignment - 1);
        }
        used_ = at + size;
        return chunks_.back().get() + at;
    }

    void addChunk(size_t atLeast) {
        const size_t size = atLeast > kChunk ? atLeast : kChunk;
        chunks_.reserve(chunks_.size() + 1);
        // new[] of char gives memory aligned for any object of ordinary alignment.
        chunks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        size_ = size;
        used_ = 0;
    }

    std::vector<std::unique_ptr<char[]>> chunks_;
    size_t size_ = 0;
    size_t used_ = 0;
    size_t textBytes_ = 0;
};

}  // namespace tessary
