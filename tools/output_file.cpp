#include "tools/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace tessaly::tools {

namespace {

std::string failed(const char* step, int error) {
  return std::string(step) + ": " + std::strerror(error);
}

bool write_all(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// The permissions a newly created file gets: 0666 less the umask.
mode_t new_file_mode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

std::string write_whole_file(const std::string& path, const std::string& bytes) {
  std::string pattern = path + ".XXXXXX";
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return failed("cannot create a file beside it", errno);
  std::string error;
  if (::fchmod(fd, new_file_mode()) != 0) {
    error = failed("cannot set its permissions", errno);
  } else if (!write_all(fd, bytes)) {
    error = failed("cannot write", errno);
  }
  if (::close(fd) != 0 && error.empty()) error = failed("cannot write", errno);
  if (error.empty() && std::rename(temporary.data(), path.c_str()) != 0) {
    error = failed("cannot replace it", errno);
  }
  if (!error.empty()) ::unlink(temporary.data());
  return error;
}

}  // namespace tessaly::tools
