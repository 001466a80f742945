// Whole traces of a handful of graphs against stored ones. After a deliberate change to the
// drawing, regenerate them with
//   TESSALY_UPDATE_GOLDEN=1 <build>/tests/tessaly_tests --gtest_filter='GoldenTrace.*'
// (which fails the run on purpose) and check the new files by hand before committing them
// (tests/golden/README.md).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "interaction/text_outputs.h"
#include "program_fixture.h"
#include "programs/descriptor.h"

namespace tessaly {
namespace {

struct GoldenCase {
  const char* file;
  const ProgramDescriptor& program;
  std::vector<interaction::Step> steps;
  const char* language = "ja";
};

std::string golden_path(const char* file) {
  return std::string(TESSALY_SOURCE_DIR) + "/tests/golden/" + file + ".trace";
}

bool updating() {
  const char* flag = std::getenv("TESSALY_UPDATE_GOLDEN");
  return flag != nullptr && std::string(flag) == "1";
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The first line where the traces part, with both versions, instead of two huge strings.
std::string first_difference(const std::string& expected, const std::string& actual) {
  std::istringstream e(expected);
  std::istringstream a(actual);
  std::string le;
  std::string la;
  for (int line = 1;; ++line) {
    const bool more_e = static_cast<bool>(std::getline(e, le));
    const bool more_a = static_cast<bool>(std::getline(a, la));
    if (!more_e && !more_a) return "no difference";
    if (!more_e || !more_a || le != la) {
      return "line " + std::to_string(line) + ": expected \"" + (more_e ? le : "<end>") +
             "\", drawn \"" + (more_a ? la : "<end>") + "\"";
    }
  }
}

TEST(GoldenTrace, GraphsMatchTheirCheckedTraces) {
  const GoldenCase cases[] = {
      {"ombra_default", ombra_program(), {}},
      {"ombra_locus", ombra_program(), {testing::command(404)}},
      {"velto_default", velto_program(), {}},
      {"velto_series_lc", velto_program(), {testing::command(303)}},
      {"quirn_default", quirn_program(), {}},
      {"quirn_rlc", quirn_program(), {testing::command(304)}},
      // English: each program's start-up graph and each of its analyses.
      {"en/ombra_default", ombra_program(), {}, "en"},
      {"en/ombra_magnitude", ombra_program(), {testing::command(402)}, "en"},
      {"en/ombra_phase", ombra_program(), {testing::command(403)}, "en"},
      {"en/ombra_locus", ombra_program(), {testing::command(404)}, "en"},
      {"en/velto_default", velto_program(), {}, "en"},
      {"en/velto_linear", velto_program(), {testing::command(402)}, "en"},
      {"en/velto_reactance", velto_program(), {testing::command(304), testing::command(403)}, "en"},
      {"en/quirn_default", quirn_program(), {}, "en"},
      {"en/quirn_log", quirn_program(), {testing::command(304), testing::command(402)}, "en"},
  };
  for (const GoldenCase& c : cases) {
    interaction::RenderRequest request;
    request.program = &c.program;
    request.steps = c.steps;
    request.format = interaction::Format::kTrace;
    request.language = text::find_language(c.language);
    const std::string trace = interaction::text_output(request);
    const std::string path = golden_path(c.file);
    if (updating()) {
      std::ofstream(path, std::ios::binary) << trace;
      // An update is never a pass, so that a run with the flag left set cannot slip by.
      ADD_FAILURE() << "wrote " << path << ": check it by hand, then run without the flag";
      continue;
    }
    const std::string expected = read_file(path);
    ASSERT_FALSE(expected.empty()) << "missing " << path;
    EXPECT_TRUE(trace == expected) << c.file << ": " << first_difference(expected, trace);
  }
}

}  // namespace
}  // namespace tessaly
