#include "core/data_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

#include "core/error_text.h"
#include "core/file_system.h"
#include "core/safe_write.h"
#include "core/session.h"

namespace tessaly {

namespace {

void put_double(unsigned char* out, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  for (int i = 0; i < 8; ++i) out[i] = static_cast<unsigned char>(bits >> (8 * i));
}

double get_double(const unsigned char* in) {
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | in[i];
  double value = 0.0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

FileResult failure(FileStatus status, const char* step, int error_number) {
  FileResult result;
  result.status = status;
  result.error_number = error_number;
  result.detail = std::string(step) + ": " + error_text(error_number);
  return result;
}

// Reads until count bytes or end of file; returns the bytes read, or -1 on an error.
long read_fully(int fd, unsigned char* buffer, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const long n = file_system::read_some(fd, buffer + done, count - done);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      if (errno == EAGAIN) break;  // an empty FIFO: nothing to read now, and we never wait
      return -1;
    }
    done += static_cast<std::size_t>(n);
  }
  return static_cast<long>(done);
}

}  // namespace

void encode_plot_values(const Session& session, unsigned char* out) {
  for (int i = 0; i < kStoredPoints; ++i) put_double(out + 8 * i, session.plot_values_1[i]);
  for (int i = 0; i < kStoredPoints; ++i) {
    put_double(out + kDataBlockBytes + 8 * i, session.plot_values_2[i]);
  }
}

void decode_plot_values(Session& session, const unsigned char* bytes, std::size_t size) {
  std::fill(session.plot_values_1, session.plot_values_1 + kStoredPoints, 0.0);
  std::fill(session.plot_values_2, session.plot_values_2 + kStoredPoints, 0.0);
  // A value cut short by the end of the file keeps its bytes and zeros for the rest.
  unsigned char padded[kDataFileBytes] = {};
  // Zeroing alone passes no bytes at all, and memcpy must not see that null pointer.
  if (size > 0) std::memcpy(padded, bytes, std::min(size, kDataFileBytes));
  for (int i = 0; i < kStoredPoints; ++i) session.plot_values_1[i] = get_double(padded + 8 * i);
  for (int i = 0; i < kStoredPoints; ++i) {
    session.plot_values_2[i] = get_double(padded + kDataBlockBytes + 8 * i);
  }
}

FileResult read_data_file(Session& session, const std::string& path) {
  decode_plot_values(session, nullptr, 0);
  const int fd = file_system::open_file(path.c_str(), file_system::OpenFor::kReadingAtOnce);
  if (fd < 0) return failure(FileStatus::kOpenFailed, "open", errno);
  struct stat info;
  if (file_system::file_facts(fd, &info) != 0) {
    const int error_number = errno;
    file_system::close_file(fd);
    return failure(FileStatus::kOpenFailed, "stat", error_number);
  }
  if (!S_ISREG(info.st_mode)) {
    file_system::close_file(fd);
    return failure(FileStatus::kOpenFailed, "not a regular file",
                   S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
  }
  unsigned char bytes[kDataFileBytes];
  const long got = read_fully(fd, bytes, kDataFileBytes);
  const int read_error = errno;
  file_system::close_file(fd);
  if (got < 0) return failure(FileStatus::kReadFailed, "read", read_error);
  FileResult done;
  done.bytes_read = static_cast<std::size_t>(got);
  decode_plot_values(session, bytes, done.bytes_read);
  return done;
}

FileResult save_data_file(const Session& session, const std::string& path,
                          TemporaryFileWatch* watch) {
  unsigned char bytes[kDataFileBytes];
  encode_plot_values(session, bytes);
  const SafeWriteResult written =
      write_file_safely(path, bytes, kDataFileBytes, FifoReader::kMustBeThere, watch);
  if (!written.ok()) return failure(FileStatus::kWriteFailed, written.step, written.error_number);
  return {};
}

bool names_data_file(const std::string& path) {
  return path.find(".dat") != std::string::npos;
}

}  // namespace tessaly
