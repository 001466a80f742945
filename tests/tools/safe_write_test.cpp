#include "core/safe_write.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "process/signal_cleanup.h"

namespace tessaly {
namespace {

class SafeWrite : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tessaly-safe-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  static std::string slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(folder_.c_str())) {
      while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
      }
      ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  static SafeWriteResult write(const std::string& file, const std::string& bytes) {
    return write_file_safely(file, bytes.data(), bytes.size());
  }
  static std::string described(const SafeWriteResult& r) {
    return r.ok() ? "ok" : std::string(r.step) + ": " + std::strerror(r.error_number);
  }
  static mode_t type_of(const std::string& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0) return 0;
    return info.st_mode & S_IFMT;
  }

  std::string folder_;
};

// Only a regular file or a new name is replaced by a rename: a device or a FIFO is written to
// where it is, and its errors are the write's.
TEST_F(SafeWrite, SpecialFilesAreWrittenInPlace) {
  ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0600), 0);
  EXPECT_EQ(described(write(path("fifo"), "x")), "open: No such device or address")
      << "no reader: an error at once, not a wait";
  std::string received;
  std::thread reader([&] { received = slurp(path("fifo")); });
  // The reader opens the FIFO when it gets to it; until then the FIFO has none.
  SafeWriteResult through;
  for (int tries = 0; tries < 500; ++tries) {
    through = write(path("fifo"), "through the pipe");
    if (through.ok() || through.error_number != ENXIO) break;
    ::usleep(2000);
  }
  reader.join();
  EXPECT_EQ(described(through), "ok");
  EXPECT_EQ(received, "through the pipe");
  EXPECT_EQ(type_of(path("fifo")), static_cast<mode_t>(S_IFIFO));
  EXPECT_EQ(entries(), std::vector<std::string>{"fifo"});

  // Devices of our own, the same as /dev/null and /dev/full; making them needs root.
  if (::mknod(path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod(path("full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make device nodes here: " << std::strerror(errno);
  }
  EXPECT_EQ(described(write(path("null"), "png bytes")), "ok");
  EXPECT_EQ(type_of(path("null")), static_cast<mode_t>(S_IFCHR));
  EXPECT_EQ(described(write(path("full"), "png bytes")), "write: No space left on device");
  EXPECT_EQ(type_of(path("full")), static_cast<mode_t>(S_IFCHR));
  // Through a link, as /dev/stdout and /dev/fd/N are links.
  ASSERT_EQ(::symlink("full", path("link-to-full").c_str()), 0);
  EXPECT_EQ(described(write(path("link-to-full"), "x")), "write: No space left on device");
  EXPECT_EQ(entries(), (std::vector<std::string>{"fifo", "full", "link-to-full", "null"}));
}

TEST_F(SafeWrite, AReplacedFileKeepsItsModeAndOwner) {
  std::ofstream(path("secret.dat")) << "old";
  ASSERT_EQ(::chmod(path("secret.dat").c_str(), 0600), 0);
  const bool root = ::geteuid() == 0;
  constexpr uid_t kNobody = 65534;
  if (root) {
    ASSERT_EQ(::chown(path("secret.dat").c_str(), kNobody, kNobody), 0);
  }
  ASSERT_EQ(described(write(path("secret.dat"), "new")), "ok");
  struct stat info {};
  ASSERT_EQ(::stat(path("secret.dat").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);
  if (root) {
    EXPECT_EQ(info.st_uid, kNobody);
    EXPECT_EQ(info.st_gid, kNobody);
  }
  EXPECT_EQ(slurp(path("secret.dat")), "new");
}

// The link's target gets the bytes and the link stays, whoever writes; names up to the
// system's 255 bytes work, since the temporary file's name is short.
TEST_F(SafeWrite, LinksAreFollowedAndLongNamesWork) {
  std::ofstream(path("real")) << "old";
  ASSERT_EQ(::symlink("real", path("link").c_str()), 0);
  ASSERT_EQ(described(write(path("link"), "new")), "ok");
  EXPECT_EQ(type_of(path("link")), static_cast<mode_t>(S_IFLNK));
  EXPECT_EQ(slurp(path("real")), "new");
  // A link into a missing folder: no file can be made there, and the link stays a link.
  ASSERT_EQ(::symlink("missing/file", path("astray").c_str()), 0);
  EXPECT_EQ(described(write(path("astray"), "new")), "create: No such file or directory");
  EXPECT_EQ(type_of(path("astray")), static_cast<mode_t>(S_IFLNK));
  std::remove(path("astray").c_str());
  for (std::size_t length = 249; length <= 255; ++length) {
    const std::string name(length, 'n');
    EXPECT_EQ(described(write(path(name), "long")), "ok") << length;
    EXPECT_EQ(slurp(path(name)), "long");
    std::remove(path(name).c_str());
  }
  EXPECT_EQ(entries(), (std::vector<std::string>{"link", "real"}));
}

// A link that someone else planted in a shared sticky folder is not followed where the
// kernel's protected-links rule forbids it: the save fails and the file it names is untouched.
// The kernel's protected-links rule, whatever fs.protected_symlinks says: in a sticky folder
// anyone may write to, only the writer's links and the folder owner's are followed.
TEST(FollowingLinks, OnlyTrustedLinksInSharedFoldersAreFollowed) {
  struct stat link {};
  struct stat folder {};
  folder.st_uid = 0;
  link.st_uid = 1000;
  folder.st_mode = S_IFDIR | 01777;
  EXPECT_FALSE(may_follow_link(link, folder, 0)) << "another user's link in /tmp";
  EXPECT_FALSE(may_follow_link(link, folder, 1001));
  EXPECT_TRUE(may_follow_link(link, folder, 1000)) << "the writer's own link";
  folder.st_uid = 1000;
  EXPECT_TRUE(may_follow_link(link, folder, 0)) << "the folder owner's link";
  folder.st_uid = 0;
  folder.st_mode = S_IFDIR | 0777;
  EXPECT_TRUE(may_follow_link(link, folder, 0)) << "not sticky";
  folder.st_mode = S_IFDIR | 01775;
  EXPECT_TRUE(may_follow_link(link, folder, 0)) << "sticky, but only its group writes there";
}

TEST_F(SafeWrite, APlantedLinkInAStickyFolderIsRefused) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to give a link to another user";
  ASSERT_EQ(::chmod(folder_.c_str(), 01777), 0);
  std::ofstream(path("victim")) << "precious";
  ASSERT_EQ(::symlink(path("victim").c_str(), path("shared.dat").c_str()), 0);
  // Another user's link, as if planted: refused whether or not the kernel would refuse it.
  ASSERT_EQ(::lchown(path("shared.dat").c_str(), 65534, 65534), 0);
  EXPECT_EQ(described(write(path("shared.dat"), "redirected")),
            std::string(kPlantedLinkStep) + ": Permission denied");
  EXPECT_EQ(slurp(path("victim")), "precious");
  struct stat info;
  ASSERT_EQ(::lstat(path("shared.dat").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
  // The writer's own link there is followed.
  ASSERT_EQ(::lchown(path("shared.dat").c_str(), 0, 0), 0);
  EXPECT_EQ(described(write(path("shared.dat"), "mine")), "ok");
  EXPECT_EQ(slurp(path("victim")), "mine");
}

// SIGINT, SIGTERM and SIGHUP still end the process as before, but no temporary file stays.
TEST_F(SafeWrite, ASignalDuringTheWriteLeavesNoTemporaryFile) {
  // Most of each loop is spent writing and syncing 4 MiB, so most signals land mid-write.
  const std::string bytes(4 << 20, 'b');
  for (const int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGINT, SIGTERM, SIGHUP}) {
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(signal_number, SIG_DFL);
      process::SignalCleanup cleanup;
      for (;;) {
        write_file_safely(path("out"), bytes.data(), bytes.size(), FifoReader::kMustBeThere,
                          &cleanup);
      }
    }
    // Long enough that the child is in the middle of a write most of the time.
    ::usleep(50000);
    ::kill(child, signal_number);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << signal_number;
    const std::vector<std::string> left = entries();
    EXPECT_TRUE(left.empty() || left == std::vector<std::string>{"out"})
        << signal_number << ": " << left.back();
  }
}

}  // namespace
}  // namespace tessaly
