// The ready-made menu files that ship beside the program (content/Templates):
// each loads as a main menu and is exactly what our writer writes back, and
// the standard FileMaker menus are named and moded as the chooser and the
// wizard list them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"

namespace tessary {
namespace {

namespace fs = std::filesystem;

const fs::path kTemplates = fs::path(TESSARY_SOURCE_DIR) / "content" / "Templates";
const fs::path kStandardMenus = kTemplates / "FileMaker Menus";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Menus and FileMaker commands of a node's subtree that show a caption of their
// own instead of FileMaker's local one.
void collectOwnCaptions(const MenuTree& tree, NodeHandle node, std::vector<std::string>& out) {
    for (; node != kNoNode; node = tree.nextSibling(node)) {
        NodeKind kind = tree.getKind(node);
        if ((kind == NodeKind::FmItem || kind == NodeKind::Menu) && tree.getUseLocalCaption(node) != 1) {
            out.push_back(tree.caption(node));
        }
        collectOwnCaptions(tree, tree.firstChild(node), out);
    }
}

TEST(ShippedContent, EveryFileLoadsAsMainMenuAndIsWrittenBackByteForByte) {
    int templates = 0;
    int standardMenus = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(kTemplates)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        SCOPED_TRACE(entry.path().string());
        ASSERT_EQ(entry.path().extension(), ".qxtf");
        bool standard = entry.path().parent_path() == kStandardMenus;
        ++(standard ? standardMenus : templates);
        std::string bytes = readBytes(entry.path());
        MenuTree tree;
        ASSERT_EQ(LoadCodeIntoTree(tree, bytes, MenuKind::MainMenu, false), LoadResult::accepted());
        ASSERT_NE(tree.firstTopLevel(), kNoNode);
        std::string written;
        ASSERT_TRUE(generateMenuCodeText(tree, MenuKind::MainMenu, written));
        EXPECT_EQ(written, bytes);
        if (standard) {
            // FileMaker shows its own, localised captions in the standard menus.
            std::vector<std::string> ownCaptions;
            collectOwnCaptions(tree, tree.firstTopLevel(), ownCaptions);
            EXPECT_EQ(ownCaptions, std::vector<std::string>{});
        }
    }
    EXPECT_GE(templates, 6);
    EXPECT_GE(standardMenus, 12);
}

TEST(ShippedContent, StandardMenusNameAVersionAndBothModes) {
    std::map<std::string, std::set<std::string>> modes;
    for (const fs::directory_entry& entry : fs::directory_iterator(kStandardMenus)) {
        std::string name = entry.path().filename().string();
        size_t comma = name.find(',');
        ASSERT_NE(comma, std::string::npos) << name;
        ASSERT_TRUE(name.ends_with(".qxtf")) << name;
        std::string mode = name.substr(comma + 1, name.size() - comma - 1 - 5);
        EXPECT_TRUE(mode == "Browse" || mode == "Find") << name;
        modes[name.substr(0, comma)].insert(mode);
    }
    for (const char* version : {"7", "8", "8.5", "9", "10", "11"}) {
        EXPECT_TRUE(modes.contains(std::string("FileMaker Pro ") + version)) << version;
    }
    for (const auto& [version, found] : modes) {
        EXPECT_EQ(found, (std::set<std::string>{"Browse", "Find"})) << version;
    }
}

}  // namespace
}  // namespace tessary
