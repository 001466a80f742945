// A saved curve to compare with: the last data file read, kept in the session's reference
// curve apart from the plot values that every sweep overwrites.
#pragma once

#include <cstddef>
#include <string>

#include "core/data_file.h"
#include "core/session.h"

namespace tessaly {

// Reads a data file into the plot values as the read command does, and keeps what it held as
// the reference, hidden until the data command. A read that fails leaves no reference.
FileResult load_data_file(Session& session, const std::string& path);
// The reference from what the plot values hold after a read of `bytes_read` bytes.
void keep_reference(Session& session, std::size_t bytes_read);

// The data command shows the reference (if a read left one), Clear hides it.
void show_reference(Session& session);
void hide_reference(Session& session);

}  // namespace tessaly
