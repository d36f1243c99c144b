// The text a writer produces: bytes appended at the end of one buffer that
// grows by doubling, so that appending a piece is a copy and a move of the
// end. Pieces of a length known when the program is compiled (keywords,
// punctuation, line ends) are copied without a call, and so are the short
// texts (captions, keywords, names) that make up most of the rest.
#pragma once

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

namespace tessary {

class CodeText {
public:
    CodeText() = default;
    CodeText(const CodeText&) = delete;
    CodeText& operator=(const CodeText&) = delete;

    // Makes room for `bytes` in all; throws std::bad_alloc.
    void reserve(size_t bytes) {
        if (bytes > capacity()) {
            grow(bytes - size());
        }
    }

    void append(std::string_view piece) {
        const size_t size = piece.size();
        if (size > static_cast<size_t>(limit_ - end_)) {
            grow(size);
        }
        copyBytes(end_, piece.data(), size);
        end_ += size;
    }
    void append(size_t count, char c) {
        if (count > static_cast<size_t>(limit_ - end_)) {
            grow(count);
        }
        fillBytes(end_, limit_, c, count);
        end_ += count;
    }
    CodeText& operator+=(std::string_view piece) {
        append(piece);
        return *this;
    }
    CodeText& operator+=(char c) {
        if (end_ == limit_) {
            grow(1);
        }
        *end_++ = c;
        return *this;
    }

    // Room for `bytes` more at the end, for a CodeCursor; throws std::bad_alloc.
    char* room(size_t bytes) {
        if (bytes > static_cast<size_t>(limit_ - end_)) {
            grow(bytes);
        }
        return end_;
    }
    // The bytes up to `end`, written into the room, join the text.
    void commit(char* end) { end_ = end; }

    size_t size() const { return static_cast<size_t>(end_ - begin_); }
    bool empty() const { return end_ == begin_; }
    std::string_view view() const { return std::string_view(begin_, size()); }
    void clear() { end_ = begin_; }
    // Drops what follows the first `size` bytes.
    void keepFirst(size_t size) {
        if (size < this->size()) {
            end_ = begin_ + size;
        }
    }

    // Copies `size` bytes. Up to 32 bytes are moved as two words that may
    // overlap, which takes no call and no loop; only longer texts go to the
    // library.
    static void copyBytes(char* to, const char* from, size_t size) {
        if (size >= 8) {
            if (size <= 16) {
                copyWords<uint64_t>(to, from, size);
            } else if (size <= 32) {
                copyWords<uint64_t[2]>(to, from, size);
            } else {
                std::memcpy(to, from, size);
            }
        } else if (size >= 4) {
            copyWords<uint32_t>(to, from, size);
        } else if (size > 0) {
            // 1 to 3 bytes: first, middle and last, some of them the same byte.
            const char first = from[0];
            const char middle = from[size / 2];
            const char last = from[size - 1];
            to[0] = first;
            to[size / 2] = middle;
            to[size - 1] = last;
        }
    }
    // Fills `count` bytes at `to` with `c`. Indentation is mostly a few tabs:
    // with room for eight bytes before `limit`, one word of eight is stored
    // and the bytes beyond `count` are left to what is written next.
    static void fillBytes(char* to, const char* limit, char c, size_t count) {
        if (count <= 8 && limit - to >= 8) {
            const uint64_t word = 0x0101010101010101u * static_cast<unsigned char>(c);
            std::memcpy(to, &word, sizeof word);
        } else {
            std::memset(to, c, count);
        }
    }

private:
    // The first and the last sizeof(Word) bytes; size is from sizeof(Word) to
    // twice that.
    template <typename Word>
    static void copyWords(char* to, const char* from, size_t size) {
        char head[sizeof(Word)];
        char tail[sizeof(Word)];
        std::memcpy(head, from, sizeof head);
        std::memcpy(tail, from + size - sizeof tail, sizeof tail);
        std::memcpy(to, head, sizeof head);
        std::memcpy(to + size - sizeof tail, tail, sizeof tail);
    }

    size_t capacity() const { return static_cast<size_t>(limit_ - begin_); }

    void grow(size_t more) {
        const size_t used = size();
        size_t wanted = capacity() < 256 ? 256 : 2 * capacity();
        if (wanted < used + more) {
            wanted = used + more;
        }
        auto larger = std::make_unique_for_overwrite<char[]>(wanted);
        if (used > 0) {
            std::memcpy(larger.get(), begin_, used);
        }
        buffer_ = std::move(larger);
        begin_ = buffer_.get();
        end_ = begin_ + used;
        limit_ = begin_ + wanted;
    }

    std::unique_ptr<char[]> buffer_;
    char* begin_ = nullptr;  // buffer_.get()
    char* end_ = nullptr;
    char* limit_ = nullptr;
};

// Writes a line, or a few, at a cursor of its own into room the text makes
// for them at once, so that no piece checks the room or moves the text's end;
// what was written joins the text when the cursor goes. The room asked for
// must hold everything written (checked piece by piece where assertions are
// on).
class CodeCursor {
public:
    // Throws std::bad_alloc.
    CodeCursor(CodeText& text, size_t room)
        : text_(text), at_(text.room(room + kSlack)), limit_(at_ + room), slackEnd_(limit_ + kSlack) {}
    CodeCursor(const CodeCursor&) = delete;
    CodeCursor& operator=(const CodeCursor&) = delete;
    ~CodeCursor() { text_.commit(at_); }

    void append(std::string_view piece) {
        assert(piece.size() <= static_cast<size_t>(limit_ - at_));
        CodeText::copyBytes(at_, piece.data(), piece.size());
        at_ += piece.size();
    }
    void append(size_t count, char c) {
        assert(count <= static_cast<size_t>(limit_ - at_));
        CodeText::fillBytes(at_, slackEnd_, c, count);
        at_ += count;
    }
    CodeCursor& operator+=(std::string_view piece) {
        append(piece);
        return *this;
    }
    CodeCursor& operator+=(char c) {
        assert(at_ < limit_);
        *at_++ = c;
        return *this;
    }

private:
    // Made beyond the room asked for, so that a short run of tabs can be
    // stored as one word.
    static constexpr size_t kSlack = 8;

    CodeText& text_;
    char* at_;
    char* limit_;
    char* slackEnd_;
};

}  // namespace tessary
