// Fuzzes loading and generating together. The input is a text, loaded as each
// of the three menu kinds, as a document is opened. For every kind:
// - the loader and the step-by-step reference loader (every menu copied under
//   its parent at its closing brace) give the same result and the same tree,
//   also when the text fails half-way;
// - when the text is accepted and the tree can be written, the written text
//   loads back, and writing and loading once more changes neither the text
//   nor the tree: generate -> load -> generate is a fixpoint.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "menucode/code_generator.h"
#include "menucode/code_tree.h"
#include "model/menu_tree.h"
#include "reference_loader.h"
#include "tree_dump.h"

namespace {

using namespace tessary;

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "roundtrip_fuzz: %s\n", what);
        __builtin_trap();
    }
}

void roundTrip(std::string_view text, MenuKind kind) {
    MenuTree tree;
    const LoadResult result = LoadCodeIntoTree(tree, text, kind);
    check(tree.checkInvariants(), "the loaded tree is inconsistent");

    MenuTree reference;
    check(codetree_test::referenceLoad(reference, text, kind) == result, "the reference loader reports otherwise");
    check(codetree_test::dumpTree(reference) == codetree_test::dumpTree(tree), "the reference loader builds otherwise");

    if (result != LoadResult::accepted()) {
        return;
    }
    std::string first;
    if (!generateMenuCodeText(tree, kind, first)) {
        return;  // a tree the writer does not take, such as a Classic item in a Mac menu
    }

    MenuTree settled;
    check(LoadCodeIntoTree(settled, first, kind) == LoadResult::accepted(), "written text does not load back");
    std::string second;
    check(generateMenuCodeText(settled, kind, second), "a tree loaded from written text is refused");
    check(second == first, "generate -> load -> generate changed the text");

    MenuTree again;
    check(LoadCodeIntoTree(again, second, kind) == LoadResult::accepted(), "rewritten text does not load back");
    check(codetree_test::dumpTree(again) == codetree_test::dumpTree(settled), "the tree changed in a second round");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (MenuKind kind : {MenuKind::MainMenu, MenuKind::ContextMenu, MenuKind::PopupMenu}) {
        roundTrip(text, kind);
    }
    return 0;
}
