#include "windows/login_start.h"

#include "base/ascii.h"

namespace marvix {

std::string RunCommandFor(std::string_view programPath) {
    return "\"" + std::string(programPath) + "\"";
}

bool RunsProgram(std::string_view command, std::string_view programPath) {
    while (!command.empty() && command.front() == ' ') command.remove_prefix(1);
    std::string_view program;
    if (!command.empty() && command.front() == '"') {
        const size_t close = command.find('"', 1);
        if (close == std::string_view::npos) return false;
        program = command.substr(1, close - 1);
    } else {
        program = command.substr(0, command.find(' '));
    }
    return !program.empty() && EqualsIgnoringAsciiCase(program, programPath);
}

}  // namespace marvix
