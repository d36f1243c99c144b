// The FileMaker stand-in (bin\\fm-standin.exe) started for one test: it plays
// FileMaker with the Varnex plug-in, answering from two files the test writes
// (names separated by line feeds), and is closed again when the test ends.
#pragma once

#include <windows.h>

#include <string>

#include "win32_test_files.h"

namespace tessary::test {

class FmStandIn {
public:
    // Writes the answers and starts the stand-in with the extra arguments
    // ("--grabber 6", "--silent", ...); ready() tells whether its windows came.
    FmStandIn(const std::string& scripts, const std::string& documents, const std::string& arguments = {});
    ~FmStandIn();
    FmStandIn(const FmStandIn&) = delete;
    FmStandIn& operator=(const FmStandIn&) = delete;

    bool ready() const { return plugin_ != nullptr; }
    HWND plugin() const { return plugin_; }
    HWND application() const { return application_; }
    // Replaces the scripts the plug-in reports from its next request on.
    void setScripts(const std::string& scripts) const;
    // Closes the stand-in and waits for it to end.
    void close();

private:
    ScratchFolder folder_;
    PROCESS_INFORMATION process_ = {};
    HWND plugin_ = nullptr;
    HWND application_ = nullptr;
};

}  // namespace tessary::test
