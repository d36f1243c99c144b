// The ready-made folders "Templates\" and "Templates\FileMaker Menus\" beside
// the test program, where the program looks for them, with files the test
// writes; removed with what they hold when the test ends (and before it
// starts, should a crashed test have left them).
#pragma once

#include <string>

namespace tessary::test {

class ReadyMadeFolder {
public:
    ReadyMadeFolder();
    ~ReadyMadeFolder();
    ReadyMadeFolder(const ReadyMadeFolder&) = delete;
    ReadyMadeFolder& operator=(const ReadyMadeFolder&) = delete;

    // A template "NAME.qxtf", or a standard menu "VERSION,MODE.qxtf".
    void addTemplate(const std::string& name, const std::string& code) const;
    void addStandardMenu(const std::string& versionAndMode, const std::string& code) const;

    // The template folder, ending in a backslash.
    const std::string& path() const { return templates_; }

private:
    std::string templates_;
};

}  // namespace tessary::test
