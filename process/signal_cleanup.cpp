#include "process/signal_cleanup.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace tessaly::process {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// The temporary files of the writes in progress, one slot each. The handler reads them, so
// they are plain storage: a slot's name is written while it is only reserved, and the handler
// removes only the files of watching slots.
enum : sig_atomic_t { kFree, kReserved, kWatched };

PendingFile pending[SignalCleanup::kMostPendingFiles];
struct sigaction earlier[kSignalCount];
bool installed[kSignalCount];
// Set by the handler before it removes anything. A thread about to create or rename a
// temporary file first counts itself in `busy`, then looks at `stopping_now`; the handler
// sets `stopping_now`, then waits for `busy` to fall to zero. Either the thread sees the
// signal and leaves the file alone, or the handler waits until the thread's file is watched
// (or renamed and released) before it removes the watched ones.
std::atomic<bool> stopping_now{false};
std::atomic<int> busy{0};
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "the signal handler reads them");

void remove_and_pass_on(int signal_number) {
  stopping_now.store(true);
  while (busy.load() != 0) {
    const struct timespec pause = {0, 100000};
    ::nanosleep(&pause, nullptr);
  }
  for (const PendingFile& file : pending) {
    if (file.in_use == kWatched) ::unlink(file.name);
  }
  bool ends_process = true;
  for (int i = 0; i < kSignalCount; ++i) {
    if (kSignals[i] != signal_number) continue;
    ::sigaction(signal_number, &earlier[i], nullptr);
    ends_process = earlier[i].sa_handler == SIG_DFL;
  }
  // Blocked while this handler runs, it takes its earlier course as soon as the handler returns.
  ::raise(signal_number);
  if (!ends_process) stopping_now.store(false);
}

// Holds the signals back in this thread for its lifetime, so that no signal falls between a
// file's creation and its registration, or between its rename and its release.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kSignals) sigaddset(&set, s);
    ::pthread_sigmask(SIG_BLOCK, &set, &before_);
  }
  ~SignalsHeld() {
    const int error_number = errno;
    ::pthread_sigmask(SIG_SETMASK, &before_, nullptr);
    errno = error_number;
  }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t before_;
};

// Counts the thread in `busy` while it creates or renames a temporary file. If a signal has
// come, the thread waits (with its signals held, it cannot be the one that runs the handler)
// for the end the handler is bringing, or, where an earlier handler lets the process go on,
// until the handler is done.
class FileStep {
 public:
  FileStep() {
    busy.fetch_add(1);
    while (stopping_now.load()) {
      busy.fetch_sub(1);
      const struct timespec pause = {0, 1000000};
      ::nanosleep(&pause, nullptr);
      busy.fetch_add(1);
    }
  }
  ~FileStep() { busy.fetch_sub(1); }
  FileStep(const FileStep&) = delete;
  FileStep& operator=(const FileStep&) = delete;
};

PendingFile* find(const char* name) {
  for (PendingFile& file : pending) {
    if (file.in_use == kWatched && std::strcmp(file.name, name) == 0) return &file;
  }
  return nullptr;
}

}  // namespace

SignalCleanup::SignalCleanup() {
  struct sigaction action {};
  action.sa_handler = remove_and_pass_on;
  // One handler at a time per thread: a second signal waits for the first one's end.
  sigemptyset(&action.sa_mask);
  for (int s : kSignals) sigaddset(&action.sa_mask, s);
  for (int i = 0; i < kSignalCount; ++i) {
    installed[i] = false;
    if (::sigaction(kSignals[i], nullptr, &earlier[i]) != 0) continue;
    if (earlier[i].sa_handler == SIG_IGN) continue;
    installed[i] = ::sigaction(kSignals[i], &action, nullptr) == 0;
  }
}

SignalCleanup::~SignalCleanup() {
  for (int i = 0; i < kSignalCount; ++i) {
    if (installed[i]) ::sigaction(kSignals[i], &earlier[i], nullptr);
  }
}

int SignalCleanup::create(char* pattern) {
  if (std::strlen(pattern) >= sizeof pending[0].name) {
    errno = ENAMETOOLONG;
    return -1;
  }
  // The slots' lock is only taken with the signals held and never kept while waiting in a
  // FileStep: the handler waits for every FileStep to end, so it must never wait on a thread
  // that waits on the lock.
  const SignalsHeld held;
  PendingFile* slot = nullptr;
  {
    std::unique_lock<std::mutex> lock(slots_);
    // More writes at once than slots: the others wait for one to finish.
    free_slot_.wait(lock, [&slot] {
      for (PendingFile& file : pending) {
        if (file.in_use == kFree) {
          slot = &file;
          return true;
        }
      }
      return false;
    });
    slot->in_use = kReserved;
  }
  const FileStep step;
  std::strcpy(slot->name, pattern);
  const int fd = ::mkstemp(slot->name);
  if (fd < 0) {
    free_slot(*slot);
    return -1;
  }
  std::strcpy(pattern, slot->name);
  slot->in_use = kWatched;
  return fd;
}

int SignalCleanup::rename_to(const char* name, const char* target) {
  const SignalsHeld held;
  const FileStep step;
  const int result = ::rename(name, target);
  // Renamed, the name is no longer ours: a late signal must not remove whatever takes it.
  if (result == 0) release(name);
  return result;
}

bool SignalCleanup::stopping() const {
  return stopping_now.load();
}

void SignalCleanup::remove(const char* name) {
  const SignalsHeld held;
  ::unlink(name);
  release(name);
}

void SignalCleanup::release(const char* name) {
  const int error_number = errno;
  {
    const std::lock_guard<std::mutex> lock(slots_);
    if (PendingFile* file = find(name)) file->in_use = kFree;
  }
  free_slot_.notify_one();
  errno = error_number;
}

void SignalCleanup::free_slot(PendingFile& slot) {
  const int error_number = errno;
  {
    const std::lock_guard<std::mutex> lock(slots_);
    slot.in_use = kFree;
  }
  free_slot_.notify_one();
  errno = error_number;
}

}  // namespace tessaly::process
