#include "base/message_seam_win.h"

#include <windows.h>

#include <set>

#include "base/program.h"

namespace marvix {

namespace {

MessageCapture* g_capture = nullptr;

UINT BoxFlags(MessageStyle style) {
    switch (style) {
        case MessageStyle::Information: return MB_OK | MB_ICONINFORMATION;
        case MessageStyle::Error: return MB_OK | MB_ICONERROR;
        case MessageStyle::Question: return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
        case MessageStyle::Warning: break;
    }
    // Every box says by its icon what kind of news it brings.
    return MB_OK | MB_ICONWARNING;
}

}  // namespace

MessageCapture::MessageCapture() : previous_(g_capture) { g_capture = this; }

MessageCapture::~MessageCapture() { g_capture = previous_; }

std::vector<std::string> MessageCapture::Texts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages_) texts.push_back(message.text);
    return texts;
}

void ShowMessage(std::string_view text, MessageStyle style) {
    if (g_capture) {
        g_capture->messages_.push_back({std::string(text), style});
        return;
    }
    const std::string owned(text);
    // Owned by this thread's active window, so the box comes up in front of whatever dialog
    // caused it. The caption is the application title.
    MessageBoxA(GetActiveWindow(), owned.c_str(), kProgramTitle, BoxFlags(style));
}

bool AskYesNo(std::string_view question) {
    if (g_capture) {
        g_capture->messages_.push_back({std::string(question), MessageStyle::Question});
        return g_capture->answer_;
    }
    const std::string owned(question);
    return MessageBoxA(GetActiveWindow(), owned.c_str(), kProgramTitle,
                       BoxFlags(MessageStyle::Question)) == IDYES;
}

void ReportFailureOnce(std::string_view text) {
    static std::set<std::string, std::less<>> reported;
    if (reported.contains(text)) return;
    reported.emplace(text);
    ShowMessage(text, MessageStyle::Error);
}

}  // namespace marvix
