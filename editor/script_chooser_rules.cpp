#include "editor/script_chooser_rules.h"

namespace tessary {

void ScriptChooserRules::fill(PluginAnswer& answer) {
    rows_.clear();
    selected_.clear();
    char name[kScriptNameLength + 1] = {};
    while (size_t length = answer.nextName(name, sizeof name)) {
        rows_.emplace_back(name, length);
    }
}

bool ScriptChooserRules::ok() {
    if (!okEnabled()) {
        return false;
    }
    owner_.takeChosenScript(selected_);
    return true;
}

}  // namespace tessary
