// Removes the temporary file of a write in progress when SIGINT, SIGTERM or SIGHUP ends the
// process: the renderer and the window each keep one for the whole run and hand it to their
// writes.
#pragma once

#include <condition_variable>
#include <mutex>

#include "core/safe_write.h"

namespace tessaly::process {

// While it lives, the files being written are unlinked by those signals before they take their
// earlier course (a signal that was ignored stays ignored). The threads of a batch write at
// once, each with a temporary file of its own.
class SignalCleanup final : public TemporaryFileWatch {
 public:
  SignalCleanup();
  ~SignalCleanup() override;
  SignalCleanup(const SignalCleanup&) = delete;
  SignalCleanup& operator=(const SignalCleanup&) = delete;

  static constexpr int kMostPendingFiles = 64;

  // mkstemp with the signals held back until the name is registered, so that no signal falls
  // between the file's creation and its registration.
  int create(char* pattern) override;
  int rename_to(const char* name, const char* target) override;
  void remove(const char* name) override;

 private:
  void release(const char* name);

  std::mutex slots_;
  std::condition_variable free_slot_;
};

}  // namespace tessaly::process
