// The editor's messages for the plug-in link: the question while two
// FileMakers run (string 353, Retry and Cancel), and, for a script request,
// no plug-in (string 414) or no answer from it (string 352).
#pragma once

#include <windows.h>

#include "fmlink/plugin_link.h"

namespace tessary {

class MessageBoxPluginPrompts : public PluginPrompts {
public:
    explicit MessageBoxPluginPrompts(HWND owner) : owner_(owner) {}
    bool retryTwoFileMakers() override;
    void noPlugin() override;
    void notResponding() override;

private:
    HWND owner_;
};

}  // namespace tessary
