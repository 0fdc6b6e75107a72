#pragma once

// The help's text: topics, each a title and paragraphs, read from the one resource file a
// translator replaces (help.txt). In the file a line "# key | Title" starts a topic; its
// paragraphs follow, separated by blank lines, and the lines of one paragraph are joined with
// spaces so that the window wraps them. Lines starting with ";" are notes for the translator.

#include <string>
#include <string_view>
#include <vector>

namespace marvix {

struct HelpTopic {
    std::string key;    // "contents", or the settings window's class: "TForm2"
    std::string title;  // what the list of topics shows
    std::vector<std::string> paragraphs;
};

std::vector<HelpTopic> ParseHelp(std::string_view text);

// The topic's text as a multi-line edit shows it: paragraphs one blank line apart.
std::string TopicText(const HelpTopic& topic);

}  // namespace marvix
