#include "documents/file_association.h"

namespace tessary {

const std::array<FileTypeRow, 3>& fileTypeRows() {
    static const std::array<FileTypeRow, 3> rows = {{
        {".tsmb", "Quorix.Tessary.2.tsmb", "Quorix Tessary Document", 7},
        {".tsmn", "Quorix.Tessary.2.tsmn", "Quorix Tessary Document", 7},
        {".qxtf", "Quorix.Tessary.2.qxtf", "Quorix Tessary Template", 8},
    }};
    return rows;
}

std::string openCommandValue(std::string_view programPath) {
    std::string value = "\"";
    value += programPath;
    value += "\" \"%1\"";
    return value;
}

std::string defaultIconValue(std::string_view programPath, int iconIndex) {
    std::string value(programPath);
    value += ',';
    value += std::to_string(iconIndex);
    return value;
}

}  // namespace tessary
