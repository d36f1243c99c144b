#include "editor/item_dialog_rules.h"

#include "model/lexicon.h"
#include "resources/resource.h"

namespace tessary {

bool fitsMenuCode(std::string_view text) {
    return text.find('"') == std::string_view::npos;
}

void checkMenuCodeText(OkChecks& checks, std::string_view text, DialogField field) {
    if (fitsMenuCode(text)) {
        return;
    }
    switch (field) {
        case DialogField::Script:
            checks.push_back(OkCheck::refusal(IDS_QUOTE_IN_SCRIPT, OkCheck::Icon::Warning, field));
            break;
        case DialogField::UserString:
            checks.push_back(OkCheck::refusal(IDS_QUOTE_IN_USER_STRING, OkCheck::Icon::Warning, field));
            break;
        default:
            checks.push_back(OkCheck::refusal(IDS_QUOTE_IN_NAME, OkCheck::Icon::Warning, field));
            break;
    }
}

std::string equivalentOfText(std::string_view englishCaption) {
    return "Equivalent of: '" + std::string(englishCaption) + "'";
}

std::string englishCaption(uint32_t fmId, bool isMenu) {
    std::string_view caption;
    const bool found = isMenu ? LookupFmMenuCaption(fmId, caption) : LookupFmCommandCaption(fmId, caption);
    return found ? std::string(caption) : std::string();
}

bool isDynamicListKeyword(std::string_view keyword) {
    return keyword == "FM_RECENT_FILES" || keyword == "FM_SCRIPTS" || keyword == "FM_OPEN_WINDOWS" ||
           keyword == "FM_HIDDEN_WINDOWS";
}

PlatformBoxes ItemDialogRules::openingPlatforms() const {
    return mode_ == DialogMode::Add ? PlatformBoxes::forNewChild(*tree_, parent_)
                                    : PlatformBoxes::forNode(*tree_, node_);
}

MenuItemRecord newRecord(PlatformMask platforms) {
    MenuItemRecord record{};
    record.platforms = platforms;
    record.enabled = 1;
    return record;
}

std::string_view fieldText(std::string_view text) {
    return text.substr(0, kMaxTextLength);
}

void storeText(char (&field)[kRecordTextSize], std::string_view text) {
    setRecordText(field, fieldText(text));
}

}  // namespace tessary
