// The exchange with the Varnex plug-in running inside FileMaker. The plug-in
// owns a hidden window of class "Quorix Varnex 2.0 Grabber7" (FileMaker 7) or
// "... Grabber6" (FileMaker 6) that answers two requests: WM_USER with wParam
// 1 (the open FileMaker documents) or 0 (the scripts of the current file),
// then WM_GETTEXT, which copies the answer, names separated by line feeds.
//
// A plug-in that answers badly never hurts the editor: every message has a
// time limit, a window that vanishes gives no answer, and the answer is read
// within its buffer.
#pragma once

#include <windows.h>

#include "editor/filemaker_link_rules.h"

namespace tessary {

constexpr const char* kPluginWindowClass7 = "Quorix Varnex 2.0 Grabber7";
constexpr const char* kPluginWindowClass6 = "Quorix Varnex 2.0 Grabber6";

// The request: the wParam of WM_USER.
enum class PluginRequest : WPARAM { Scripts = 0, OpenDocuments = 1 };

// How long one message to the plug-in may take before it counts as unanswered.
constexpr UINT kPluginTimeoutMs = 5000;

// What the link asks and tells the user; the shell shows the editor's messages.
class PluginPrompts {
public:
    virtual ~PluginPrompts() = default;
    // Windows of both plug-in classes exist, so two FileMakers run: true to
    // look again (Retry), false to go on with the Grabber7 window (Cancel).
    virtual bool retryTwoFileMakers() = 0;
    // A script request found no plug-in window.
    virtual void noPlugin() = 0;
    // A script request's plug-in window did not answer in time, or vanished.
    virtual void notResponding() = 0;
};

// The plug-in's window, the Grabber7 class first; null when there is none.
HWND findPluginWindow();

// Asks one plug-in window: WM_USER with the request, then WM_GETTEXT into a
// zero-filled buffer of kPluginAnswerSize bytes; the answer is complete when
// the second message returns. False, with the answer empty, when either
// message fails or takes longer than timeoutMs.
bool askPluginWindow(HWND window, PluginRequest request, PluginAnswer& answer, UINT timeoutMs = kPluginTimeoutMs);

// The two requests and their answers, each read one name at a time.
class PluginLink {
public:
    explicit PluginLink(PluginPrompts& prompts, UINT timeoutMs = kPluginTimeoutMs)
        : prompts_(prompts), timeoutMs_(timeoutMs) {}

    // True when a plug-in window answered. Without one the open documents fail
    // silently, the scripts after telling the user.
    bool requestOpenDocuments() { return request(PluginRequest::OpenDocuments, documents_); }
    bool requestScripts() { return request(PluginRequest::Scripts, scripts_); }

    // The next name of the last answer (see PluginAnswer::nextName); 0 when done.
    size_t nextOpenDocument(char* buffer, size_t capacity) { return documents_.nextName(buffer, capacity); }
    size_t nextScript(char* buffer, size_t capacity) { return scripts_.nextName(buffer, capacity); }

    PluginAnswer& openDocuments() { return documents_; }
    PluginAnswer& scripts() { return scripts_; }

private:
    bool request(PluginRequest request, PluginAnswer& answer);

    PluginPrompts& prompts_;
    UINT timeoutMs_;
    PluginAnswer documents_;
    PluginAnswer scripts_;
};

}  // namespace tessary
