#include "models/data_file.h"

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "models/state.h"

namespace tessaly {
namespace {

class DataFile : public testing::Test {
 protected:
  void SetUp() override {
    reset_analysis_state();
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
  std::vector<std::string> folder_entries() const {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder_.c_str());
    while (dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
  }
  static void fill_arrays() {
    for (int i = 0; i < kStoredPoints; ++i) {
      plot_values_1[i] = i * 1.25 - 3.0;
      plot_values_2[i] = -std::sqrt(i + 0.5) * 1e-7;
    }
    plot_values_1[7] = NAN;
    plot_values_2[9] = -INFINITY;
  }

  std::string folder_;
};

TEST_F(DataFile, RoundTripsExactlyInLittleEndianOrder) {
  fill_arrays();
  plot_values_1[0] = 1.0;
  ASSERT_TRUE(save_data_file(path("a.dat")).ok());
  const std::vector<unsigned char> bytes = read_bytes(path("a.dat"));
  ASSERT_EQ(bytes.size(), kDataFileBytes);
  // 1.0 is 0x3FF0000000000000: its top byte comes last in the file.
  EXPECT_EQ(bytes[0], 0x00);
  EXPECT_EQ(bytes[6], 0xF0);
  EXPECT_EQ(bytes[7], 0x3F);

  std::vector<double> first(plot_values_1, plot_values_1 + kStoredPoints);
  std::vector<double> second(plot_values_2, plot_values_2 + kStoredPoints);
  reset_analysis_state();
  ASSERT_TRUE(read_data_file(path("a.dat")).ok());
  for (int i = 0; i < kStoredPoints; ++i) {
    if (std::isnan(first[i])) {
      EXPECT_TRUE(std::isnan(plot_values_1[i]));
    } else {
      EXPECT_EQ(plot_values_1[i], first[i]) << i;
    }
    EXPECT_EQ(plot_values_2[i], second[i]) << i;
  }
}

TEST_F(DataFile, ShortLongAndEmptyFilesFillFromTheStart) {
  fill_arrays();
  write_bytes(path("empty.dat"), {});
  ASSERT_TRUE(read_data_file(path("empty.dat")).ok());
  EXPECT_EQ(plot_values_1[10], 0.0);
  EXPECT_EQ(plot_values_2[10], 0.0);

  std::vector<unsigned char> block(kDataBlockBytes, 0);
  block[7] = 0x40;  // 2.0 in entry 0
  block[kDataBlockBytes - 1] = 0x40;
  fill_arrays();
  write_bytes(path("half.dat"), block);
  ASSERT_TRUE(read_data_file(path("half.dat")).ok());
  EXPECT_EQ(plot_values_1[0], 2.0);
  EXPECT_EQ(plot_values_1[500], 2.0);
  for (double v : plot_values_2) EXPECT_EQ(v, 0.0);

  // 8 bytes of entry 0 and 3 bytes of entry 1: the cut value keeps its low bytes.
  write_bytes(path("short.dat"), {0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 1, 2, 3});
  ASSERT_TRUE(read_data_file(path("short.dat")).ok());
  EXPECT_EQ(plot_values_1[0], 1.0);
  EXPECT_NE(plot_values_1[1], 0.0);
  EXPECT_EQ(plot_values_1[2], 0.0);

  std::vector<unsigned char> long_file(kDataFileBytes + 100, 0);
  long_file[kDataFileBytes - 1] = 0x40;  // the last value of the second block
  long_file[kDataFileBytes + 7] = 0x40;  // past the end: ignored
  write_bytes(path("long.dat"), long_file);
  ASSERT_TRUE(read_data_file(path("long.dat")).ok());
  EXPECT_EQ(plot_values_2[500], 2.0);
  EXPECT_EQ(plot_values_1[0], 0.0);
}

TEST_F(DataFile, UnreadableInputsLeaveZerosAndSaySo) {
  fill_arrays();
  FileResult result = read_data_file(path("missing.dat"));
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(result.error_number, ENOENT);
  EXPECT_EQ(plot_values_1[3], 0.0);

  fill_arrays();
  result = read_data_file(folder_);
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(result.error_number, EISDIR);
  EXPECT_EQ(plot_values_2[3], 0.0);

  ASSERT_EQ(::mkfifo(path("fifo.dat").c_str(), 0600), 0);
  fill_arrays();
  result = read_data_file(path("fifo.dat"));  // must return at once, not wait for a writer
  EXPECT_EQ(result.status, FileStatus::kOpenFailed);
  EXPECT_EQ(plot_values_1[3], 0.0);
}

TEST_F(DataFile, ReadOnlyFilesAreRead) {
  fill_arrays();
  ASSERT_TRUE(save_data_file(path("ro.dat")).ok());
  ASSERT_EQ(::chmod(path("ro.dat").c_str(), 0444), 0);
  reset_analysis_state();
  ASSERT_TRUE(read_data_file(path("ro.dat")).ok());
  EXPECT_EQ(plot_values_1[4], 2.0);
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
  const FileResult result = save_data_file(path("old.dat"));
  ::setrlimit(RLIMIT_FSIZE, &saved);

  EXPECT_EQ(result.status, FileStatus::kWriteFailed);
  EXPECT_EQ(result.error_number, EFBIG);
  EXPECT_EQ(result.detail.rfind("write: ", 0), 0u) << result.detail;
  EXPECT_EQ(read_bytes(path("old.dat")), original);
  EXPECT_EQ(folder_entries(), std::vector<std::string>{"old.dat"});
}

TEST_F(DataFile, SaveEdgeCasesOfThePath) {
  fill_arrays();
  ASSERT_EQ(::mkdir(path("taken.dat").c_str(), 0755), 0);
  EXPECT_EQ(save_data_file(path("taken.dat")).status, FileStatus::kWriteFailed);
  EXPECT_EQ(save_data_file(path("no/such/folder.dat")).error_number, ENOENT);

  // Longer than any fixed 100-byte buffer, and a 250-byte file name.
  const std::string deep = path(std::string(120, 'd'));
  ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0);
  const std::string long_name = deep + "/" + std::string(246, 'n') + ".dat";
  EXPECT_TRUE(save_data_file(long_name).ok());
  EXPECT_EQ(read_bytes(long_name).size(), kDataFileBytes);

  // A symbolic link is followed: the file it points at gets the data, the link stays.
  write_bytes(path("real.dat"), {'x'});
  ASSERT_EQ(::symlink(path("real.dat").c_str(), path("link.dat").c_str()), 0);
  ASSERT_TRUE(save_data_file(path("link.dat")).ok());
  struct stat info;
  ASSERT_EQ(::lstat(path("link.dat").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode));
  EXPECT_EQ(read_bytes(path("real.dat")).size(), kDataFileBytes);

  EXPECT_TRUE(names_data_file("/home/a/x.dat"));
  EXPECT_TRUE(names_data_file("/home/a.dat/x.txt"));
  EXPECT_FALSE(names_data_file("/home/a/X.DAT"));
}

}  // namespace
}  // namespace tessaly
