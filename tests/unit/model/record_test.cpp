// MenuItemRecord: zero-filled creation, the 249-character texts and byte-exact
// copies, through the tree's accessors.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/menu_tree.h"
#include "model/tree_test_support.h"

namespace tessary {
namespace {

MenuItemRecord zeroRecord() {
    MenuItemRecord record;
    std::memset(&record, 0xA5, sizeof record);  // dirty first, so clearRecord must do the work
    clearRecord(record);
    return record;
}

// Leaves the stack below the caller full of set bytes, so that a record built
// on the stack without being cleared shows garbage.
[[gnu::noinline]] void dirtyStack() {
    volatile unsigned char junk[16384];
    for (size_t i = 0; i < sizeof junk; ++i) {
        junk[i] = 0xA5;
    }
}

TEST(RecordTest, NewRecordIsZeroExceptTheGivenValues) {
    MenuTree tree;
    // Leave freed records with every byte set behind, so that a record that is
    // not cleared on creation shows garbage.
    for (int i = 0; i < 64; ++i) {
        const NodeHandle n =
            tree.insertNode(kRootNode, kLastPosition, "dirty", NodeKind::ScriptItem, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFF,
                            0xFF, 0xFF, std::string(249, 'x'), std::string(249, 'y'));
        ASSERT_NE(n, kNoNode);
    }
    tree.clearTree();

    struct Case {
        NodeKind kind;
        PlatformMask platforms;
        uint16_t shortcut;
        uint32_t fmId;
        uint8_t useLocalCaption, enabled, checkOn;
        const char* scriptName;
        const char* userString;
    };
    const Case cases[] = {
        {NodeKind::Menu, 7, 0, 0, 0, 1, 0, "", ""},
        {NodeKind::FmItem, 1, 0x0253, 4, 1, 1, 0, "", "user"},
        {NodeKind::ScriptItem, 6, 0x0441, 0, 0, 0, 1, "Run Report", ""},
        {NodeKind::MacQuitItem, 4, 0, 0, 0, 1, 0, "Quit Script", ""},
        {NodeKind::Separator, 0, 0, 0, 0, 0, 0, "", ""},
    };
    for (const Case& c : cases) {
        dirtyStack();
        const NodeHandle node = tree.insertNode(kRootNode, kLastPosition, "n", c.kind, c.platforms, c.shortcut, c.fmId,
                                                c.useLocalCaption, c.enabled, c.checkOn, c.scriptName, c.userString);
        ASSERT_NE(node, kNoNode);
        MenuItemRecord expected = zeroRecord();
        std::strcpy(expected.scriptName, c.scriptName);
        std::strcpy(expected.userString, c.userString);
        expected.fmId = c.fmId;
        expected.platforms = c.platforms;
        expected.shortcut = c.shortcut;
        expected.enabled = c.enabled;
        expected.checkOn = c.checkOn;
        expected.useLocalCaption = c.useLocalCaption;
        const MenuItemRecord* record = tree.getRecord(node);
        ASSERT_NE(record, nullptr);
        EXPECT_TRUE(recordsEqual(*record, expected)) << nodeKindName(c.kind);
    }
}

TEST(RecordTest, InsertCutsTextsTo249Characters) {
    MenuTree tree;
    const std::string longText(300, 'a');
    const NodeHandle node =
        tree.insertNode(kNoNode, kNoNode, longText, NodeKind::ScriptItem, 7, 0, 0, 0, 1, 0, longText, longText);
    ASSERT_NE(node, kNoNode);
    EXPECT_EQ(tree.caption(node), std::string(249, 'a'));
    const MenuItemRecord* record = tree.getRecord(node);
    EXPECT_EQ(recordText(record->scriptName), std::string(249, 'a'));
    EXPECT_EQ(recordText(record->userString), std::string(249, 'a'));
    EXPECT_EQ(record->scriptName[249], '\0');
    EXPECT_EQ(record->userString[249], '\0');
}

TEST(RecordTest, TextSettersRefuseMoreThan249Characters) {
    MenuTree tree;
    const NodeHandle node = addNode(
        tree, kRootNode, {.caption = "n", .kind = NodeKind::ScriptItem, .scriptName = "old", .userString = "u"});
    EXPECT_FALSE(tree.setScriptName(node, std::string(250, 's')));
    EXPECT_FALSE(tree.setUserString(node, std::string(250, 'u')));
    EXPECT_EQ(recordText(tree.getRecord(node)->scriptName), "old");
    EXPECT_EQ(recordText(tree.getRecord(node)->userString), "u");

    EXPECT_TRUE(tree.setScriptName(node, std::string(249, 's')));
    EXPECT_TRUE(tree.setUserString(node, std::string(249, 'u')));
    EXPECT_EQ(recordText(tree.getRecord(node)->scriptName), std::string(249, 's'));

    // A shorter text leaves no trace of the longer one: the record equals a fresh one.
    EXPECT_TRUE(tree.setScriptName(node, "old"));
    EXPECT_TRUE(tree.setUserString(node, "u"));
    const NodeHandle fresh = addNode(
        tree, kRootNode, {.caption = "n", .kind = NodeKind::ScriptItem, .scriptName = "old", .userString = "u"});
    EXPECT_TRUE(recordsEqual(*tree.getRecord(node), *tree.getRecord(fresh)));
}

TEST(RecordTest, TextGettersCopyAtMostCapacityWithoutOwnTerminator) {
    MenuTree tree;
    const NodeHandle node =
        addNode(tree, kRootNode,
                {.caption = "Caption", .kind = NodeKind::ScriptItem, .scriptName = "Script", .userString = "User"});
    struct Case {
        size_t capacity;
        const char* expected;  // what the first capacity bytes hold
    };
    const Case cases[] = {{3, "Scr"}, {6, "Script"}, {7, "Script"}, {10, "Script"}};
    for (const Case& c : cases) {
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        ASSERT_TRUE(tree.getScriptName(node, buffer, c.capacity));
        EXPECT_EQ(std::string(buffer, std::strlen(c.expected)), c.expected) << c.capacity;
        for (size_t i = std::strlen(c.expected); i < c.capacity; ++i) {
            EXPECT_EQ(buffer[i], '\0') << "capacity " << c.capacity << " byte " << i;
        }
        EXPECT_EQ(buffer[c.capacity], '#') << "wrote past the capacity " << c.capacity;
    }

    char caption[5];
    std::memset(caption, '#', sizeof caption);
    ASSERT_TRUE(tree.getCaption(node, caption, sizeof caption));
    EXPECT_STREQ(caption, "Capt");  // cut to capacity - 1, terminated

    char user[250] = {};
    ASSERT_TRUE(tree.getUserString(node, user, sizeof user));
    EXPECT_STREQ(user, "User");
}

TEST(RecordTest, CopiesAreByteForByteWithinAndBetweenTrees) {
    MenuTree source;
    const NodeHandle menu =
        addNode(source, kRootNode,
                {.caption = "Menu", .kind = NodeKind::Menu, .platforms = 3, .fmId = 7, .useLocalCaption = 1});
    const NodeHandle item = addNode(source, menu,
                                    {.caption = "Item",
                                     .kind = NodeKind::ScriptItem,
                                     .platforms = 1,
                                     .shortcut = 0x0253,
                                     .enabled = 0,
                                     .checkOn = 1,
                                     .scriptName = "Script Name",
                                     .userString = "User String"});
    const NodeHandle command = addNode(source, menu,
                                       {.caption = "Cmd",
                                        .kind = NodeKind::FmItem,
                                        .platforms = 2,
                                        .shortcut = 0x0641,
                                        .fmId = 123,
                                        .useLocalCaption = 1,
                                        .userString = "cmd string"});
    // Bytes behind the terminators must travel too.
    MenuItemRecord raw = *source.getRecord(item);
    std::memset(raw.scriptName + 20, 'z', 10);
    std::memset(reinterpret_cast<unsigned char*>(&raw) + sizeof raw - 1, 0x5A, 1);  // the padding byte
    const NodeHandle rawItem = source.insertNode(menu, Position::Last, "Raw", NodeKind::ScriptItem, raw);
    ASSERT_TRUE(recordsEqual(*source.getRecord(rawItem), raw));

    MenuTree other;
    for (MenuTree* target : {&source, &other}) {
        const NodeHandle copy = target->copySubtree(source, menu, kRootNode, kLastPosition);
        ASSERT_NE(copy, kNoNode);
        NodeHandle from = source.firstChild(menu);
        NodeHandle to = target->firstChild(copy);
        EXPECT_TRUE(recordsEqual(*source.getRecord(menu), *target->getRecord(copy)));
        for (NodeHandle expected : {item, command, rawItem}) {
            ASSERT_EQ(from, expected);
            ASSERT_NE(to, kNoNode);
            EXPECT_TRUE(recordsEqual(*source.getRecord(from), *target->getRecord(to))) << source.caption(from);
            EXPECT_NE(source.getRecord(from), target->getRecord(to)) << "a copy must own its record";
            from = source.nextSibling(from);
            to = target->nextSibling(to);
        }
        EXPECT_EQ(to, kNoNode);
    }
}

TEST(RecordTest, RecordTextNeverReadsPastTheField) {
    MenuItemRecord record = zeroRecord();
    std::memset(record.scriptName, 'q', sizeof record.scriptName);  // no terminator at all
    EXPECT_EQ(recordText(record.scriptName).size(), kMaxTextLength);
}

}  // namespace
}  // namespace tessary
