// Removes the temporary file of a write in progress when SIGINT, SIGTERM or SIGHUP ends the
// process: the renderer and the window each keep one for the whole run and hand it to their
// writes.
#pragma once

#include <limits.h>
#include <signal.h>

#include <condition_variable>
#include <mutex>

#include "core/safe_write.h"

namespace tessaly::process {

// One temporary file a signal would remove; see signal_cleanup.cpp.
struct PendingFile {
  char name[PATH_MAX + 32];
  volatile sig_atomic_t in_use;
};

// While it lives, the files being written are unlinked by those signals before they take their
// earlier course (a signal that was ignored stays ignored). The threads of a batch write at
// once, each with a temporary file of its own: once a signal arrives, none of them creates or
// renames another, so the handler's removal is the last word.
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
  bool stopping() const override;

 private:
  void release(const char* name);
  void free_slot(PendingFile& slot);

  std::mutex slots_;
  std::condition_variable free_slot_;
};

}  // namespace tessaly::process
