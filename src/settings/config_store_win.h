#pragma once

// Configuration files on disk: read whole, and written so that the old file survives any failure.

#include <optional>
#include <string>

namespace marvix {

std::optional<std::string> ReadConfigFile(const std::string& path);

// The path made whole against the current folder, as a message names a file; the path itself
// when Windows cannot.
std::string FullPathOf(const std::string& path);

// Writes to a new file beside the old one and puts it in the old one's place only when every
// byte is written: a full disk leaves the previous configuration as it was.
bool WriteConfigFile(const std::string& path, const std::string& text);

}  // namespace marvix
