#pragma once

// Every message the program shows the user passes through ShowMessage, so that tests can capture
// them instead of blocking on a message box.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marvix {

enum class MessageStyle {
    Warning,      // something asked for did not happen: a warning box with an OK button
    Information,  // an information box with an OK button
    Error,        // the error report: conversion and store failures
    Question,     // a question with Yes and No
};

void ShowMessage(std::string_view text, MessageStyle style = MessageStyle::Warning);

// Asks the user a question with Yes and No (No the default button unless `yesByDefault`);
// returns whether they said yes.
bool AskYesNo(std::string_view question, bool yesByDefault = false);

// For failures of the platform itself (a window class, a DC or a bitmap that cannot be made):
// shown as an error the first time a text is reported in the process, never again, so a failure
// met on every tick does not bury the user in boxes.
void ReportFailureOnce(std::string_view text);

// Records every message shown while it lives, and shows none of them.
class MessageCapture {
public:
    struct Message {
        std::string text;
        MessageStyle style;
    };

    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<Message>& Messages() const { return messages_; }
    std::vector<std::string> Texts() const;
    void Clear() { messages_.clear(); }
    // What every question is answered while the capture lives: yes, unless a test says no.
    void AnswerQuestions(bool yes) { answer_ = yes; }

private:
    friend void ShowMessage(std::string_view text, MessageStyle style);
    friend bool AskYesNo(std::string_view question, bool yesByDefault);
    std::vector<Message> messages_;
    bool answer_ = true;
    MessageCapture* previous_;
};

}  // namespace marvix
