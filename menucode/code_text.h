// The text a writer produces: bytes appended at the end of one buffer that
// grows by doubling, so that appending a piece is a copy and a move of the
// end. Pieces of a length known when the program is compiled (keywords,
// punctuation, line ends) are copied without a call.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace tessary {

class CodeText {
public:
    // Makes room for `bytes` in all; throws std::bad_alloc.
    void reserve(size_t bytes) {
        if (bytes > capacity()) {
            grow(bytes - size());
        }
    }

    void append(std::string_view piece) {
        if (piece.size() > static_cast<size_t>(limit_ - end_)) {
            grow(piece.size());
        }
        if (!piece.empty()) {
            std::memcpy(end_, piece.data(), piece.size());
            end_ += piece.size();
        }
    }
    void append(size_t count, char c) {
        if (count > static_cast<size_t>(limit_ - end_)) {
            grow(count);
        }
        std::memset(end_, c, count);
        end_ += count;
    }
    CodeText& operator+=(std::string_view piece) {
        append(piece);
        return *this;
    }
    CodeText& operator+=(char c) {
        append(std::string_view(&c, 1));
        return *this;
    }

    size_t size() const { return static_cast<size_t>(end_ - buffer_.get()); }
    bool empty() const { return end_ == buffer_.get(); }
    std::string_view view() const { return std::string_view(buffer_.get(), size()); }
    void clear() { end_ = buffer_.get(); }

private:
    size_t capacity() const { return static_cast<size_t>(limit_ - buffer_.get()); }

    void grow(size_t more) {
        const size_t used = size();
        size_t wanted = capacity() < 256 ? 256 : 2 * capacity();
        if (wanted < used + more) {
            wanted = used + more;
        }
        auto larger = std::make_unique_for_overwrite<char[]>(wanted);
        if (used > 0) {
            std::memcpy(larger.get(), buffer_.get(), used);
        }
        buffer_ = std::move(larger);
        end_ = buffer_.get() + used;
        limit_ = buffer_.get() + wanted;
    }

    std::unique_ptr<char[]> buffer_;
    char* end_ = nullptr;
    char* limit_ = nullptr;
};

}  // namespace tessary
