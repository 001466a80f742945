// Removes a temporary file when SIGINT, SIGTERM or SIGHUP ends the process while it exists.
#pragma once

namespace tessaly {

// While a guard lives, its file is unlinked by those signals before they take their earlier
// course (a signal that was ignored stays ignored). One guard at a time.
class TemporaryFileGuard {
 public:
  TemporaryFileGuard();
  ~TemporaryFileGuard();
  TemporaryFileGuard(const TemporaryFileGuard&) = delete;
  TemporaryFileGuard& operator=(const TemporaryFileGuard&) = delete;

  // mkstemp on `pattern` (ending in XXXXXX) with the signals held back until the name is
  // registered, so that no signal falls between the file's creation and its registration.
  // Returns the descriptor, or -1 with errno set.
  int create(const char* pattern);
  // Renames the file to `target` (forgotten once renamed), or removes it, with the signals
  // held back so that a late signal cannot remove a name that is no longer ours.
  int rename_to(const char* target);
  void remove();
};

}  // namespace tessaly
