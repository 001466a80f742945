// Results are written whole or not at all.
#pragma once

#include <string>

namespace tessaly::tools {

// Writes the bytes to a new file beside `path` and renames it over `path` once complete.
// Returns an empty string on success, else the failing step and the system's reason.
std::string write_whole_file(const std::string& path, const std::string& bytes);

}  // namespace tessaly::tools
