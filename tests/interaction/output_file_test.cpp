#include "interaction/output_file.h"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaly::interaction {
namespace {

class OutputFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tessaly-output-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    for (const std::string& name : names()) std::remove((folder_ + "/" + name).c_str());
    rmdir(folder_.c_str());
  }

  std::vector<std::string> names() const {
    std::vector<std::string> found;
    if (DIR* dir = opendir(folder_.c_str())) {
      while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") found.push_back(name);
      }
      closedir(dir);
    }
    return found;
  }

  std::string read(const std::string& name) const {
    std::ifstream in(folder_ + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::string folder_;
};

TEST_F(OutputFile, ReplacesTheFileWhole) {
  const std::string path = folder_ + "/ombra.dat";
  EXPECT_EQ(write_whole_file(path, std::string("old contents")), "");
  EXPECT_EQ(write_whole_file(path, std::string("new\0bytes", 9)), "");
  EXPECT_EQ(read("ombra.dat"), std::string("new\0bytes", 9));
  EXPECT_EQ(names(), std::vector<std::string>{"ombra.dat"}) << "no temporary file left";
  struct stat info {};
  ASSERT_EQ(stat(path.c_str(), &info), 0);
  const mode_t mask = umask(0);
  umask(mask);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(OutputFile, FailuresLeaveNothingBehind) {
  const std::string missing = folder_ + "/no/such/folder/ombra.png";
  EXPECT_EQ(write_whole_file(missing, "x"), "create: No such file or directory");
  ASSERT_EQ(mkdir((folder_ + "/taken").c_str(), 0755), 0);
  EXPECT_EQ(write_whole_file(folder_ + "/taken", "x"), "rename: Is a directory");
  EXPECT_EQ(names(), std::vector<std::string>{"taken"});
}

}  // namespace
}  // namespace tessaly::interaction
