#include "core/safe_write.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include <vector>

namespace tessaly {

namespace {

SafeWriteResult failed(const char* step, int error_number) {
  return SafeWriteResult{step, error_number};
}

bool write_all(int fd, const void* bytes, std::size_t size) {
  const char* at = static_cast<const char*>(bytes);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, at + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The mode a new file gets: 0666 less the umask. The umask is read from /proc rather than by
// setting it and putting it back, which would race with files other threads of a batch create
// in between (and could leave the process with the wrong umask).
mode_t new_file_mode() {
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
  return 0666 & ~mask;
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The name the kernel reached when it opened `fd` through a path.
bool opened_name(int fd, std::string& name) {
  char buffer[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), buffer, sizeof buffer);
  if (length < 0 || length == static_cast<ssize_t>(sizeof buffer)) return false;
  name.assign(buffer, static_cast<std::size_t>(length));
  return true;
}

// A device or FIFO: written where it is, since renaming over it would replace the special file.
SafeWriteResult write_in_place(const std::string& path, const void* bytes, std::size_t size,
                               FifoReader fifo) {
  // Without O_NONBLOCK, opening a FIFO waits for its reader; with it, a missing one is ENXIO.
  const int wait = fifo == FifoReader::kWaitForIt ? 0 : O_NONBLOCK;
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | wait);
  if (fd < 0) return failed("open", errno);
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  SafeWriteResult result;
  if (!write_all(fd, bytes, size)) result = failed("write", errno);
  if (::close(fd) != 0 && result.ok()) result = failed("close", errno);
  return result;
}

// Without a watch the temporary file is created, renamed and removed as it is.
class Unwatched final : public TemporaryFileWatch {
 public:
  int create(char* pattern) override { return ::mkstemp(pattern); }
  int rename_to(const char* name, const char* target) override { return ::rename(name, target); }
  void remove(const char* name) override { ::unlink(name); }
};

// Makes the temporary file look like the one it replaces: its owner (where the system lets us)
// before its mode, since a change of owner clears set-user-ID bits.
bool take_over_attributes(int fd, const struct stat* replaced) {
  if (replaced == nullptr) return ::fchmod(fd, new_file_mode()) == 0;
  if (::fchown(fd, replaced->st_uid, replaced->st_gid) != 0) {
    (void)::fchown(fd, static_cast<uid_t>(-1), replaced->st_gid);
  }
  return ::fchmod(fd, replaced->st_mode & 07777) == 0;
}

// Writes a temporary file beside `target`, syncs it and renames it over `target`; then syncs
// the folder so that the new name survives a crash. The folder's sync comes after the file is
// in place, so its failure cannot undo the save and is not reported.
SafeWriteResult replace_whole(const std::string& target, const struct stat* replaced,
                              const void* bytes, std::size_t size, TemporaryFileWatch& watch) {
  const std::string folder = folder_of(target);
  // Short, so that a target name near the length limit still has a temporary beside it.
  const std::string pattern = folder + ".tessaly-save.XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = watch.create(name.data());
  if (fd < 0) return failed("create", errno);
  SafeWriteResult result;
  if (!take_over_attributes(fd, replaced)) {
    result = failed("chmod", errno);
  } else if (!write_all(fd, bytes, size)) {
    result = failed("write", errno);
  } else if (::fsync(fd) != 0) {
    result = failed("sync", errno);
  }
  if (::close(fd) != 0 && result.ok()) result = failed("close", errno);
  if (result.ok() && watch.rename_to(name.data(), target.c_str()) != 0) {
    result = failed("rename", errno);
  }
  if (!result.ok()) {
    watch.remove(name.data());
    return result;
  }
  const int folder_fd =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd >= 0) {
    (void)::fsync(folder_fd);
    ::close(folder_fd);
  }
  return result;
}

}  // namespace

SafeWriteResult write_file_safely(const std::string& path, const void* bytes, std::size_t size,
                                  FifoReader fifo, TemporaryFileWatch* watch) {
  Unwatched unwatched;
  TemporaryFileWatch& temporary = watch != nullptr ? *watch : unwatched;
  struct stat link_info;
  const bool is_link = ::lstat(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode);
  // Opening through the path lets the kernel decide whether a link may be followed.
  int fd = ::open(path.c_str(), O_PATH | O_CLOEXEC);
  bool created = false;
  if (fd < 0 && errno == ENOENT && is_link) {
    // A dangling link: the kernel creates the file it names, as a plain open for writing would.
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_CLOEXEC, new_file_mode());
    created = fd >= 0;
  }
  // A link whose file cannot be made (its folder is missing) fails: the link itself must not
  // be replaced.
  if (fd < 0 && (errno != ENOENT || is_link)) return failed("create", errno);
  if (fd < 0) return replace_whole(path, nullptr, bytes, size, temporary);  // a new name

  struct stat info;
  std::string target = path;
  const bool known = ::fstat(fd, &info) == 0 && (!is_link || opened_name(fd, target));
  const int error_number = errno;
  ::close(fd);
  if (!known) return failed("create", error_number);
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode) ||
      S_ISSOCK(info.st_mode)) {
    // Through the path again: the name a pipe or socket was opened under is no path.
    return write_in_place(path, bytes, size, fifo);
  }
  // A regular file is replaced; a folder stays a folder, refused at the rename.
  const SafeWriteResult result = replace_whole(
      target, S_ISREG(info.st_mode) && !created ? &info : nullptr, bytes, size, temporary);
  if (!result.ok() && created) ::unlink(target.c_str());
  return result;
}

}  // namespace tessaly
