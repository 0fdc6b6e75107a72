#pragma once

// The messages the clock window, its render tool and the settings windows say alike.

#include <string>
#include <string_view>

namespace marvix {

inline constexpr char kCannotLoadFile[] =
    "Unable to load specified file. File may not exist or be corrupt.";
inline constexpr char kCannotSaveFile[] = "Unable to save specified file.";
inline constexpr char kTooShortForAPicture[] = "It is too short to be a picture.";
inline constexpr char kCannotOpenGraphic[] = "Could not open the graphic file requested.";
// What a face file larger than the limit is told: at start-up, and when a configuration is loaded.
inline constexpr char kTooLargeAtStart[] = "File too large to place. Can be no larger than 3 Meg.";
inline constexpr char kTooLargeOnLoad[] = "File too large to place.";

// A message about a file: its sentence, then, after a blank line, the file's full name and, on
// the next line, what went wrong, when that is known.
inline std::string NamingFile(std::string_view sentence, std::string_view fullPath,
                              std::string_view problem = {}) {
    std::string text(sentence);
    (text += "\n\n") += fullPath;
    if (!problem.empty()) (text += '\n') += problem;
    return text;
}

}  // namespace marvix
