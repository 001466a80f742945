#include "tools/signal_cleanup.h"

#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tessaly::tools {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

// Read by the handler: plain storage, set only while the signals are blocked.
char pending_name[PATH_MAX + 32];
volatile sig_atomic_t have_pending = 0;
struct sigaction earlier[kSignalCount];
bool installed[kSignalCount];

void remove_and_pass_on(int signal_number) {
  if (have_pending) ::unlink(pending_name);
  for (int i = 0; i < kSignalCount; ++i) {
    if (kSignals[i] == signal_number) ::sigaction(signal_number, &earlier[i], nullptr);
  }
  // Blocked while this handler runs, it takes its earlier course as soon as the handler returns.
  ::raise(signal_number);
}

sigset_t guarded_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (int s : kSignals) sigaddset(&set, s);
  return set;
}

template <typename Action>
// Runs the action on the pending file, if any, with the signals held back, and forgets the
// file once the action has succeeded (it is then gone or no longer ours).
int forget_after(Action action) {
  const sigset_t set = guarded_signals();
  sigset_t before;
  ::pthread_sigmask(SIG_BLOCK, &set, &before);
  const int result = have_pending ? action() : 0;
  const int error_number = errno;
  if (result == 0) have_pending = 0;
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  errno = error_number;
  return result;
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
  if (std::strlen(pattern) >= sizeof pending_name) {
    errno = ENAMETOOLONG;
    return -1;
  }
  turn_.lock();
  const sigset_t set = guarded_signals();
  sigset_t before;
  ::pthread_sigmask(SIG_BLOCK, &set, &before);
  std::strcpy(pending_name, pattern);
  const int fd = ::mkstemp(pending_name);
  const int error_number = errno;
  have_pending = fd >= 0;
  if (fd >= 0) std::strcpy(pattern, pending_name);
  ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
  if (fd < 0) turn_.unlock();
  errno = error_number;
  return fd;
}

int SignalCleanup::rename_to(const char*, const char* target) {
  const int result = forget_after([target] { return ::rename(pending_name, target); });
  // A failed rename keeps the turn for the removal that follows it.
  if (result == 0) turn_.unlock();
  return result;
}

void SignalCleanup::remove(const char*) {
  if (!have_pending) return;
  forget_after([] {
    ::unlink(pending_name);
    return 0;
  });
  turn_.unlock();
}

}  // namespace tessaly::tools
