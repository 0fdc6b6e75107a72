#include "program/help_text.h"

namespace marvix {

std::vector<HelpTopic> ParseHelp(std::string_view text) {
    std::vector<HelpTopic> topics;
    bool paragraphOpen = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
        if (line.starts_with(';')) continue;
        if (line.starts_with("# ")) {
            const size_t bar = line.find('|');
            auto trimmed = [](std::string_view part) {
                while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
                while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
                return std::string(part);
            };
            topics.push_back(
                {trimmed(line.substr(2, bar == std::string_view::npos ? line.npos : bar - 2)),
                 bar == std::string_view::npos ? std::string() : trimmed(line.substr(bar + 1)),
                 {}});
            paragraphOpen = false;
        } else if (line.empty() || topics.empty()) {
            paragraphOpen = false;
        } else if (paragraphOpen) {
            topics.back().paragraphs.back().append(" ").append(line);
        } else {
            topics.back().paragraphs.emplace_back(line);
            paragraphOpen = true;
        }
    }
    return topics;
}

std::string TopicText(const HelpTopic& topic) {
    std::string text;
    for (const std::string& paragraph : topic.paragraphs) {
        if (!text.empty()) text += "\r\n\r\n";
        text += paragraph;
    }
    return text;
}

}  // namespace marvix
