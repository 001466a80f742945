#include "core/data_file.h"

#include <dirent.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/session.h"

namespace tessaly {
namespace {

// What a save left behind, as seen from where it ran: its result, the folder's entries and
// the bytes of one file there.
struct SaveOutcome {
  FileStatus status = FileStatus::kOk;
  int error_number = 0;
  std::string detail;
  std::vector<std::string> entries;
  std::vector<unsigned char> kept;
};

std::string encode(const SaveOutcome& o) {
  std::ostringstream out;
  out << static_cast<int>(o.status) << '\n' << o.error_number << '\n' << o.detail << '\n';
  out << o.entries.size() << '\n';
  for (const std::string& e : o.entries) out << e << '\n';
  out << o.kept.size() << '\n';
  out.write(reinterpret_cast<const char*>(o.kept.data()), static_cast<long>(o.kept.size()));
  return out.str();
}

SaveOutcome decode(const std::string& text) {
  std::istringstream in(text);
  SaveOutcome o;
  int status = 0;
  std::size_t count = 0;
  in >> status >> o.error_number;
  in.ignore();
  std::getline(in, o.detail);
  o.status = static_cast<FileStatus>(status);
  in >> count;
  in.ignore();
  o.entries.resize(count);
  for (std::string& e : o.entries) std::getline(in, e);
  in >> count;
  in.ignore();
  o.kept.resize(count);
  in.read(reinterpret_cast<char*>(o.kept.data()), static_cast<long>(count));
  return o;
}

// Runs `body` in a child process, which may change what it alone sees (its own mounts, fewer
// privileges) without touching the test process. The child writes its outcome, or a line
// starting "skip:" when it could not arrange what the case needs.
std::string in_child(const std::function<std::string()>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return "skip: no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    const std::string out = body();
    std::size_t done = 0;
    while (done < out.size()) {
      const ssize_t n = ::write(channel[1], out.data() + done, out.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(0);
  }
  ::close(channel[1]);
  std::string out;
  char buffer[4096];
  ssize_t n = 0;
  while ((n = ::read(channel[0], buffer, sizeof buffer)) > 0) out.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return out;
}

// Gives up root for an unprivileged user, so that file permissions apply again.
std::string drop_privileges() {
  if (::geteuid() != 0) return {};
  constexpr uid_t kNobody = 65534;
  if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return "skip: cannot give up root";
  return {};
}

// A mount namespace of the child's own, with `size` bytes of memory file system at `folder`.
std::string private_tmpfs(const std::string& folder, const char* size) {
  if (::unshare(CLONE_NEWNS) != 0)
    return "skip: no mount namespace (unshare: " + std::string(std::strerror(errno)) + ")";
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
      ::mount("tmpfs", folder.c_str(), "tmpfs", 0, size) != 0) {
    return "skip: cannot mount a small tmpfs (" + std::string(std::strerror(errno)) + ")";
  }
  return {};
}

class DataFile : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tessaly-data-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  static void write_bytes(const std::string& file, const std::vector<unsigned char>& bytes) {
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()));
  }
  static std::vector<unsigned char> read_bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> folder_entries() const { return entries_of(folder_); }
  static std::vector<std::string> entries_of(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return {"(unreadable)"};
    while (dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
  }
  void fill_arrays() {
    for (int i = 0; i < kStoredPoints; ++i) {
      session_.plot_values_1[i] = i * 1.25 - 3.0;
      session_.plot_values_2[i] = -std::sqrt(i + 0.5) * 1e-7;
    }
    session_.plot_values_1[7] = NAN;
    session_.plot_values_2[9] = -INFINITY;
  }

  // Saves to `target` and reports what `folder` then holds and the bytes of `kept`.
  SaveOutcome save_and_look(const std::string& target, const std::string& folder,
                            const std::string& kept) {
    const FileResult result = save_data_file(session_, target);
    SaveOutcome o;
    o.status = result.status;
    o.error_number = result.error_number;
    o.detail = result.detail;
    o.entries = entries_of(folder);
    std::sort(o.entries.begin(), o.entries.end());
    o.kept = read_bytes(kept);
    return o;
  }

  std::string folder_;
  Session session_;
};

TEST_F(DataFile, RoundTripsExactlyInLittleEndianOrder) {
  fill_arrays();
  session_.plot_values_1[0] = 1.0;
  ASSERT_TRUE(save_data_file(session_, path("a.dat")).ok());
  const std::vector<unsigned char> bytes = read_bytes(path("a.dat"));
  ASSERT_EQ(bytes.size(), kDataFileBytes);
  // 1.0 is 0x3FF0000000000000: its top byte comes last in the file.
  EXPECT_EQ(bytes[0], 0x00);
  EXPECT_EQ(bytes[6], 0xF0);
  EXPECT_EQ(bytes[7], 0x3F);

  std::vector<double> first(session_.plot_values_1, session_.plot_values_1 + kStoredPoints);
  std::vector<double> second(session_.plot_values_2, session_.plot_values_2 + kStoredPoints);
  session_ = Session{};
  ASSERT_TRUE(read_data_file(session_, path("a.dat")).ok());
  for (int i = 0; i < kStoredPoints; ++i) {
    if (std::isnan(first[i])) {
      EXPECT_TRUE(std::isnan(session_.plot_values_1[i]));
    } else {
      EXPECT_EQ(session_.plot_values_1[i], first[i]) << i;
    }
    EXPECT_EQ(session_.plot_values_2[i], second[i]) << i;
  }
}

TEST_F(DataFile, ShortLongAndEmptyFilesFillFromTheStart) {
  fill_arrays();
  write_bytes(path("empty.dat"), {});
  ASSERT_TRUE(read_data_file(session_, path("empty.dat")).ok());
  EXPECT_EQ(session_.plot_values_1[10], 0.0);
  EXPECT_EQ(session_.plot_values_2[10], 0.0);

  std::vector<unsigned char> block(kDataBlockBytes, 0);
  block[7] = 0x40;  // 2.0 in entry 0
  block[kDataBlockBytes - 1] = 0x40;
  fill_arrays();
  write_bytes(path("half.dat"), block);
  ASSERT_TRUE(read_data_file(session_, path("half.dat")).ok());
  EXPECT_EQ(session_.plot_values_1[0], 2.0);
  EXPECT_EQ(session_.plot_values_1[500], 2.0);
  for (double v : session_.plot_values_2) EXPECT_EQ(v, 0.0);

  // 8 bytes of entry 0 and 3 bytes of entry 1: the cut value keeps its low bytes.
  write_bytes(path("short.dat"), {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 1, 2, 3});
  ASSERT_TRUE(read_data_file(session_, path("short.dat")).ok());
  EXPECT_EQ(session_.plot_values_1[0], 1.0);
  EXPECT_NE(session_.plot_values_1[1], 0.0);
  EXPECT_EQ(session_.plot_values_1[2], 0.0);

  std::vector<unsigned char> long_file(kDataFileBytes + 100, 0);
  long_file[kDataFileBytes - 1] = 0x40;  // the last value of the second block
  long_file[kDataFileBytes + 7] = 0x40;  // past the end: ignored
  write_bytes(path("long.dat"), long_file);
  ASSERT_TRUE(read_data_file(session_, path("long.dat")).ok());
  EXPECT_EQ(session_.plot_values_2[500], 2.0);
  EXPECT_EQ(session_.plot_values_1[0], 0.0);
}

TEST_F(DataFile, UnreadableInputsLeaveZerosAndSaySo) {
  fill_arrays();
  FileResult result = read_data_file(session_, path("missing.dat"));
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(result.error_number, ENOENT);
  EXPECT_EQ(session_.plot_values_1[3], 0.0);

  fill_arrays();
  result = read_data_file(session_, folder_);
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(result.error_number, EISDIR);
  EXPECT_EQ(session_.plot_values_2[3], 0.0);

  ASSERT_EQ(::mkfifo(path("fifo.dat").c_str(), 0600), 0);
  fill_arrays();
  result =
      read_data_file(session_, path("fifo.dat"));  // must return at once, not wait for a writer
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(session_.plot_values_1[3], 0.0);
}

TEST_F(DataFile, ReadOnlyFilesAreRead) {
  fill_arrays();
  ASSERT_TRUE(save_data_file(session_, path("ro.dat")).ok());
  ASSERT_EQ(::chmod(path("ro.dat").c_str(), 0444), 0);
  session_ = Session{};
  ASSERT_TRUE(read_data_file(session_, path("ro.dat")).ok());
  EXPECT_EQ(session_.plot_values_1[4], 2.0);
}

TEST_F(DataFile, FailedSaveLeavesTheOldFileAndNoTemporary) {
  const std::vector<unsigned char> original = {'k', 'e', 'e', 'p'};
  write_bytes(path("old.dat"), original);
  fill_arrays();

  // Cap the file size so that the second block cannot be written.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved;
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit capped = saved;
  capped.rlim_cur = 5000;
  ::setrlimit(RLIMIT_FSIZE, &capped);
  const FileResult result = save_data_file(session_, path("old.dat"));
  ::setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_EQ(result.status, FileStatus::kWriteFailed);
  EXPECT_EQ(result.error_number, EFBIG);
  EXPECT_EQ(result.detail.rfind("write: ", 0), 0u) << result.detail;
  EXPECT_EQ(read_bytes(path("old.dat")), original);
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"old.dat"});
}

TEST_F(DataFile, SaveEdgeCasesOfThePath) {
  fill_arrays();
  // Longer than any fixed 100-byte buffer, and a 250-byte file name.
  const std::string deep = path(std::string(120, 'd'));
  ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0);
  const std::string long_name = deep + "/" + std::string(246, 'n') + ".dat";
  EXPECT_TRUE(save_data_file(session_, long_name).ok());
  EXPECT_EQ(read_bytes(long_name).size(), kDataFileBytes);

  // A symbolic link is followed: the file it points at gets the data, the link stays.
  write_bytes(path("real.dat"), {'x'});
  ASSERT_EQ(::symlink(path("real.dat").c_str(), path("link.dat").c_str()), 0);
  ASSERT_TRUE(save_data_file(session_, path("link.dat")).ok());
  struct stat info;
  ASSERT_EQ(::lstat(path("link.dat").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(read_bytes(path("real.dat")).size(), kDataFileBytes);

  EXPECT_TRUE(names_data_file("/home/a/x.dat"));
  EXPECT_TRUE(names_data_file("/home/a.dat/x.txt"));
  EXPECT_FALSE(names_data_file("/home/a/X.DAT"));
}

// Every failed save below is one the shell reports as "ファイル書き込みに失敗しました。" with
// the result's detail (the failing step and the system's words) under it; the details are
// checked here exactly. None may touch an existing file or leave a temporary file behind.

TEST_F(DataFile, SaveIntoAReadOnlyFolderKeepsTheOldFile) {
  const std::vector<unsigned char> original = {'o', 'l', 'd'};
  write_bytes(path("old.dat"), original);
  fill_arrays();
  ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
  // Permissions do not stop root: the save runs in a child that has given root up.
  const std::string out = in_child([&] {
    const std::string why = drop_privileges();
    return why.empty() ? encode(save_and_look(path("old.dat"), folder_, path("old.dat"))) : why;
  });
  ::chmod(folder_.c_str(), 0700);
  if (out.rfind("skip:", 0) == 0) GTEST_SKIP() << out;
  const SaveOutcome o = decode(out);
  EXPECT_EQ(o.status, FileStatus::kWriteFailed);
  EXPECT_EQ(o.detail, "create: Permission denied");
  EXPECT_EQ(o.kept, original);
  EXPECT_EQ(o.entries, std::vector<std::string>{"old.dat"});
  EXPECT_EQ(read_bytes(path("old.dat")), original);
}

TEST_F(DataFile, SaveOnAFullDiskKeepsTheOldFile) {
  const std::string disk = path("disk");
  ASSERT_EQ(::mkdir(disk.c_str(), 0755), 0);
  const std::vector<unsigned char> original(100, 'o');
  fill_arrays();
  // Two pages of memory file system: the old file takes one, the 8016 new bytes need two.
  const std::string out = in_child([&] {
    const std::string why = private_tmpfs(disk, "size=8k");
    if (!why.empty()) return why;
    write_bytes(disk + "/old.dat", original);
    return encode(save_and_look(disk + "/old.dat", disk, disk + "/old.dat"));
  });
  if (out.rfind("skip:", 0) == 0) GTEST_SKIP() << out;
  const SaveOutcome o = decode(out);
  EXPECT_EQ(o.status, FileStatus::kWriteFailed);
  EXPECT_EQ(o.error_number, ENOSPC);
  EXPECT_EQ(o.detail, "write: No space left on device");
  EXPECT_EQ(o.kept, original);
  EXPECT_EQ(o.entries, std::vector<std::string>{"old.dat"});
}

TEST_F(DataFile, SaveToNamesTheSystemRefusesLeavesNothing) {
  const std::vector<unsigned char> original = {'k'};
  write_bytes(path("old.dat"), original);
  fill_arrays();

  // A file name of 256 bytes: refused before anything is written.
  SaveOutcome o = save_and_look(path(std::string(252, 'n') + ".dat"), folder_, path("old.dat"));
  EXPECT_EQ(o.status, FileStatus::kWriteFailed);
  EXPECT_EQ(o.detail, "create: File name too long");
  EXPECT_EQ(o.entries, std::vector<std::string>{"old.dat"});

  // A path longer than 4096 bytes, through folders that do not exist.
  std::string deep;
  while (deep.size() <= 4096) deep += "d.dat/";
  o = save_and_look(path(deep + "x.dat"), folder_, path("old.dat"));
  EXPECT_EQ(o.detail, "create: File name too long");
  EXPECT_EQ(o.entries, std::vector<std::string>{"old.dat"});

  // A folder where the file should be stays a folder, and empty.
  ASSERT_EQ(::mkdir(path("taken.dat").c_str(), 0755), 0);
  o = save_and_look(path("taken.dat"), folder_, path("old.dat"));
  EXPECT_EQ(o.detail, "rename: Is a directory");
  EXPECT_EQ(o.entries, (std::vector<std::string>{"old.dat", "taken.dat"}));
  EXPECT_TRUE(entries_of(path("taken.dat")).empty());

  o = save_and_look(path("gone/x.dat"), folder_, path("old.dat"));
  EXPECT_EQ(o.detail, "create: No such file or directory");
  EXPECT_EQ(o.kept, original);
}

TEST_F(DataFile, SaveFollowsSymbolicLinksToTheirEnd) {
  fill_arrays();
  // A dangling link gets its file, as opening it for writing would create it.
  ASSERT_EQ(::symlink("made.dat", path("dangling.dat").c_str()), 0);
  ASSERT_TRUE(save_data_file(session_, path("dangling.dat")).ok());
  EXPECT_EQ(read_bytes(path("made.dat")).size(), kDataFileBytes);
  struct stat info;
  ASSERT_EQ(::lstat(path("dangling.dat").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));

  // Through two links, the second relative to the first's folder.
  ASSERT_EQ(::mkdir(path("sub").c_str(), 0755), 0);
  ASSERT_EQ(::symlink("../made.dat", path("sub/inner.dat").c_str()), 0);
  ASSERT_EQ(::symlink("sub/inner.dat", path("outer.dat").c_str()), 0);
  session_.plot_values_1[0] = 42.0;
  ASSERT_TRUE(save_data_file(session_, path("outer.dat")).ok());
  ASSERT_TRUE(read_data_file(session_, path("made.dat")).ok());
  EXPECT_EQ(session_.plot_values_1[0], 42.0);

  // A link to a folder, and links in a circle, fail without leaving anything.
  ASSERT_EQ(::symlink("sub", path("folder.dat").c_str()), 0);
  EXPECT_EQ(save_data_file(session_, path("folder.dat")).detail, "rename: Is a directory");
  ASSERT_EQ(::symlink("b.dat", path("a.dat").c_str()), 0);
  ASSERT_EQ(::symlink("a.dat", path("b.dat").c_str()), 0);
  const FileResult circle = save_data_file(session_, path("a.dat"));
  EXPECT_EQ(circle.error_number, ELOOP);
  EXPECT_EQ(circle.detail, "create: Too many levels of symbolic links");
  std::vector<std::string> entries = folder_entries();
  std::sort(entries.begin(), entries.end());
  EXPECT_EQ(entries, (std::vector<std::string>{"a.dat", "b.dat", "dangling.dat", "folder.dat",
                                               "made.dat", "outer.dat", "sub"}));
  EXPECT_EQ(entries_of(path("sub")), std::vector<std::string>{"inner.dat"});
}

TEST_F(DataFile, ReadsEverySizeAroundTheBlockEdges) {
  for (const std::size_t size :
       {std::size_t{0}, std::size_t{1}, std::size_t{4007}, std::size_t{4008}, std::size_t{8015},
        std::size_t{8016}, std::size_t{8017}, std::size_t{1} << 20}) {
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<unsigned char>(i * 37 + 11);
    write_bytes(path("sized.dat"), bytes);
    fill_arrays();
    ASSERT_TRUE(read_data_file(session_, path("sized.dat")).ok()) << size;
    for (int k = 0; k < 2 * kStoredPoints; ++k) {
      std::uint64_t expected = 0;
      for (std::size_t b = 0; b < 8; ++b) {
        const std::size_t at = 8 * static_cast<std::size_t>(k) + b;
        if (at < size) expected |= static_cast<std::uint64_t>(bytes[at]) << (8 * b);
      }
      const double value =
          k < kStoredPoints ? session_.plot_values_1[k] : session_.plot_values_2[k - kStoredPoints];
      std::uint64_t bits = 0;
      std::memcpy(&bits, &value, sizeof bits);
      ASSERT_EQ(bits, expected) << "size " << size << ", entry " << k;
    }
  }
}

TEST_F(DataFile, DecodingNothingZeroesBothArrays) {
  fill_arrays();
  decode_plot_values(session_, nullptr, 0);
  EXPECT_TRUE(std::all_of(session_.plot_values_1, session_.plot_values_1 + kStoredPoints,
                          [](double v) { return v == 0.0 && !std::signbit(v); }));
  EXPECT_TRUE(std::all_of(session_.plot_values_2, session_.plot_values_2 + kStoredPoints,
                          [](double v) { return v == 0.0 && !std::signbit(v); }));
}

TEST_F(DataFile, NonFiniteValuesTravelBitForBit) {
  const std::uint64_t patterns[] = {
      0x7FF8000000000001u,  // a quiet NaN with a payload
      0x7FF0000000000001u,  // a signalling NaN
      0xFFF8000000000000u,  // a negative NaN
      0x7FF0000000000000u,  // +infinity
      0xFFF0000000000000u,  // -infinity
      0x8000000000000000u,  // -0
      0x0000000000000001u,  // the smallest subnormal
  };
  std::vector<unsigned char> bytes(kDataFileBytes, 0);
  for (int k = 0; k < 2 * kStoredPoints; ++k) {
    const std::uint64_t bits = patterns[k % 7];
    for (int b = 0; b < 8; ++b) bytes[8 * k + b] = static_cast<unsigned char>(bits >> (8 * b));
  }
  write_bytes(path("odd.dat"), bytes);
  ASSERT_TRUE(read_data_file(session_, path("odd.dat")).ok());
  EXPECT_TRUE(std::isnan(session_.plot_values_1[0]));
  EXPECT_EQ(session_.plot_values_1[3], INFINITY);
  EXPECT_EQ(session_.plot_values_2[0], -INFINITY) << "entry 501 = 7 x 71 + 4";
  ASSERT_TRUE(save_data_file(session_, path("again.dat")).ok());
  EXPECT_EQ(read_bytes(path("again.dat")), bytes);
}

TEST_F(DataFile, AFileWithoutReadPermissionLeavesZeros) {
  fill_arrays();
  ASSERT_TRUE(save_data_file(session_, path("secret.dat")).ok());
  ASSERT_EQ(::chmod(path("secret.dat").c_str(), 0), 0);
  ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);
  const std::string out = in_child([&] {
    const std::string why = drop_privileges();
    if (!why.empty()) return why;
    const FileResult result = read_data_file(session_, path("secret.dat"));
    const bool zero = std::all_of(session_.plot_values_1, session_.plot_values_1 + kStoredPoints,
                                  [](double v) { return v == 0.0; });
    return result.detail + (zero ? "\nzero" : "\nvalues");
  });
  if (out.rfind("skip:", 0) == 0) GTEST_SKIP() << out;
  EXPECT_EQ(out, "open: Permission denied\nzero");
}

}  // namespace
}  // namespace tessaly
