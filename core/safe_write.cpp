#include "core/safe_write.h"

#include <cerrno>
#include <string>
#include <vector>

#include "core/file_system.h"

namespace tessaly {

namespace fs = file_system;

namespace {

SafeWriteResult failed(const char* step, int error_number) {
  return SafeWriteResult{step, error_number};
}

bool write_all(int fd, const void* bytes, std::size_t size) {
  const char* at = static_cast<const char*>(bytes);
  std::size_t done = 0;
  while (done < size) {
    const long n = fs::write_some(fd, at + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = ENOSPC;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The mode a new file gets: 0666 less the umask.
mode_t new_file_mode() {
  return 0666 & ~fs::creation_mask();
}

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A device or FIFO: written where it is, since renaming over it would replace the special file.
SafeWriteResult write_in_place(const std::string& path, const void* bytes, std::size_t size,
                               FifoReader fifo) {
  const int fd =
      fs::open_file(path.c_str(), fifo == FifoReader::kWaitForIt ? fs::OpenFor::kWriting
                                                                 : fs::OpenFor::kWritingAtOnce);
  if (fd < 0) return failed("open", errno);
  SafeWriteResult result;
  if (!write_all(fd, bytes, size)) result = failed("write", errno);
  if (fs::close_file(fd) != 0 && result.ok()) result = failed("close", errno);
  return result;
}

// Without a watch the temporary file is created, renamed and removed as it is.
class Unwatched final : public TemporaryFileWatch {
 public:
  int create(char* pattern) override { return fs::create_unique(pattern); }
  int rename_to(const char* name, const char* target) override {
    return fs::rename_file(name, target);
  }
  void remove(const char* name) override { fs::remove_file(name); }
};

// Makes the temporary file look like the one it replaces: its owner (where the system lets us)
// before its mode, since a change of owner clears set-user-ID bits.
bool take_over_attributes(int fd, const struct stat* replaced) {
  if (replaced == nullptr) return fs::change_mode(fd, new_file_mode()) == 0;
  if (fs::change_owner(fd, replaced->st_uid, replaced->st_gid) != 0) {
    (void)fs::change_owner(fd, static_cast<uid_t>(-1), replaced->st_gid);
  }
  return fs::change_mode(fd, replaced->st_mode & 07777) == 0;
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
  } else if (fs::sync_file(fd) != 0) {
    result = failed("sync", errno);
  }
  if (fs::close_file(fd) != 0 && result.ok()) result = failed("close", errno);
  if (result.ok() && watch.rename_to(name.data(), target.c_str()) != 0) {
    result = failed("rename", errno);
  }
  if (!result.ok()) {
    watch.remove(name.data());
    return result;
  }
  const int folder_fd =
      fs::open_file(folder.empty() ? "." : folder.c_str(), fs::OpenFor::kSyncingFolder);
  if (folder_fd >= 0) {
    (void)fs::sync_file(folder_fd);
    fs::close_file(folder_fd);
  }
  return result;
}

}  // namespace

bool may_follow_link(const struct stat& link, const struct stat& folder, uid_t writer) {
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || link.st_uid == writer || link.st_uid == folder.st_uid;
}

SafeWriteResult write_file_safely(const std::string& path, const void* bytes, std::size_t size,
                                  FifoReader fifo, TemporaryFileWatch* watch) {
  Unwatched unwatched;
  TemporaryFileWatch& temporary = watch != nullptr ? *watch : unwatched;
  struct stat link_info;
  const bool is_link = fs::link_facts(path.c_str(), &link_info) == 0 && S_ISLNK(link_info.st_mode);
  if (is_link) {
    // Whatever the kernel's fs.protected_symlinks says, a link another user planted in a
    // shared folder (/tmp) is not followed: it could send the bytes over any file we may write.
    const std::string folder = folder_of(path);
    struct stat folder_info;
    if (fs::link_facts(folder.empty() ? "." : folder.c_str(), &folder_info) != 0) {
      return failed("create", errno);
    }
    if (!may_follow_link(link_info, folder_info, fs::effective_user())) {
      return failed(kPlantedLinkStep, EACCES);
    }
  }
  // Opening through the path lets the kernel decide whether a link may be followed.
  int fd = fs::open_file(path.c_str(), fs::OpenFor::kLooking);
  bool created = false;
  if (fd < 0 && errno == ENOENT && is_link) {
    // A dangling link: the kernel creates the file it names, as a plain open for writing would.
    fd = fs::open_file(path.c_str(), fs::OpenFor::kCreating, new_file_mode());
    created = fd >= 0;
  }
  // A link whose file cannot be made (its folder is missing) fails: the link itself must not
  // be replaced.
  if (fd < 0 && (errno != ENOENT || is_link)) return failed("create", errno);
  if (fd < 0) return replace_whole(path, nullptr, bytes, size, temporary);  // a new name

  struct stat info;
  std::string target = path;
  const bool known = fs::file_facts(fd, &info) == 0 && (!is_link || fs::opened_name(fd, target));
  const int error_number = errno;
  fs::close_file(fd);
  if (!known) return failed("create", error_number);
  if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISFIFO(info.st_mode) ||
      S_ISSOCK(info.st_mode)) {
    // Through the path again: the name a pipe or socket was opened under is no path.
    return write_in_place(path, bytes, size, fifo);
  }
  // A regular file is replaced; a folder stays a folder, refused at the rename.
  const SafeWriteResult result = replace_whole(
      target, S_ISREG(info.st_mode) && !created ? &info : nullptr, bytes, size, temporary);
  if (!result.ok() && created) fs::remove_file(target.c_str());
  return result;
}

}  // namespace tessaly
