// Copying a text view field by field. A view that was just written to memory
// and is then copied whole gets read back in one 16-byte load from the two
// 8-byte stores that wrote it; the processor cannot forward those to the load
// and waits until they are done. Reading and loading menu code hand views on
// from record to record for every item, so they copy them this way.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tessary {

inline std::string_view copyView(const std::string_view& from) {
    const char* data = from.data();
    const size_t size = from.size();
    return std::string_view(data, size);
}

inline void setView(std::optional<std::string_view>& to, const std::string_view& from) {
    to.emplace(from.data(), from.size());
}

}  // namespace tessary
