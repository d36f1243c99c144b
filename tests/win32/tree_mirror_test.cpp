// The tree control mirrors the MenuTree: every change of the model shows in
// the control, and the user's selection and expansion in the control reach
// the model.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "platform/window_protocol.h"
#include "resources/resource.h"
#include "shell/tree_control.h"
#include "support/dialog_driver.h"
#include "support/main_window_fixture.h"

namespace tessary {
namespace {

using test::DialogDriver;

const char* kMenu =
    "FM_MENUBAR ()\r\n{\r\n\tFM_MENU ( \"File\" )\r\n\t{\r\n\t\tFM_MENUITEM ( FM_OPEN )\r\n"
    "\t\tFM_MENU ( \"More\" )\r\n\t\t{\r\n\t\t\tFM_MENUITEMSEPARATOR ()\r\n\t\t}\r\n\t}\r\n"
    "\tFM_MENU ( \"Edit\" )\r\n\t{\r\n\t\tFM_MENUSCRIPTITEM ( \"Run\", \"Run\" )\r\n\t}\r\n}\r\n";

std::string itemText(HWND tree, HTREEITEM item, int* image = nullptr) {
    char text[260] = {};
    TVITEMA info = {};
    info.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
    info.hItem = item;
    info.pszText = text;
    info.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
    if (image) {
        // The icon and the selected icon are always the node's kind.
        *image = info.iImage == info.iSelectedImage ? info.iImage : -2;
    }
    return text;
}

// The control's items as "text/image", siblings joined by commas and each
// item's children in parentheses after it: File/1(Open.../3),Edit/1
void walk(HWND tree, HTREEITEM item, std::string& out) {
    for (bool first = true; item; item = TreeView_GetNextSibling(tree, item), first = false) {
        int image = -1;
        const std::string text = itemText(tree, item, &image);
        out += (first ? "" : ",") + text + "/" + std::to_string(image);
        if (HTREEITEM child = TreeView_GetChild(tree, item)) {
            out += "(";
            walk(tree, child, out);
            out += ")";
        }
    }
}

std::string controlContents(HWND tree) {
    std::string out;
    walk(tree, TreeView_GetRoot(tree), out);
    return out;
}

class TreeMirrorTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        tree = &window->tree();
        control = controls().tree;
        ASSERT_EQ(LoadCodeIntoTree(*tree, kMenu, MenuKind::MainMenu), LoadResult::accepted());
    }
    NodeHandle find(const std::string& caption) {
        for (NodeHandle n = tree->firstTopLevel(); n != kNoNode;) {
            if (tree->caption(n) == caption) {
                return n;
            }
            NodeHandle next = tree->firstChild(n);
            while (next == kNoNode && n != kNoNode) {
                next = tree->nextSibling(n);
                if (next == kNoNode) {
                    n = tree->parent(n);
                    if (n == kRootNode) {
                        return kNoNode;
                    }
                }
            }
            n = next;
        }
        return kNoNode;
    }

    HWND control = nullptr;
    MenuTree* tree = nullptr;
    DialogDriver unexpected{5000};
};

TEST_F(TreeMirrorTest, ControlShowsEveryNodeWithItsKindIcon) {
    EXPECT_EQ(controlContents(control), "File/1(Open.../3,More/1(-Separator-/4)),Edit/1(Run/2)");
    EXPECT_EQ(SendMessageA(control, TVM_GETCOUNT, 0, 0), 6);
    // The load's expansions reach the control once its items are in.
    HTREEITEM file = TreeView_GetRoot(control);
    HTREEITEM more = TreeView_GetNextSibling(control, TreeView_GetChild(control, file));
    EXPECT_TRUE(TreeView_GetItemState(control, file, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_TRUE(TreeView_GetItemState(control, more, TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(TreeMirrorTest, ModelChangesShowInTheControl) {
    NodeHandle more = find("More");
    ASSERT_NE(more, kNoNode);
    tree->setCaption(more, "Extras");
    tree->insertNode(more, Position::Last, {.caption = "Quit", .kind = NodeKind::ScriptItem, .scriptName = "Quit"});
    EXPECT_EQ(controlContents(control), "File/1(Open.../3,Extras/1(-Separator-/4,Quit/2)),Edit/1(Run/2)");
    // A copy placed between existing nodes goes in as one batch, in its place.
    NodeHandle copy = tree->copySubtree(find("Extras"), find("Edit"), Position::First);
    ASSERT_NE(copy, kNoNode);
    EXPECT_EQ(controlContents(control),
              "File/1(Open.../3,Extras/1(-Separator-/4,Quit/2)),Edit/1(Extras/1(-Separator-/4,Quit/2),Run/2)");
    HTREEITEM copied = TreeView_GetChild(control, TreeView_GetNextSibling(control, TreeView_GetRoot(control)));
    EXPECT_EQ(static_cast<bool>(TreeView_GetItemState(control, copied, TVIS_EXPANDED) & TVIS_EXPANDED),
              tree->isExpanded(copy));
    tree->deleteSubtree(copy);
    tree->deleteSubtree(find("File"));
    EXPECT_EQ(controlContents(control), "Edit/1(Run/2)");
    NodeHandle edit = find("Edit");
    NodeHandle moved = tree->moveNodeUp(tree->firstChild(edit));
    EXPECT_NE(moved, kNoNode);
    EXPECT_EQ(controlContents(control), "Edit/1(Run/2)");
    tree->clearTree();
    EXPECT_EQ(SendMessageA(control, TVM_GETCOUNT, 0, 0), 0);
}

TEST_F(TreeMirrorTest, SelectionAndExpansionTravelBothWays) {
    NodeHandle run = find("Run");
    tree->selectNode(run);
    HTREEITEM caret = TreeView_GetSelection(control);
    EXPECT_EQ(itemText(control, caret), "Run");

    // The user selects in the control: the model follows.
    HTREEITEM first = TreeView_GetRoot(control);
    TreeView_SelectItem(control, first);
    EXPECT_EQ(tree->selected(), find("File"));

    NodeHandle file = find("File");
    tree->expandNode(file, false);
    EXPECT_FALSE(TreeView_GetItemState(control, first, TVIS_EXPANDED) & TVIS_EXPANDED);
    TreeView_Expand(control, first, TVE_EXPAND);
    // TVM_EXPAND sends no notification of its own; the model learns of user clicks.
    NMTREEVIEWA info = {};
    info.hdr = {control, 0, static_cast<UINT>(TVN_ITEMEXPANDEDA)};
    info.action = TVE_EXPAND;
    info.itemNew.hItem = first;
    SendMessageA(hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_TRUE(tree->isExpanded(file));

    // Enabling follows the selection: a selected node can be deleted.
    EXPECT_FALSE(GetMenuState(GetMenu(hwnd()), ID_MENU_DELETE, MF_BYCOMMAND) & MF_GRAYED);
    SendMessageA(control, kResetTreeViewMessage, 0, 0);
    EXPECT_EQ(tree->selected(), kNoNode);
}

// The control's subclass: a click beside the nodes or right of a caption
// selects nothing; a double-click on a caption selects the node and asks for
// its properties, and does not expand or collapse it.
TEST_F(TreeMirrorTest, ClicksOnTheControlReachItsSubclass) {
    const NodeHandle more = find("More");
    HTREEITEM moreItem = TreeView_GetNextSibling(control, TreeView_GetChild(control, TreeView_GetRoot(control)));
    RECT label = {};
    ASSERT_TRUE(TreeView_GetItemRect(control, moreItem, &label, TRUE));
    RECT client = {};
    GetClientRect(control, &client);
    const int y = (label.top + label.bottom) / 2;
    struct Click {
        const char* where;
        UINT message;
        POINT at;
        NodeHandle selected;
        bool asksProperties;
    };
    const Click clicks[] = {
        {"on the caption", WM_LBUTTONUP, {(label.left + label.right) / 2, y}, find("Run"), false},
        {"right of the caption", WM_LBUTTONUP, {label.right + 20, y}, kNoNode, false},
        {"below the nodes", WM_LBUTTONUP, {label.left, client.bottom - 2}, kNoNode, false},
        {"double, on the caption", WM_LBUTTONDBLCLK, {(label.left + label.right) / 2, y}, more, true},
    };
    for (const Click& click : clicks) {
        tree->selectNode(find("Run"));
        SendMessageA(control, click.message, MK_LBUTTON, MAKELPARAM(click.at.x, click.at.y));
        EXPECT_EQ(tree->selected(), click.selected) << click.where;
        EXPECT_TRUE(tree->isExpanded(more)) << click.where;
        MSG posted = {};
        EXPECT_EQ(PeekMessageA(&posted, hwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE) &&
                      LOWORD(posted.wParam) == ID_MENU_PROPERTIES,
                  click.asksProperties)
            << click.where;
    }
}

TEST_F(TreeMirrorTest, HitTestFindsTheNodeUnderAScreenPoint) {
    HTREEITEM second = TreeView_GetNextVisible(control, TreeView_GetRoot(control));
    RECT rect = {};
    ASSERT_TRUE(TreeView_GetItemRect(control, second, &rect, TRUE));
    POINT point = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(control, &point);
    EXPECT_EQ(tree->nodeAtScreenPoint(point.x, point.y), find("Open..."));
    POINT outside = {rect.right + 150, rect.top};
    ClientToScreen(control, &outside);
    EXPECT_EQ(tree->nodeAtScreenPoint(outside.x, outside.y), kNoNode);
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

TEST_F(TreeMirrorTest, CaptionsAreEditedInPlace) {
    NodeHandle run = find("Run");
    tree->selectNode(run);
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_EDIT_RENAME, 0), 0);
    HWND edit = reinterpret_cast<HWND>(SendMessageA(control, TVM_GETEDITCONTROL, 0, 0));
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "Run Report");
    SendMessageA(control, TVM_ENDEDITLABELNOW, FALSE, 0);
    EXPECT_FALSE(window->captionEditOpen());
    EXPECT_EQ(tree->caption(run), "Run Report");
    EXPECT_TRUE(document().modified);
    EXPECT_EQ(itemText(control, TreeView_GetSelection(control)), "Run Report");

    // A double quote, which menu code can not hold, is refused with a message.
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_EDIT_RENAME, 0), 0);
    SetWindowTextA(reinterpret_cast<HWND>(SendMessageA(control, TVM_GETEDITCONTROL, 0, 0)), "Run \"all\"");
    DialogDriver driver;
    std::string refusal;
    driver.answerMessageBox(IDOK, &refusal);
    SendMessageA(control, TVM_ENDEDITLABELNOW, FALSE, 0);
    test::pumpPending();
    EXPECT_NE(refusal.find("double quote"), std::string::npos) << refusal;
    EXPECT_EQ(tree->caption(run), "Run Report");

    // A cancelled edit reports no text and changes nothing; an emptied one neither.
    document().modified = false;
    NMTVDISPINFOA cancelled = {};
    cancelled.hdr = {control, 0, static_cast<UINT>(TVN_ENDLABELEDITA)};
    cancelled.item.hItem = TreeView_GetSelection(control);
    for (char* text : {static_cast<char*>(nullptr), const_cast<char*>("")}) {
        cancelled.item.pszText = text;
        SendMessageA(hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&cancelled));
        EXPECT_EQ(tree->caption(run), "Run Report");
        EXPECT_FALSE(document().modified);
    }
}

}  // namespace
}  // namespace tessary

namespace tessary {
namespace {

TEST_F(TreeMirrorTest, LocalCaptionsAndTheAppMenuAreNotEdited) {
    NodeHandle open = find("Open...");
    ASSERT_EQ(tree->getUseLocalCaption(open), 1);
    tree->selectNode(open);
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_EDIT_RENAME, 0), 0);
    EXPECT_EQ(SendMessageA(control, TVM_GETEDITCONTROL, 0, 0), 0);
    EXPECT_TRUE(window->treeKeysActive);

    NodeHandle app = tree->insertNode(kRootNode, Position::First, {"FileMaker Pro", NodeKind::AppMenu, kPlatformMac});
    tree->selectNode(app);
    SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(ID_EDIT_RENAME, 0), 0);
    EXPECT_EQ(SendMessageA(control, TVM_GETEDITCONTROL, 0, 0), 0);
    EXPECT_EQ(tree->caption(app), "FileMaker Pro");
}

}  // namespace
}  // namespace tessary
