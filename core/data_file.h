// The data file: plot_values_1 then plot_values_2, 501 little-endian doubles each, no header.
#pragma once

#include <cstddef>
#include <string>

namespace tessaly {

struct Session;
class TemporaryFileWatch;

constexpr std::size_t kDataBlockBytes = 4008;
constexpr std::size_t kDataFileBytes = 2 * kDataBlockBytes;

enum class FileStatus {
  kOk,
  kOpenFailed,   // could not be opened for reading, or is not a regular file
  kReadFailed,   // opened, but reading stopped with an error
  kWriteFailed,  // creating, writing or replacing failed; the target is as it was
};

struct FileResult {
  FileStatus status = FileStatus::kOk;
  int error_number = 0;        // errno of the failing call, 0 when none applies
  std::string detail;          // the failing step and the system's text, for the user
  std::size_t bytes_read = 0;  // a read: how many of the file's bytes are in the arrays

  bool ok() const { return status == FileStatus::kOk; }
};

// Reads any file into the session's plot values: both arrays are zeroed first, then filled from the
// file's start; a short file leaves the rest zero and bytes past 8016 are ignored. Never blocks on
// a FIFO.
FileResult read_data_file(Session& session, const std::string& path);

// Writes the session's plot values, 8016 bytes, through write_file_safely: a file is replaced
// only when all of them are on disk, so a failed save leaves an existing file as it was; a
// link's target gets them.
FileResult save_data_file(const Session& session, const std::string& path,
                          TemporaryFileWatch* watch = nullptr);

// The save command's test for a data file name: ".dat" anywhere in the path, case-sensitive.
bool names_data_file(const std::string& path);

// The 8016 bytes of the arrays, and the arrays from up to 8016 bytes (the rest zero).
void encode_plot_values(const Session& session, unsigned char* out);
void decode_plot_values(Session& session, const unsigned char* bytes, std::size_t size);

}  // namespace tessaly
