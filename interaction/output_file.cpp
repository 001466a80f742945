#include "interaction/output_file.h"

#include <unistd.h>

#include <cerrno>

#include "core/error_text.h"
#include "core/safe_write.h"

namespace tessaly::interaction {

std::string write_whole_file(const std::string& path, const std::string& bytes,
                             TemporaryFileWatch* watch) {
  // A FIFO is waited on, as `tessaly-render ... >fifo` would be.
  const SafeWriteResult result =
      write_file_safely(path, bytes.data(), bytes.size(), FifoReader::kWaitForIt, watch);
  if (result.ok()) return std::string();
  return std::string(result.step) + ": " + error_text(result.error_number);
}

std::string write_standard_output(const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return std::string("write: ") + error_text(errno);
    done += static_cast<std::size_t>(n);
  }
  return std::string();
}

}  // namespace tessaly::interaction
