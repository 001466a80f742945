// What reaches the disk, and when: this test binary puts its own fsync in front of the C
// library's, noting the name of every file synced before passing the call on.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/data_file.h"
#include "interaction/output_file.h"
#include "programs/descriptor.h"

namespace {

std::vector<std::string>& synced_names() {
  static std::vector<std::string> names;
  return names;
}

}  // namespace

extern "C" int fsync(int fd) {
  char name[PATH_MAX];
  const std::string link = "/proc/self/fd/" + std::to_string(fd);
  const ssize_t length = ::readlink(link.c_str(), name, sizeof name - 1);
  synced_names().push_back(length < 0 ? std::string() : std::string(name, length));
  return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace tessaly {
namespace {

// The new file is synced under its temporary name, so before the rename, and the folder after
// it, so that the new name survives a crash: in the renderer as in the data-file save.
TEST(OutputSync, FileBeforeRenameFolderAfter) {
  char pattern[] = "/tmp/tessaly-sync-XXXXXX";
  ASSERT_NE(::mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  for (const bool renderer : {true, false}) {
    synced_names().clear();
    if (renderer) {
      ASSERT_EQ(interaction::write_whole_file(folder + "/ombra.png", "png"), "");
    } else {
      const Session session = start_session(ombra_program());
      ASSERT_TRUE(save_data_file(session, folder + "/ombra.dat").ok());
    }
    ASSERT_EQ(synced_names().size(), 2u) << renderer;
    EXPECT_EQ(synced_names()[0].rfind(folder + "/.tessaly-save.", 0), 0u) << synced_names()[0];
    EXPECT_EQ(synced_names()[1], folder);
  }
  std::system(("rm -rf '" + folder + "'").c_str());
}

}  // namespace
}  // namespace tessaly
