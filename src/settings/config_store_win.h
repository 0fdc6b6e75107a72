#pragma once

// Configuration files on disk: read whole, and written so that the old file survives any failure.

#include <optional>
#include <string>

namespace marvix {

// `error`, when given, receives the system's error code of a failure.
std::optional<std::string> ReadConfigFile(const std::string& path, unsigned long* error = nullptr);

// The path made whole against the current folder, as a message names a file; the path itself
// when Windows cannot.
std::string FullPathOf(const std::string& path);

// Writes to a new file beside the old one and puts it in the old one's place only when every
// byte is written: a full disk leaves the previous configuration as it was.
bool WriteConfigFile(const std::string& path, const std::string& text,
                     unsigned long* error = nullptr);

// What a system error code of a file operation means, in a person's words.
std::string FileProblemInWords(unsigned long error);

}  // namespace marvix
