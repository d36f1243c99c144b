// "Select Script": the scripts of the file open in FileMaker, as the plug-in
// reports them, one row each; OK hands the selected one to "Script
// Properties". The list control sorts the rows itself.
#pragma once

#include <string>
#include <vector>

#include "editor/filemaker_link_rules.h"
#include "editor/script_properties_rules.h"

namespace tessary {

// A script name in the list holds up to this many characters.
constexpr size_t kScriptNameLength = 254;

class ScriptChooserRules {
public:
    explicit ScriptChooserRules(ScriptPropertiesRules& owner) : owner_(owner) {}

    // The rows of a new answer, in the answer's order; nothing is selected.
    void fill(PluginAnswer& answer);
    const std::vector<std::string>& rows() const { return rows_; }

    // The text of the selected row; empty when no row is selected.
    void select(const std::string& row) { selected_ = row; }
    bool okEnabled() const { return !selected_.empty(); }
    // OK (also a double click): the selected script goes into the owner's
    // script field, and into its name field while that is empty. False, with
    // nothing handed over, while no row is selected.
    bool ok();

private:
    ScriptPropertiesRules& owner_;
    std::vector<std::string> rows_;
    std::string selected_;
};

}  // namespace tessary
