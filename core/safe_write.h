// Writing a file so that what was there is never harmed: a regular file (or a new name) is
// replaced whole by a rename, anything else (a device, a FIFO) is written to directly.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <string>

namespace tessaly {

// Told of the temporary file a write keeps beside its target while the file exists, so that
// whoever owns the process can remove it if a signal ends the process meanwhile.
class TemporaryFileWatch {
 public:
  virtual ~TemporaryFileWatch() = default;
  // mkstemp on `pattern` (ending in XXXXXX, which it fills in); -1 with errno set on failure.
  virtual int create(char* pattern) = 0;
  // Renames the file to `target`, or removes it; either way it is no longer watched.
  virtual int rename_to(const char* name, const char* target) = 0;
  virtual void remove(const char* name) = 0;
  // True once a signal is ending the process: whoever writes many files starts no other.
  virtual bool stopping() const { return false; }
};

// What a FIFO without a reader does to a write: fail at once (a window must not hang), or wait
// for the reader as a shell's redirection does.
enum class FifoReader { kMustBeThere, kWaitForIt };

struct SafeWriteResult {
  const char* step = nullptr;  // the failing step ("create", "write", "rename", ...), or none
  int error_number = 0;        // errno of that step

  bool ok() const { return step == nullptr; }
};

// The step a write fails at when its target is a link it must not follow (with EACCES).
inline constexpr char kPlantedLinkStep[] = "a link of another user in a shared sticky folder";

// The kernel's rule for protected links, applied whatever the kernel's own setting: in a
// sticky folder anyone may write to (/tmp), a link is followed only when it belongs to the
// writer or to the folder's owner; otherwise another user may have planted it to send the
// bytes over a file of the writer's.
bool may_follow_link(const struct stat& link, const struct stat& folder, uid_t writer);

// Writes `size` bytes to `path`. A regular file is replaced by a temporary file written beside
// it, synced and renamed over it, keeping its mode and, where allowed, its owner; a failure
// leaves it as it was and no temporary file behind (with a watch, even when a signal ends the
// process during the write). Symbolic links are followed as the kernel follows them when
// opening the path, and never where may_follow_link refuses: the file at the end gets the
// bytes, and a dangling link gets its file. Devices and FIFOs are written to in place.
SafeWriteResult write_file_safely(const std::string& path, const void* bytes, std::size_t size,
                                  FifoReader fifo = FifoReader::kMustBeThere,
                                  TemporaryFileWatch* watch = nullptr);

}  // namespace tessaly
