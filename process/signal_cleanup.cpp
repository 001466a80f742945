#include "process/signal_cleanup.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tessaly::process {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// The temporary files of the writes in progress, one slot each. The handler reads them, so
// they are plain storage: a slot's name is written while it is not yet marked in use.
struct PendingFile {
  char name[PATH_MAX + 32];
  volatile sig_atomic_t in_use;
};
PendingFile pending[SignalCleanup::kMostPendingFiles];
struct sigaction earlier[kSignalCount];
bool installed[kSignalCount];

void remove_and_pass_on(int signal_number) {
  for (const PendingFile& file : pending) {
    if (file.in_use) ::unlink(file.name);
  }
  for (int i = 0; i < kSignalCount; ++i) {
    if (kSignals[i] == signal_number) ::sigaction(signal_number, &earlier[i], nullptr);
  }
  // Blocked while this handler runs, it takes its earlier course as soon as the handler returns.
  ::raise(signal_number);
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

PendingFile* find(const char* name) {
  for (PendingFile& file : pending) {
    if (file.in_use && std::strcmp(file.name, name) == 0) return &file;
  }
  return nullptr;
}

}  // namespace

SignalCleanup::SignalCleanup() {
  struct sigaction action {};
  action.sa_handler = remove_and_pass_on;
  sigemptyset(&action.sa_mask);
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
  std::unique_lock<std::mutex> lock(slots_);
  // More writes at once than slots: the others wait for one to finish.
  PendingFile* slot = nullptr;
  free_slot_.wait(lock, [&slot] {
    for (PendingFile& file : pending) {
      if (!file.in_use) {
        slot = &file;
        return true;
      }
    }
    return false;
  });
  const SignalsHeld held;
  std::strcpy(slot->name, pattern);
  const int fd = ::mkstemp(slot->name);
  if (fd < 0) return -1;
  std::strcpy(pattern, slot->name);
  slot->in_use = 1;
  return fd;
}

int SignalCleanup::rename_to(const char* name, const char* target) {
  const SignalsHeld held;
  const int result = ::rename(name, target);
  // Renamed, the name is no longer ours: a late signal must not remove whatever takes it.
  if (result == 0) release(name);
  return result;
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
    if (PendingFile* file = find(name)) file->in_use = 0;
  }
  free_slot_.notify_one();
  errno = error_number;
}

}  // namespace tessaly::process
