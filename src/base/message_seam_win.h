#pragma once

// Every message the program shows the user passes through ShowMessage, so that tests can capture
// them instead of blocking on a message box.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace marvix {

enum class MessageStyle {
    Plain,        // a plain box with an OK button
    Information,  // an information box with an OK button
    Error,        // the error report: conversion and store failures
};

void ShowMessage(std::string_view text, MessageStyle style = MessageStyle::Plain);

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

private:
    friend void ShowMessage(std::string_view text, MessageStyle style);
    std::vector<Message> messages_;
    MessageCapture* previous_;
};

}  // namespace marvix
