#pragma once

// The platform's colour, font and file choosers, as the settings windows open them. Every call
// passes through here, so that tests can answer with a scripted result (ChooserScript) instead of
// waiting on a modal window, as MessageCapture does for message boxes.

#include <windows.h>

#include <deque>
#include <optional>
#include <string>

#include "base/surface.h"

namespace marvix {

struct FontChoice {
    std::string face;
    int pointSize = 8;
    FontStyle style;
    Colour colour;
    friend bool operator==(const FontChoice&, const FontChoice&) = default;
};

struct FileRequest {
    std::string filter;   // "WAV files|*.wav|All Files|*.*"
    std::string initial;  // the file name it starts with, or empty
    std::string folder;   // the folder it opens in, or empty
};

// Each returns nullopt when the user cancels. None changes the process's current folder.
std::optional<Colour> PickColour(HWND owner, Colour initial);
std::optional<FontChoice> PickFont(HWND owner, const FontChoice& initial);
std::optional<std::string> PickFile(HWND owner, const FileRequest& request);

// While one lives, the choosers show nothing: each call takes the next scripted answer of its
// kind, or cancels when none is left.
class ChooserScript {
public:
    ChooserScript();
    ~ChooserScript();
    ChooserScript(const ChooserScript&) = delete;
    ChooserScript& operator=(const ChooserScript&) = delete;

    void AnswerColour(std::optional<Colour> answer) { colours_.push_back(answer); }
    void AnswerFont(std::optional<FontChoice> answer) { fonts_.push_back(answer); }
    void AnswerFile(std::optional<std::string> answer) { files_.push_back(answer); }
    // How many choosers were opened, and what the last colour chooser was opened with.
    int Opened() const { return opened_; }
    Colour LastInitialColour() const { return lastInitialColour_; }
    const FontChoice& LastInitialFont() const { return lastInitialFont_; }

private:
    friend std::optional<Colour> PickColour(HWND, Colour);
    friend std::optional<FontChoice> PickFont(HWND, const FontChoice&);
    friend std::optional<std::string> PickFile(HWND, const FileRequest&);
    template <class T>
    std::optional<T> Next(std::deque<std::optional<T>>& answers);

    std::deque<std::optional<Colour>> colours_;
    std::deque<std::optional<FontChoice>> fonts_;
    std::deque<std::optional<std::string>> files_;
    int opened_ = 0;
    Colour lastInitialColour_;
    FontChoice lastInitialFont_;
    ChooserScript* previous_;
};

}  // namespace marvix
