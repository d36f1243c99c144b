// The recent-file list: at most four distinct full paths, most recent first,
// kept as File0..File3 in the settings store. The store is the master copy;
// every running copy rebuilds its Open Recent submenu from it after each
// change is broadcast.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "documents/settings_store.h"

namespace tessary {

// File0 onwards, stopping at the first missing or empty value or after four;
// a path repeated in the list counts once.
std::vector<std::string> readRecentFiles(SettingsStore& store);

// The list after using path: an entry equal to it (exact, case-sensitive)
// moves to the front, a new path goes to the front and the fourth entry falls
// off.
std::vector<std::string> withRecentPath(std::vector<std::string> entries, std::string_view path);

// Puts path at the front of the stored list (File0..File3 are written, slots
// without an entry as empty strings).
void addRecentFile(SettingsStore& store, std::string_view path);

// Takes path out of the stored list and writes back the others in order;
// false when it was not listed.
bool removeRecentFile(SettingsStore& store, std::string_view path);

// The submenu text of entry index (from 0): "&1 Orders.tsmn".
std::string recentMenuText(int index, std::string_view path);

}  // namespace tessary
