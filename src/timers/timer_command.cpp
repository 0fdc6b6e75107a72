#include "timers/timer_command.h"

#include <cctype>
#include <vector>

#include "timers/timer_length.h"

namespace marvix {

namespace {

// The words of a command line, as Windows' own programs split one: spaces part them, and a pair
// of double quotes keeps the spaces between them.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
            if (any) words.push_back(std::move(word));
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any) words.push_back(std::move(word));
    return words;
}

bool IsOption(const std::string& word, std::string_view name) {
    if (word.size() != name.size() + 1 || (word[0] != '/' && word[0] != '-')) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(word[i + 1])) != name[i]) return false;
    return true;
}

TimerCommand Command(TimerCommand::Kind kind) {
    TimerCommand command;
    command.kind = kind;
    return command;
}

}  // namespace

std::optional<TimerCommand> ParseTimerCommand(std::string_view arguments) {
    const std::vector<std::string> words = Words(arguments);
    using Kind = TimerCommand::Kind;
    if (words.empty()) return TimerCommand{};
    if (IsOption(words[0], "stopwatch") && words.size() == 1) return Command(Kind::Stopwatch);
    if (IsOption(words[0], "timers") && words.size() == 1) return Command(Kind::TimersWindow);
    if (!IsOption(words[0], "timer") || words.size() < 2) return std::nullopt;
    const std::optional<int64_t> seconds = ParseTimerLength(words[1]);
    if (!seconds) return std::nullopt;
    TimerCommand command = Command(Kind::Timer);
    command.seconds = *seconds;
    for (size_t i = 2; i < words.size(); ++i) command.label += (i > 2 ? " " : "") + words[i];
    return command;
}

}  // namespace marvix
