#include "tools/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

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

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// A new file beside the target with a name of its own, created 0666 less the umask as any new
// file is. (Reading the umask means setting it, which would race with other renders' files.)
int create_beside(const std::string& path, std::string& temporary) {
  std::random_device random;
  std::uniform_int_distribution<int> letter(0, sizeof kLetters - 2);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path + ".";
    for (int i = 0; i < 6; ++i) temporary += kLetters[letter(random)];
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::string write_whole_file(const std::string& path, const std::string& bytes) {
  std::string temporary;
  const int fd = create_beside(path, temporary);
  if (fd < 0) return failed("cannot create a file beside it", errno);
  std::string error;
  if (!write_all(fd, bytes)) error = failed("cannot write", errno);
  if (::close(fd) != 0 && error.empty()) error = failed("cannot write", errno);
  if (error.empty() && std::rename(temporary.c_str(), path.c_str()) != 0) {
    error = failed("cannot replace it", errno);
  }
  if (!error.empty()) ::unlink(temporary.c_str());
  return error;
}

}  // namespace tessaly::tools
