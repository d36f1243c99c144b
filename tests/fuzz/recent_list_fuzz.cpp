// Fuzzes the recent-file list with arbitrary registry strings. The input is
// lines, each an operation on one in-memory store:
//   "a" PATH   add a path          "r" PATH   remove a path
//   "w" D TEXT write the raw value File<D> (as anything may have written it)
//   "c"        clear the list
// After each, the list as read is checked: at most four distinct, non-empty
// paths; an added path first and the others in their order; a removed one
// gone; and each entry's submenu text numbered and naming the file.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "documents/document_state.h"
#include "documents/recent_files.h"

namespace {

using namespace tessary;

void check(bool ok) {
    if (!ok) {
        __builtin_trap();
    }
}

void checkList(const std::vector<std::string>& list) {
    check(list.size() <= static_cast<size_t>(kRecentFileCount));
    for (size_t i = 0; i < list.size(); ++i) {
        check(!list[i].empty());
        check(std::count(list.begin(), list.end(), list[i]) == 1);
        const std::string text = recentMenuText(static_cast<int>(i), list[i]);
        check(text == "&" + std::to_string(i + 1) + " " + std::string(fileNameOf(list[i])));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    MemorySettingsStore store;
    while (!input.empty()) {
        const size_t end = std::min(input.find('\n'), input.size());
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line.empty()) {
            continue;
        }
        const std::string_view argument = line.substr(1);
        const std::vector<std::string> before = readRecentFiles(store);
        switch (line[0]) {
            case 'a': {
                addRecentFile(store, argument);
                const std::vector<std::string> after = readRecentFiles(store);
                if (argument.empty() || argument.size() > kMaxPathLength) {
                    check(after == before);
                    break;
                }
                std::vector<std::string> expected{std::string(argument)};
                for (const std::string& entry : before) {
                    if (entry != argument && expected.size() < static_cast<size_t>(kRecentFileCount)) {
                        expected.push_back(entry);
                    }
                }
                check(after == expected);
                break;
            }
            case 'r': {
                const bool listed = std::find(before.begin(), before.end(), argument) != before.end();
                check(removeRecentFile(store, argument) == listed);
                std::vector<std::string> expected = before;
                expected.erase(std::remove(expected.begin(), expected.end(), argument), expected.end());
                check(readRecentFiles(store) == expected);
                break;
            }
            case 'w':
                if (!argument.empty()) {
                    store.writeRecentFile((argument[0] - '0') & 7, argument.substr(1));
                }
                break;
            case 'c':
                store.clearRecentFiles();
                check(readRecentFiles(store).empty());
                break;
            default:
                break;
        }
        checkList(readRecentFiles(store));
    }
    return 0;
}
