// A data file read back and drawn over the graph as a dashed dark-grey curve.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/data_file.h"
#include "core/reference_curve.h"
#include "core/session.h"
#include "graph/frame.h"
#include "graph/mapping.h"
#include "interaction/text_outputs.h"
#include "program_fixture.h"

namespace tessaly::testing {
namespace {

interaction::Step read(const std::string& path) {
  interaction::Step step;
  step.kind = interaction::Step::Kind::kRead;
  step.name = path;
  return step;
}

struct Segment {
  int x1, y1, x2, y2;
};

class ReferenceCurveTest : public ProgramTest {
 protected:
  void SetUp() override {
    char folder_template[] = "/tmp/tessaly-reference-XXXXXX";
    ASSERT_NE(mkdtemp(folder_template), nullptr);
    folder_ = folder_template;
  }
  void TearDown() override {
    for (const std::string& file : files_) std::remove(file.c_str());
    std::remove(folder_.c_str());
  }

  // The arrays as the steps leave them, saved; also kept for comparison.
  std::string save_after(const std::vector<interaction::Step>& steps, const char* name) {
    render(ombra_program(), steps);
    std::copy(session().plot_values_1, session().plot_values_1 + kStoredPoints, saved_1_);
    std::copy(session().plot_values_2, session().plot_values_2 + kStoredPoints, saved_2_);
    const std::string path = folder_ + "/" + name;
    EXPECT_TRUE(save_data_file(session(), path).ok());
    files_.push_back(path);
    return path;
  }

  std::string write_file(const char* name, const std::vector<double>& values) {
    const std::string path = folder_ + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    EXPECT_NE(file, nullptr);
    if (!values.empty()) std::fwrite(values.data(), sizeof(double), values.size(), file);
    std::fclose(file);
    files_.push_back(path);
    return path;
  }

  // The reference's pieces: solid lines of width 1 in colour 15.
  std::vector<Segment> reference_pieces() const {
    std::vector<Segment> pieces;
    for (const std::string& l : starting_with("line ")) {
      Segment s{};
      int colour = 0, width = 0, style = 0, mode = 0;
      if (std::sscanf(l.c_str(), "line %d %d %d %d %d %d %d %d", &s.x1, &s.y1, &s.x2, &s.y2,
                      &colour, &width, &style, &mode) == 8 &&
          colour == 15 && width == 1 && style == 0) {
        pieces.push_back(s);
      }
    }
    return pieces;
  }

  std::string folder_;
  std::vector<std::string> files_;
  double saved_1_[kStoredPoints];
  double saved_2_[kStoredPoints];
};

// Ombra's default sweep: 10 Hz to 100 kHz in 500 logarithmic steps.
double ombra_frequency(int index) {
  return 10.0 * std::pow(std::pow(10.0, std::log10(1e5 / 10.0) / 500.0), index);
}

TEST_F(ReferenceCurveTest, DataCommandShowsItUntilClearOrTheNextRead) {
  const std::string file = save_after({}, "default.dat");

  render(ombra_program(), {command(501), read(file)});
  EXPECT_TRUE(reference_pieces().empty()) << "a read alone changes nothing on the screen";

  render(ombra_program(), {command(501), read(file), command(204)});
  const std::vector<Segment> shown = reference_pieces();
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0].x1, graph::map_x(context().upper_frame, ombra_frequency(0)));
  EXPECT_EQ(shown[0].y1, graph::map_y(context().upper_frame, saved_1_[0]));
  const bool reaches_lower_frame = std::any_of(shown.begin(), shown.end(), [&](const Segment& s) {
    return s.y1 > context().lower_frame.bottom - context().lower_frame.height;
  });
  EXPECT_TRUE(reaches_lower_frame) << "the phase block goes on the lower frame";

  render(ombra_program(), {read(file), command(204), command(501), command(202), command(301)});
  EXPECT_EQ(reference_pieces().size(), shown.size()) << "it stays over later graphs";

  render(ombra_program(), {read(file), command(204), command(203), command(501)});
  EXPECT_TRUE(reference_pieces().empty()) << "Clear takes it away";
  render(ombra_program(), {read(file), command(204), command(203), command(204)});
  EXPECT_EQ(reference_pieces().size(), shown.size()) << "and the data command brings it back";

  render(ombra_program(), {read(file), command(204), read(file)});
  EXPECT_TRUE(reference_pieces().empty()) << "another read hides it until the data command";

  render(ombra_program(), {read(file), command(204), read(folder_ + "/missing.dat"), command(204)});
  EXPECT_TRUE(reference_pieces().empty()) << "a read that fails leaves no reference";
}

TEST_F(ReferenceCurveTest, ReadingLeavesTheSweepsOwnValues) {
  const std::string file = save_after({}, "default.dat");
  render(ombra_program(), {command(501)});
  std::vector<double> stepped_1(session().plot_values_1, session().plot_values_1 + kStoredPoints);
  std::vector<double> stepped_2(session().plot_values_2, session().plot_values_2 + kStoredPoints);

  render(ombra_program(), {command(501), read(file), command(204)});
  EXPECT_EQ(std::vector<double>(session().plot_values_1, session().plot_values_1 + kStoredPoints),
            stepped_1);
  EXPECT_EQ(std::vector<double>(session().plot_values_2, session().plot_values_2 + kStoredPoints),
            stepped_2);
  EXPECT_EQ(session().reference_curve.count_1, kStoredPoints);
  EXPECT_EQ(session().reference_curve.count_2, kStoredPoints);
  EXPECT_TRUE(std::equal(saved_1_, saved_1_ + kStoredPoints, session().reference_curve.values_1));
  EXPECT_TRUE(std::equal(saved_2_, saved_2_ + kStoredPoints, session().reference_curve.values_2));
  EXPECT_NE(stepped_1[250], saved_1_[250]) << "the step changed the curve";
}

TEST_F(ReferenceCurveTest, OnlyWhatTheFileHeldIsDrawn) {
  render(ombra_program(), {read(write_file("empty.dat", {})), command(204)});
  EXPECT_TRUE(reference_pieces().empty());
  EXPECT_FALSE(session().reference_curve.shown);

  // Five magnitudes, no phase block.
  render(ombra_program(), {read(write_file("five.dat", {1, 2, 3, 4, 5})), command(204)});
  std::vector<Segment> pieces = reference_pieces();
  ASSERT_FALSE(pieces.empty());
  const int last_x = graph::map_x(context().upper_frame, ombra_frequency(4));
  for (const Segment& s : pieces) {
    EXPECT_LE(std::max(s.x1, s.x2), last_x);
    EXPECT_LE(std::max(s.y1, s.y2), context().upper_frame.bottom) << "nothing on the phase frame";
  }

  // A value the logarithmic axis cannot show, or no number at all, breaks the line.
  const std::vector<double> broken = {10, 10, 10, -1, 10, 10, NAN, 10, 10, 0, 10, 10};
  render(ombra_program(), {read(write_file("broken.dat", broken)), command(204)});
  pieces = reference_pieces();
  ASSERT_FALSE(pieces.empty());
  for (int gap : {3, 6, 9}) {
    const int before = graph::map_x(context().upper_frame, ombra_frequency(gap - 1));
    const int after = graph::map_x(context().upper_frame, ombra_frequency(gap + 1));
    for (const Segment& s : pieces) {
      EXPECT_FALSE(std::min(s.x1, s.x2) < after && std::max(s.x1, s.x2) > before)
          << "a piece bridges entry " << gap;
    }
  }
}

TEST_F(ReferenceCurveTest, LocusPairsAndPrinting) {
  const std::string file = save_after({command(404)}, "locus.dat");
  render(ombra_program(), {command(404), command(501), read(file), command(204)});
  const std::vector<Segment> pieces = reference_pieces();
  ASSERT_FALSE(pieces.empty());
  EXPECT_EQ(pieces[0].x1, graph::map_x(context().main_frame, saved_1_[0]));
  EXPECT_EQ(pieces[0].y1, graph::map_y(context().main_frame, saved_2_[0]));

  interaction::RenderRequest request;
  request.program = &ombra_program();
  request.steps = {command(404), read(file), command(204)};
  request.format = interaction::Format::kTracePrint;
  const std::string printed = interaction::text_output(request);
  const int printer_pen = static_cast<int>(session().print_magnification * 5.0);
  EXPECT_NE(printed.find(" 15 " + std::to_string(printer_pen) + " 0 13\n"), std::string::npos)
      << "on paper it is drawn with the printer's pen";
}

}  // namespace
}  // namespace tessaly::testing
