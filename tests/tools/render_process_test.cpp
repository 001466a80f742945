// The built tessaly-render as a process: exit statuses, messages and what lands on disk.
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "interaction/text_outputs.h"
#include "programs/descriptor.h"

namespace tessaly::tools {
namespace {

using namespace interaction;

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
  // `environment` comes before the command (VARIABLE=value ...).
  int run(const std::string& arguments, const std::string& environment = "") {
    const std::string command = "cd '" + folder_ + "' && " + environment + " '" +
                                TESSALY_RENDER_EXECUTABLE + "' " + arguments + " >'" + folder_ +
                                ".out' 2>'" + folder_ + ".err'";
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

  // Starts the renderer in the folder with `prepare` run in the child first (limits, a user);
  // standard output and error are thrown away.
  template <typename Prepare>
  pid_t start(const std::vector<std::string>& arguments, Prepare prepare) const {
    const pid_t child = ::fork();
    if (child != 0) return child;
    const int null = ::open("/dev/null", O_WRONLY);
    if (null < 0 || ::dup2(null, 1) < 0 || ::dup2(null, 2) < 0 || ::chdir(folder_.c_str()) != 0) {
      ::_exit(126);
    }
    prepare();
    std::vector<char*> argv{const_cast<char*>(TESSALY_RENDER_EXECUTABLE)};
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }

  static int finish(pid_t child) {
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
  }

  std::vector<std::string> temporary_files() const {
    std::vector<std::string> found;
    for (const std::string& name : names()) {
      if (name.rfind(".tessaly-save.", 0) == 0) found.push_back(name);
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
      {"velto --lang fr -o x.png", "tessaly-render: --lang needs one of ja, en, not \"fr\"\n"},
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
            "tessaly-render: cannot write \"missing/ombra.dat\": create: No such file or "
            "directory\n");
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
  EXPECT_TRUE(out_ == text_output(request)) << "standard output carries the trace";

  ASSERT_EQ(run("quirn --format dat -o -"), 0);
  EXPECT_EQ(slurp(folder_ + "/quirn.dat").size(), 8016u);

  ASSERT_EQ(run("--help"), 0);
  EXPECT_EQ(out_.rfind("Usage: tessaly-render PROGRAM", 0), 0u);
}

// Where a file is not a regular one, the renderer writes into it and reports the write's
// errors; a regular file keeps its mode; a link keeps being a link to the file written.
TEST_F(RenderProcess, OutputsNeverHarmWhatIsThere) {
  struct stat info {};
  ASSERT_EQ(::mkfifo((folder_ + "/pipe").c_str(), 0600), 0);
  // The renderer waits for the FIFO's reader, as a redirection would.
  ASSERT_EQ(run("quirn --format dat -o pipe & cat '" + folder_ + "/pipe' >'" + folder_ +
                "/pipe.bytes'; wait $!"),
            0);
  EXPECT_EQ(slurp(folder_ + "/pipe.bytes").size(), 8016u);
  ASSERT_EQ(::lstat((folder_ + "/pipe").c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
  std::remove((folder_ + "/pipe.bytes").c_str());

  std::ofstream(folder_ + "/private.png") << "old";
  ASSERT_EQ(::chmod((folder_ + "/private.png").c_str(), 0600), 0);
  ASSERT_EQ(::symlink("private.png", (folder_ + "/link.png").c_str()), 0);
  ASSERT_EQ(run("quirn -o link.png"), 0) << err_;
  ASSERT_EQ(::lstat((folder_ + "/link.png").c_str(), &info), 0);
  EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
  ASSERT_EQ(::stat((folder_ + "/private.png").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u) << "not widened to 0644";
  EXPECT_EQ(slurp(folder_ + "/private.png").compare(0, 4, "\x89PNG"), 0);

  // The longest names the system takes: the temporary file beside them has a short name.
  const std::string longest(251, 'n');
  ASSERT_EQ(run("quirn --format dat -o " + longest + ".dat"), 0) << err_;
  EXPECT_EQ(slurp(folder_ + "/" + longest + ".dat").size(), 8016u);
  std::vector<std::string> left = names();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::string>{"link.png", longest + ".dat", "pipe", "private.png"}));

  // Devices of our own, like /dev/null and /dev/full, so that a renderer that replaced them
  // would harm nothing of the system's; making them needs root.
  if (::mknod((folder_ + "/null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
      ::mknod((folder_ + "/full").c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
    GTEST_SKIP() << "cannot make device nodes here";
  }
  ASSERT_EQ(run("quirn --format dat -o full"), 1);
  EXPECT_EQ(err_, "tessaly-render: cannot write \"full\": write: No space left on device\n");
  ASSERT_EQ(run("quirn --format dat -o null"), 0) << err_;
  for (const char* device : {"/null", "/full"}) {
    ASSERT_EQ(::lstat((folder_ + device).c_str(), &info), 0);
    ASSERT_TRUE(S_ISCHR(info.st_mode)) << device << " stays a device";
  }
  // Only now, with devices known to be written in place: standard output by its name.
  ASSERT_EQ(run("quirn --format dat -o /dev/stdout"), 0) << err_;
  EXPECT_EQ(out_.size(), 8016u) << "the data file on standard output";
}

TEST_F(RenderProcess, FailuresSayWhyAndExitOne) {
  // A data file that cannot be read: reported as the window reports it, nothing written.
  EXPECT_EQ(run("ombra --read missing.dat --do 204"), 1);
  EXPECT_EQ(err_, "tessaly-render: cannot read \"missing.dat\": open: No such file or directory\n");
  EXPECT_TRUE(names().empty());

  // A reader that goes away: exit 1 with the reason, not death by SIGPIPE.
  const std::string status_file = folder_ + ".status";
  std::system(("('" + std::string(TESSALY_RENDER_EXECUTABLE) + "' ombra --format trace 2>'" +
               folder_ + ".err'; echo $? >'" + status_file + "') | true")
                  .c_str());
  EXPECT_EQ(slurp(status_file), "1\n");
  EXPECT_EQ(slurp(folder_ + ".err"),
            "tessaly-render: cannot write to standard output: write: Broken pipe\n");
  std::remove(status_file.c_str());
  std::remove((folder_ + ".err").c_str());

  // Control bytes of an argument are shown escaped, never sent to the terminal.
  EXPECT_EQ(run("$(printf 'om\\033[2Jbra\\n')"), 2);
  EXPECT_EQ(err_, "tessaly-render: unknown program \"om\\x1b[2Jbra\" (ombra, velto or quirn)\n");

  // No display is needed, whatever the environment names.
  EXPECT_EQ(run("quirn --format svg", "QT_QPA_PLATFORM=nonesuch"), 0) << err_;
  EXPECT_EQ(run("quirn --format pdf", "QT_QPA_PLATFORM=nonesuch"), 0) << err_;
  EXPECT_EQ(err_, "");
}

int png_side(const std::string& png, int offset) {
  const auto byte = [&](int i) { return static_cast<unsigned char>(png[offset + i]); };
  return (byte(0) << 24) | (byte(1) << 16) | (byte(2) << 8) | byte(3);
}

// The picture is as large as the drawing: a magnification beyond the bound draws at 10.
TEST_F(RenderProcess, PictureSizeFollowsTheDrawnMagnification) {
  ASSERT_EQ(run("ombra --set display_magnification=51.19 -o big.png"), 0) << err_;
  const std::string big = slurp(folder_ + "/big.png");
  EXPECT_EQ(png_side(big, 16), 6400);
  EXPECT_EQ(png_side(big, 20), 4800);
  ASSERT_EQ(run("ombra --set display_magnification=0 -o small.png"), 0) << err_;
  const std::string small = slurp(folder_ + "/small.png");
  EXPECT_EQ(png_side(small, 16), 64);
  EXPECT_EQ(png_side(small, 20), 48);
}

// AddressSanitizer reserves terabytes of address space: no limit on it can be tested there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceLimits = false;
#else
constexpr bool kAddressSpaceLimits = true;
#endif

// An overlay of 100 passes as SVG fits in 1 GiB of address space; with far too little, the
// renderer says so and exits 1 instead of aborting.
TEST_F(RenderProcess, SvgOverlaysStayBounded) {
  if (!kAddressSpaceLimits) GTEST_SKIP() << "address space limits do not apply under ASan";
  std::string steps = "202";
  for (int i = 0; i < 100; ++i) steps += ",501";
  ASSERT_EQ(run("ombra --do " + steps + " --format svg -o overlay.svg", "ulimit -v 1048576 &&"), 0)
      << err_;
  EXPECT_LT(slurp(folder_ + "/overlay.svg").size(), 64u << 20);
  std::remove((folder_ + "/overlay.svg").c_str());
  EXPECT_EQ(run("ombra --do " + steps + " --format svg -o overlay.svg", "ulimit -v 140000 &&"), 1);
  EXPECT_EQ(err_, "tessaly-render: out of memory\n");
  EXPECT_TRUE(names().empty());
}

// Too little memory or too few threads for a batch: the lines that fail say so (exit 1), the
// rest are written, and nothing aborts or stays behind.
TEST_F(RenderProcess, BatchesUnderLimitsFailSoftly) {
  std::string batch;
  for (int i = 0; i < 48; ++i) {
    batch += "ombra --do 202,501,501 -o " + std::to_string(i) + ".png\n";
    batch += "velto --format trace -o " + std::to_string(i) + ".trace\n";
  }
  write_batch(batch);
  if (kAddressSpaceLimits) {
    const int status = finish(start({"--batch", "batch", "--jobs", "16"}, [] {
      const rlimit limit{200000ul << 10, 200000ul << 10};
      if (::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(126);
    }));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) <= 1) << status;
    EXPECT_EQ(temporary_files(), std::vector<std::string>{});
  }
  // A limit on processes binds only a user without privileges, and counts every process of
  // that user: one nobody else runs as.
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run as a user of its own";
  ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
  const int status = finish(start({"--batch", "batch", "--jobs", "32"}, [] {
    const rlimit limit{20, 20};
    if (::setgid(64023) != 0 || ::setuid(64023) != 0 || ::setrlimit(RLIMIT_NPROC, &limit) != 0) {
      ::_exit(126);
    }
  }));
  ASSERT_TRUE(WIFEXITED(status)) << status;
  EXPECT_EQ(temporary_files(), std::vector<std::string>{});
  // Fewer threads draw the same lines.
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(slurp(folder_ + "/47.trace").size(), slurp(folder_ + "/0.trace").size());
  EXPECT_EQ(slurp(folder_ + "/47.png").compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
}

// SIGINT, SIGTERM or SIGHUP at any moment of a batch: the process ends by the signal and no
// temporary file stays, however many threads were writing.
TEST_F(RenderProcess, KilledBatchesLeaveNoTemporaryFile) {
  std::string batch;
  for (int i = 0; i < 400; ++i) {
    batch += "quirn --format " + std::string(i % 2 ? "dat" : "trace") + " -o " +
             std::to_string(i % 8) + ".out\n";
  }
  write_batch(batch);
  const int signals[] = {SIGTERM, SIGINT, SIGHUP};
  // A fixed sequence of moments from the start-up to the middle of the writing.
  unsigned int seed = 24;
  for (int run = 0; run < 20; ++run) {
    seed = seed * 1103515245u + 12345u;
    const int signal_number = signals[run % 3];
    const pid_t child = start({"--batch", "batch", "--jobs", "6"}, [] {});
    ::usleep(5000 + (seed >> 8) % 120000);
    ::kill(child, signal_number);
    const int status = finish(child);
    EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal_number) ||
                (WIFEXITED(status) && WEXITSTATUS(status) == 0))
        << "run " << run << ": " << status;
    EXPECT_EQ(temporary_files(), std::vector<std::string>{}) << "run " << run;
  }
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
            "tessaly-render: line 5: cannot write \"missing/quirn.dat\": create: No such file or "
            "directory\n"
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
  EXPECT_EQ(err_, "tessaly-render: cannot read the batch \"absent\": No such file or directory\n");
  EXPECT_EQ(run("--batch - < ."), 1) << "a folder as standard input";
  EXPECT_EQ(err_, "tessaly-render: cannot read the batch from standard input: Is a directory\n");
  ASSERT_EQ(mkdir((folder_ + "/\x1b[2J").c_str(), 0700), 0);
  EXPECT_EQ(run("--batch \"$(printf '\\033[2J')\""), 1);
  EXPECT_EQ(err_, "tessaly-render: cannot read the batch \"\\x1b[2J\": Is a directory\n");
  rmdir((folder_ + "/\x1b[2J").c_str());
  write_batch(std::string("quirn --format dat -o a") + '\0' +
              "b.dat\nquirn --format dat -o c.dat\n");
  EXPECT_EQ(run("--batch batch"), 2);
  EXPECT_EQ(err_, "tessaly-render: line 1: a NUL byte in the line\n");
  EXPECT_EQ(slurp(folder_ + "/c.dat").size(), 8016u);
}

}  // namespace
}  // namespace tessaly::tools
