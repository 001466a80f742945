// Where the renderer's result goes: a file, written so that nothing there is harmed, or
// standard output.
#pragma once

#include <string>

#include "core/safe_write.h"

namespace tessaly::interaction {

// Writes the bytes to `path` through write_file_safely: a regular file is replaced whole, a
// device or FIFO is written in place. Returns an empty string on success, else the failing
// step and the system's reason.
// `watch`, where given, removes the temporary file if a signal ends the process meanwhile.
std::string write_whole_file(const std::string& path, const std::string& bytes,
                             TemporaryFileWatch* watch = nullptr);

// Writes the bytes to standard output; the same kind of answer.
std::string write_standard_output(const std::string& bytes);

}  // namespace tessaly::interaction
