// The native build's file system calls: the system's own.
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/file_system.h"

namespace tessaly::file_system {

namespace {

int flags_for(OpenFor purpose) {
  switch (purpose) {
    case OpenFor::kLooking:
      return O_PATH | O_CLOEXEC;
    case OpenFor::kWriting:
      return O_WRONLY | O_NOCTTY | O_CLOEXEC;
    case OpenFor::kWritingAtOnce:
      // With O_NONBLOCK a FIFO without a reader is ENXIO; the writes themselves then wait.
      return O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK;
    case OpenFor::kCreating:
      return O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC;
    case OpenFor::kSyncingFolder:
      return O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    case OpenFor::kReadingAtOnce:
      return O_RDONLY | O_NONBLOCK | O_CLOEXEC;
  }
  return O_PATH | O_CLOEXEC;
}

}  // namespace

int open_file(const char* path, OpenFor purpose, mode_t mode) {
  const int fd = ::open(path, flags_for(purpose), mode);
  if (fd >= 0 && purpose == OpenFor::kWritingAtOnce) {
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  }
  return fd;
}

int close_file(int fd) {
  return ::close(fd);
}
int file_facts(int fd, struct stat* facts) {
  return ::fstat(fd, facts);
}
int link_facts(const char* path, struct stat* facts) {
  return ::lstat(path, facts);
}
long read_some(int fd, void* buffer, std::size_t size) {
  return ::read(fd, buffer, size);
}
long write_some(int fd, const void* bytes, std::size_t size) {
  return ::write(fd, bytes, size);
}
int sync_file(int fd) {
  return ::fsync(fd);
}
int change_owner(int fd, uid_t owner, gid_t group) {
  return ::fchown(fd, owner, group);
}
int change_mode(int fd, mode_t mode) {
  return ::fchmod(fd, mode);
}
int create_unique(char* pattern) {
  return ::mkstemp(pattern);
}
int rename_file(const char* from, const char* to) {
  return ::rename(from, to);
}
int remove_file(const char* path) {
  return ::unlink(path);
}

bool opened_name(int fd, std::string& name) {
  char buffer[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), buffer, sizeof buffer);
  if (length < 0 || length == static_cast<ssize_t>(sizeof buffer)) return false;
  name.assign(buffer, static_cast<std::size_t>(length));
  return true;
}

// Read from /proc rather than by setting the mask and putting it back, which would race with
// files other threads of a batch create in between.
mode_t creation_mask() {
  mode_t mask = 022;  // where /proc is not there to ask
  if (FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      unsigned int value = 0;
      if (std::sscanf(line, "Umask: %o", &value) == 1) {
        mask = static_cast<mode_t>(value);
        break;
      }
    }
    std::fclose(status);
  }
  return mask;
}

uid_t effective_user() {
  return ::geteuid();
}

}  // namespace tessaly::file_system
