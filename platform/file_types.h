// The file association of .tsmb, .tsmn and .qxtf in HKEY_CLASSES_ROOT,
// written at every start.
#pragma once

#include <string>

namespace tessary {

// Writes the three rows for the given program file. A row whose keys cannot
// be opened or created ends there; the others are still written. Returns an
// empty string when everything was written, else what failed.
std::string registerFileTypes(const std::string& programPath);

}  // namespace tessary
