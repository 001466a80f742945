// The data file reader on any file contents, and the writer on what the reader produced.
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/data_file.h"
#include "core/session.h"
#include "fuzz/fuzz_input.h"

namespace {

using tessaly::fuzz::check;

std::string& folder() {
  static std::string path;
  return path;
}

void remove_folder() {
  ::unlink((folder() + "/input.dat").c_str());
  ::unlink((folder() + "/output.dat").c_str());
  ::rmdir(folder().c_str());
}

void make_folder() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/tessaly-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) tessaly::fuzz::fail("mkdtemp");
  folder() = pattern;
  std::atexit(remove_folder);
}

void write_file(const std::string& path, const std::uint8_t* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  check(fd >= 0, "open the input file");
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    check(n > 0, "write the input file");
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
}

std::size_t read_file(const std::string& path, unsigned char* out, std::size_t capacity) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  check(fd >= 0, "open the saved file");
  std::size_t done = 0;
  while (done < capacity) {
    const ssize_t n = ::read(fd, out + done, capacity - done);
    check(n >= 0, "read the saved file");
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  return done;
}

std::size_t folder_entry_count() {
  DIR* dir = ::opendir(folder().c_str());
  std::size_t count = 0;
  while (dirent* entry = ::readdir(dir)) {
    if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) ++count;
  }
  ::closedir(dir);
  return count;
}

// The value a file gives entry `index` of the 1002 stored: its little-endian bytes as far as
// the file reaches, zeros beyond.
std::uint64_t expected_bits(const std::uint8_t* data, std::size_t size, std::size_t index) {
  std::uint64_t bits = 0;
  for (std::size_t b = 0; b < 8; ++b) {
    const std::size_t at = 8 * index + b;
    if (at < size) bits |= static_cast<std::uint64_t>(data[at]) << (8 * b);
  }
  return bits;
}

std::uint64_t bits_of(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaly;
  if (folder().empty()) make_folder();
  const std::string input = folder() + "/input.dat";
  const std::string output = folder() + "/output.dat";
  write_file(input, data, size);

  // Values held before the read must not survive it.
  Session session;
  for (int i = 0; i < kStoredPoints; ++i) session.plot_values_1[i] = session.plot_values_2[i] = 7.0;
  check(read_data_file(session, input).ok(), "a regular file of any contents reads");
  for (int i = 0; i < kStoredPoints; ++i) {
    check(
        bits_of(session.plot_values_1[i]) == expected_bits(data, size, static_cast<std::size_t>(i)),
        "plot_values_1 holds the first block's bytes");
    check(bits_of(session.plot_values_2[i]) ==
              expected_bits(data, size, static_cast<std::size_t>(kStoredPoints + i)),
          "plot_values_2 holds the second block's bytes");
  }

  // Saving what was read gives the file's first 8016 bytes, zero-padded.
  check(save_data_file(session, output).ok(), "the save succeeds");
  unsigned char saved[kDataFileBytes + 1];
  check(read_file(output, saved, sizeof saved) == kDataFileBytes, "a saved file has 8016 bytes");
  for (std::size_t i = 0; i < kDataFileBytes; ++i) {
    check(saved[i] == (i < size ? data[i] : 0), "the saved bytes are the bytes read");
  }
  check(folder_entry_count() == 2, "no temporary file is left behind");
  return 0;
}
