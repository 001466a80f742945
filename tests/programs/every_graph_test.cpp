// Every circuit number the keys reach, with every analysis a program's menu offers, draws a
// complete pass: set-up, legends, the end-of-pass alert.
#include <gtest/gtest.h>

#include "core/session.h"
#include "program_fixture.h"
#include "programs/descriptor.h"

namespace tessaly {
namespace {

class EveryGraph : public testing::ProgramTest {
 protected:
  // The title stands at y 4 and ends with the analysis name, whatever the circuit's name.
  bool has_title_ending(const std::string& analysis_name) const {
    const std::string tail = " 4 0 0 1 1 ";
    for (const std::string& line : starting_with("text ")) {
      const std::string::size_type at = line.find(tail);
      if (at == std::string::npos) continue;
      const std::string title = line.substr(at + tail.size());
      if (title.size() >= analysis_name.size() &&
          title.compare(title.size() - analysis_name.size(), analysis_name.size(), analysis_name) ==
              0) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(EveryGraph, EveryCircuitNumberWithEveryAnalysisCompletes) {
  struct Program {
    const ProgramDescriptor& descriptor;
    int analyses;
  };
  const Program programs[] = {{ombra_program(), 4}, {velto_program(), 3}, {quirn_program(), 2}};
  for (const Program& p : programs) {
    for (int analysis = 1; analysis <= p.analyses; ++analysis) {
      for (char digit = '1'; digit <= '9'; ++digit) {
        render(p.descriptor, {testing::command(400 + analysis), testing::key(digit)});
        const std::string where = std::string(p.descriptor.id) + " analysis " +
                                  std::to_string(analysis) + " circuit " + digit;
        ASSERT_FALSE(lines_.empty()) << where;
        EXPECT_EQ(lines_.back(), "alert") << where;
        EXPECT_TRUE(has_title_ending(p.descriptor.analysis_names[analysis])) << where;
        EXPECT_EQ(session().circuit_index, digit - '0') << where;
        EXPECT_EQ(session().analysis_index, analysis) << where;
        EXPECT_TRUE(has("text 520 398 0 0 1 1 2000-01-29") ||
                    has("text 392 398 0 0 1 1 2000-01-29"))
            << "date stamp of " << where;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly
