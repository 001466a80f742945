// Removes the temporary file of a write in progress when SIGINT, SIGTERM or SIGHUP ends the
// process: the renderer and the window each keep one for the whole run and hand it to their
// writes.
#pragma once

#include <mutex>

#include "core/safe_write.h"

namespace tessaly::tools {

// While it lives, the file being written is unlinked by those signals before they take their
// earlier course (a signal that was ignored stays ignored). Writes through it take turns: one
// temporary file exists at a time, whatever thread writes.
class SignalCleanup final : public TemporaryFileWatch {
 public:
  SignalCleanup();
  ~SignalCleanup() override;
  SignalCleanup(const SignalCleanup&) = delete;
  SignalCleanup& operator=(const SignalCleanup&) = delete;

  // mkstemp with the signals held back until the name is registered, so that no signal falls
  // between the file's creation and its registration; the write then holds the turn until its
  // file is renamed or removed.
  int create(char* pattern) override;
  int rename_to(const char* name, const char* target) override;
  void remove(const char* name) override;

 private:
  std::mutex turn_;
};

}  // namespace tessaly::tools
