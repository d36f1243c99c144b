// The nine parser callbacks of a loader (code_loader.h, direct_loader.h), each
// sent to the loader's member of the same meaning. The callbacks refer to the
// loader, which must outlive every parse that uses them.
#pragma once

#include <string_view>

#include "menucode/parse_types.h"

namespace tessary {

template <typename Loader>
ParseCallbacks loaderCallbacks(Loader& loader) {
    ParseCallbacks table;
    table.BeginMenuBar = [&loader] { return loader.beginMenuBar(); };
    table.AbortMenuBar = [&loader](MenuHandle bar) { loader.abortMenuBar(bar); };
    table.AttachMenuToBar = [&loader](MenuHandle bar, MenuHandle menu, const MenuSpec&) {
        return loader.attach(bar, menu);
    };
    table.BeginMenu = [&loader](const MenuSpec& menuSpec) { return loader.beginMenu(menuSpec); };
    table.DiscardMenu = [&loader](MenuHandle menu) { loader.discardMenu(menu); };
    table.AddItem = [&loader](MenuHandle parent, const ItemSpec& itemSpec) { return loader.addItem(parent, itemSpec); };
    table.AttachSubmenu = [&loader](MenuHandle parent, MenuHandle menu, const MenuSpec&) {
        return loader.attach(parent, menu);
    };
    table.BeginAppMenu = [&loader] { return loader.beginAppMenu(); };
    table.NameAppMenu = [&loader](MenuHandle, MenuHandle appMenu, std::string_view caption) {
        return loader.nameAppMenu(appMenu, caption);
    };
    return table;
}

}  // namespace tessary
