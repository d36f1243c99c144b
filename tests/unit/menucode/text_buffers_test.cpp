// The small buffers of the writer and the parser: the growing text a writer
// appends to and the cursors that write lines into it, the arena of its nodes
// and texts, and the eight-bytes-at-a-time search, each against the plain way
// of doing the same.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "menucode/byte_scan.h"
#include "menucode/code_text.h"
#include "menucode/writer_arena.h"

namespace tessary {
namespace {

TEST(CodeText, AppendsLikeAString) {
    std::mt19937 random(7);
    CodeText text;
    std::string expected;
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(text.view(), "");
    text.append(std::string_view());
    text.append(0, 'x');
    EXPECT_TRUE(text.empty());
    for (int i = 0; i < 5000; ++i) {
        const int length = std::uniform_int_distribution<int>(0, i % 100 == 0 ? 3000 : 40)(random);
        const std::string piece(static_cast<size_t>(length), static_cast<char>('a' + i % 26));
        switch (i % 3) {
            case 0:
                text += piece;
                expected += piece;
                break;
            case 1:
                text.append(static_cast<size_t>(length), '\t');
                expected.append(static_cast<size_t>(length), '\t');
                break;
            default:
                text += static_cast<char>('0' + i % 10);
                expected += static_cast<char>('0' + i % 10);
                break;
        }
        ASSERT_EQ(text.size(), expected.size());
    }
    EXPECT_EQ(text.view(), expected);
    text.clear();
    EXPECT_TRUE(text.empty());
    text += "again";
    EXPECT_EQ(text.view(), "again");
}

TEST(CodeText, RoomMadeAheadKeepsTheText) {
    CodeText text;
    text += "head";
    text.reserve(100000);
    EXPECT_EQ(text.view(), "head");
    text.reserve(2);  // less than it holds: nothing changes
    std::string expected = "head";
    for (int i = 0; i < 10000; ++i) {
        text += "0123456789";
        expected += "0123456789";
    }
    EXPECT_EQ(text.view(), expected);
}

TEST(CodeText, KeepFirstDropsOnlyWhatFollows) {
    CodeText text;
    text += "FM_MENU ( \"File\" )";
    text.keepFirst(7);
    EXPECT_EQ(text.view(), "FM_MENU");
    text.keepFirst(100);  // more than it holds: nothing changes
    EXPECT_EQ(text.view(), "FM_MENU");
    text += '!';
    EXPECT_EQ(text.view(), "FM_MENU!");
}

// Runs of one character filled in place, with every amount of room left
// behind them: a short run may be stored as a word only where the room
// allows it, and the bytes beyond the run never show.
TEST(CodeText, RunsFitTheRoomLeft) {
    for (size_t left = 0; left <= 12; ++left) {
        for (size_t count = 0; count <= 12; ++count) {
            CodeText text;
            text.reserve(300);
            const std::string head(300 - left, 'h');
            text += head;
            text.append(count, '\t');
            text += "|";
            EXPECT_EQ(text.view(), head + std::string(count, '\t') + "|") << left << " " << count;
        }
    }
}

// Lines written at cursors, with room made for exactly what each one writes,
// come out as the same pieces appended one by one.
TEST(CodeCursor, WritesWhatAppendingWould) {
    std::mt19937 random(5);
    CodeText text;
    std::string expected;
    for (int line = 0; line < 3000; ++line) {
        std::vector<std::string> pieces;
        size_t room = 0;
        const int count = std::uniform_int_distribution<int>(0, 6)(random);
        for (int i = 0; i < count; ++i) {
            const int length = std::uniform_int_distribution<int>(0, line % 50 == 0 ? 300 : 40)(random);
            pieces.push_back(std::string(static_cast<size_t>(length), static_cast<char>('a' + (line + i) % 26)));
            room += pieces.back().size();
        }
        const size_t tabs = static_cast<size_t>(std::uniform_int_distribution<int>(0, 12)(random));
        {
            CodeCursor cursor(text, tabs + room + 1);
            cursor.append(tabs, '\t');
            for (const std::string& piece : pieces) {
                cursor += piece;
            }
            cursor += '\n';
        }
        expected.append(tabs, '\t');
        for (const std::string& piece : pieces) {
            expected += piece;
        }
        expected += '\n';
        if (line % 7 == 0) {
            text += "direct";
            expected += "direct";
        }
        ASSERT_EQ(text.size(), expected.size()) << line;
    }
    EXPECT_EQ(text.view(), expected);
}

struct alignas(16) Aligned {
    explicit Aligned(int v) : value(v) {}
    int value;
};

TEST(WriterArena, KeepsTextsAndObjectsInPlace) {
    WriterArena arena;
    std::vector<std::string> originals;
    std::vector<std::string_view> kept;
    std::vector<Aligned*> objects;
    for (int i = 0; i < 3000; ++i) {
        // Now and then a text larger than a chunk.
        originals.push_back(
            std::string(static_cast<size_t>(i % 500 == 0 ? 70000 : i % 37), static_cast<char>('A' + i % 26)));
        kept.push_back(arena.keep(originals.back()));
        objects.push_back(arena.make<Aligned>(i));
    }
    size_t bytes = 0;
    for (int i = 0; i < 3000; ++i) {
        EXPECT_EQ(kept[i], originals[i]) << i;
        EXPECT_TRUE(kept[i].empty() || kept[i].data() != originals[i].data()) << "a copy";
        EXPECT_EQ(objects[i]->value, i);
        EXPECT_EQ(reinterpret_cast<uintptr_t>(objects[i]) % alignof(Aligned), 0u) << i;
        bytes += originals[i].size();
    }
    EXPECT_EQ(arena.textBytes(), bytes);
    EXPECT_EQ(arena.keep(std::string_view()), std::string_view());
}

// The plain search findFirst must agree with.
uint32_t firstPlainly(const std::string& text, uint32_t at, uint32_t stop, const std::string& wanted) {
    while (at < stop && wanted.find(text[at]) == std::string::npos) {
        ++at;
    }
    return at;
}

TEST(ByteScan, FindsTheFirstWantedByteAsAPlainSearchDoes) {
    std::mt19937 random(11);
    const std::string alphabet = "\t\n\r \",()+{}#AZaz\x80\xFF\x7F_";
    for (int run = 0; run < 400; ++run) {
        std::string text(static_cast<size_t>(std::uniform_int_distribution<int>(0, 70)(random)), ' ');
        for (char& c : text) {
            c = run % 4 == 0 ? static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random))
                             : alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        }
        const std::vector<std::string> wantedSets = {"\"", ",)", " \t\r\n", std::string(1, '\0'), "\xFF\x80"};
        for (const std::string& wanted : wantedSets) {
            auto lanes = [&wanted](uint64_t word) {
                uint64_t found = 0;
                for (char c : wanted) {
                    found |= byte_scan::lanesEqual(word, static_cast<unsigned char>(c));
                }
                return found;
            };
            auto isWanted = [&wanted](unsigned char c) {
                return wanted.find(static_cast<char>(c)) != std::string::npos;
            };
            unsigned char values[8] = {};
            for (size_t i = 0; i < wanted.size(); ++i) {
                values[i] = static_cast<unsigned char>(wanted[i]);
            }
            const int count = static_cast<int>(wanted.size());
            auto mask16 = [&](const char* here) { return byte_scan::maskOfBytes16(here, values, count); };
            // The bytes outside the set, as skipping blanks looks for them.
            auto otherLanes = [&lanes](uint64_t word) { return ~lanes(word) & ~byte_scan::kLow7; };
            auto otherMask16 = [&](const char* here) { return ~mask16(here) & 0xFFFFu; };
            auto isOther = [&isWanted](unsigned char c) { return !isWanted(c); };
            for (uint32_t at = 0; at <= text.size(); ++at) {
                for (uint32_t stop = at; stop <= text.size(); stop += 1 + stop % 5) {
                    const uint32_t expected = firstPlainly(text, at, stop, wanted);
                    ASSERT_EQ(byte_scan::findFirst(text.data(), at, stop, lanes, isWanted), expected)
                        << "run " << run << " at " << at << " stop " << stop;
                    ASSERT_EQ(byte_scan::findFirst(text.data(), at, stop, mask16, lanes, isWanted), expected)
                        << "sixteen at a time: run " << run << " at " << at << " stop " << stop;
                    uint32_t other = at;
                    while (other < stop && isWanted(static_cast<unsigned char>(text[other]))) {
                        ++other;
                    }
                    ASSERT_EQ(byte_scan::findFirst(text.data(), at, stop, otherMask16, otherLanes, isOther), other)
                        << "others: run " << run << " at " << at << " stop " << stop;
                }
            }
        }
    }
}

TEST(ByteScan, LanesEqualMarksExactlyTheEqualBytes) {
    for (int value = 0; value < 256; ++value) {
        for (int other = 0; other < 256; other += 3) {
            uint64_t word = 0;
            for (int lane = 0; lane < 8; ++lane) {
                word |= static_cast<uint64_t>(lane % 2 == 0 ? value : other) << (8 * lane);
            }
            const uint64_t lanes = byte_scan::lanesEqual(word, static_cast<unsigned char>(value));
            for (int lane = 0; lane < 8; ++lane) {
                const bool equal = (lane % 2 == 0) || other == value;
                EXPECT_EQ(((lanes >> (8 * lane + 7)) & 1) != 0, equal) << value << " " << other << " " << lane;
                EXPECT_EQ((lanes >> (8 * lane)) & 0x7F, 0u);
            }
        }
    }
}

}  // namespace
}  // namespace tessary
