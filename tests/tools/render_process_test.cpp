// The built tessaly-render as a process: exit statuses, messages and what lands on disk.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "programs/descriptor.h"
#include "tools/headless_outputs.h"

namespace tessaly::tools {
namespace {

class RenderProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tessaly-render-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    for (const std::string& name : names()) std::remove((folder_ + "/" + name).c_str());
    rmdir(folder_.c_str());
  }

  // Runs the renderer in the folder; standard output and error go to files outside it.
  int run(const std::string& arguments) {
    const std::string command = "cd '" + folder_ + "' && '" + TESSALY_RENDER_EXECUTABLE + "' " +
                                arguments + " >'" + folder_ + ".out' 2>'" + folder_ + ".err'";
    const int status = std::system(command.c_str());
    out_ = slurp(folder_ + ".out");
    err_ = slurp(folder_ + ".err");
    std::remove((folder_ + ".out").c_str());
    std::remove((folder_ + ".err").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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

  void write_batch(const std::string& text) const {
    std::ofstream(folder_ + "/batch", std::ios::binary) << text;
  }

  std::string folder_;
  std::string out_;
  std::string err_;
};

TEST_F(RenderProcess, WrongArgumentsExitTwoAndWriteNothing) {
  const char* const cases[][2] = {
      {"nope", "tessaly-render: unknown program \"nope\" (ombra, velto or quirn)\n"},
      {"ombra --do 601",
       "tessaly-render: step \"601\" is refused: only menu commands 201-204, "
       "301-309, 401-409 and 501-505 are replayed\n"},
      {"velto --do 305", "tessaly-render: step \"305\" is not in velto's menu\n"},
      {"ombra --format jpg -o x.jpg",
       "tessaly-render: unknown format \"jpg\" (png, svg, pdf, trace, trace-print, dat, csv or "
       "phasors)\n"},
      {"quirn --set display_magnification=1",
       "tessaly-render: quirn binds no values to \"display_magnification\" (names: "
       "circuit_constants (3), graph_constants (5))\n"},
      {"ombra --colour", "tessaly-render: unknown option \"--colour\" (see --help)\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(run(c[0]), 2) << c[0];
    EXPECT_EQ(err_, c[1]);
    EXPECT_EQ(out_, "");
    EXPECT_TRUE(names().empty()) << c[0];
  }
}

TEST_F(RenderProcess, AnUnwritableFileExitsOne) {
  EXPECT_EQ(run("ombra --format dat -o missing/ombra.dat"), 1);
  EXPECT_EQ(err_,
            "tessaly-render: cannot write missing/ombra.dat: cannot create a file beside it: No "
            "such file or directory\n");
  EXPECT_TRUE(names().empty());
}

TEST_F(RenderProcess, ResultsLandWhereAsked) {
  ASSERT_EQ(run("ombra"), 0) << err_;
  EXPECT_EQ(err_, "") << "Qt's own notes stay quiet";
  ASSERT_EQ(names(), std::vector<std::string>{"ombra.png"});
  EXPECT_EQ(slurp(folder_ + "/ombra.png").compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);

  ASSERT_EQ(run("velto --do 303 --format trace"), 0);
  RenderRequest request;
  request.program = &velto_program();
  Step series;
  series.command = 303;
  request.steps = {series};
  request.format = Format::kTrace;
  EXPECT_TRUE(out_ == headless_output(request)) << "standard output carries the trace";

  ASSERT_EQ(run("quirn --format dat -o -"), 0);
  EXPECT_EQ(slurp(folder_ + "/quirn.dat").size(), 8016u);

  ASSERT_EQ(run("--help"), 0);
  EXPECT_EQ(out_.rfind("Usage: tessaly-render PROGRAM", 0), 0u);
}

TEST_F(RenderProcess, BatchWritesWhatSingleRunsWrite) {
  struct Case {
    const char* golden;
    const char* arguments;
  };
  const Case cases[] = {
      {"ombra_default", "ombra"}, {"ombra_locus", "ombra --do 404"},
      {"velto_default", "velto"}, {"velto_series_lc", "velto --do=303"},
      {"quirn_default", "quirn"}, {"quirn_rlc", "quirn --do 304"},
  };
  std::string batch = "# the golden graphs, as traces and pictures\n\n";
  for (const Case& c : cases) {
    batch += std::string(c.arguments) + " --format trace -o " + c.golden + ".trace\n";
    // Quoted words keep their blanks; the file name reaches the renderer whole.
    batch += std::string("  ") + c.arguments + " -o '" + c.golden + " batch.png'\n";
  }
  batch += "velto --do 303 --format \"svg\" -o velto\\ batch.svg\n";
  write_batch(batch);
  ASSERT_EQ(run("--batch batch --jobs 2"), 0) << err_;
  EXPECT_EQ(err_, "");
  EXPECT_EQ(out_, "");
  for (const Case& c : cases) {
    const std::string golden =
        slurp(std::string(TESSALY_SOURCE_DIR) + "/tests/golden/" + c.golden + ".trace");
    ASSERT_FALSE(golden.empty()) << c.golden;
    EXPECT_TRUE(slurp(folder_ + "/" + c.golden + ".trace") == golden) << c.golden;
    ASSERT_EQ(run(std::string(c.arguments) + " -o single.png"), 0) << c.arguments;
    const std::string single = slurp(folder_ + "/single.png");
    EXPECT_GT(single.size(), 1000u);
    EXPECT_TRUE(slurp(folder_ + "/" + c.golden + " batch.png") == single) << c.golden;
  }
  ASSERT_EQ(run("velto --do 303 --format svg -o single.svg"), 0);
  EXPECT_TRUE(slurp(folder_ + "/velto batch.svg") == slurp(folder_ + "/single.svg"));
}

TEST_F(RenderProcess, BadBatchLinesAreReportedAndTheRestIsWritten) {
  write_batch(
      "quirn --format trace\n"
      "ombra --format dat -o first.dat\n"
      "nope -o x.png\n"
      "# a comment\n"
      "quirn --format dat -o missing/quirn.dat\n"
      "velto -o 'open.png\n"
      "velto --format csv\n"
      "ombra -o last.png\n");
  EXPECT_EQ(run("--batch batch"), 2) << "the worst line's status";
  EXPECT_EQ(err_,
            "tessaly-render: line 3: unknown program \"nope\" (ombra, velto or quirn)\n"
            "tessaly-render: line 5: cannot write missing/quirn.dat: cannot create a file beside "
            "it: No such file or directory\n"
            "tessaly-render: line 6: a single quote is not closed\n");
  EXPECT_EQ(slurp(folder_ + "/first.dat").size(), 8016u);
  EXPECT_EQ(slurp(folder_ + "/last.png").compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
  const std::string batch_out = out_;
  ASSERT_EQ(run("quirn --format trace"), 0);
  std::string expected = out_;
  ASSERT_EQ(run("velto --format csv"), 0);
  expected += out_;
  EXPECT_TRUE(batch_out == expected) << "standard output in line order";

  write_batch("quirn --format dat -o missing/quirn.dat\n");
  EXPECT_EQ(run("--batch - < batch"), 1) << "read from standard input";
  EXPECT_EQ(run("--batch absent"), 2);
  EXPECT_EQ(err_, "tessaly-render: cannot read the batch absent\n");
}

}  // namespace
}  // namespace tessaly::tools
