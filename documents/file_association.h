// The file association written at every start: one row per document type in
// HKEY_CLASSES_ROOT. The rows and the values' texts live here; the registry
// work is the platform's.
//
//   .tsmb -> Quorix.Tessary.2.tsmb  "Quorix Tessary Document"  icon 7
//   .tsmn -> Quorix.Tessary.2.tsmn  "Quorix Tessary Document"  icon 7
//   .qxtf -> Quorix.Tessary.2.qxtf  "Quorix Tessary Template"  icon 8
//
// ProgID key: default value the description; shell\open\command the open
// command; DefaultIcon "<program>,<index>". Extension key: the ProgID.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessary {


struct FileTypeRow {
    const char* extension;    // ".tsmb"
    const char* progId;       // "Quorix.Tessary.2.tsmb"
    const char* description;  // shown by the shell for the type
    int iconIndex;            // icon group of the program file
};

const std::array<FileTypeRow, 3>& fileTypeRows();

// "\"<program>\" \"%1\"": the program in quotes, a blank, the placeholder in quotes.
std::string openCommandValue(std::string_view programPath);
// "<program>,<index>".
std::string defaultIconValue(std::string_view programPath, int iconIndex);

}  // namespace tessary
