// Whatever is typed into a settings dialog is stored as atof reads it, made positive, and the
// graph drawn afterwards still ends. Values that make no graph as they stand are bounded where
// they are drawn: the sweep takes 1 to 500 intervals, the magnifications 0.1 to 10; a frequency
// or magnitude range that the axes cannot show is left to the axes' error messages.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "core/dialog_values.h"
#include "core/session.h"
#include "graph/context.h"
#include "graph/frame.h"
#include "graph/sweep.h"
#include "programs/descriptor.h"
#include "programs/ombra/tables.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr int kPrinterDpi = 300;

struct TypedText {
  std::string text;
  double stored;
};

// The brief's hostile inputs, with what the 1999 run-time's atof made of them.
std::vector<TypedText> typed_texts() {
  const std::string digits49 = "1234567890123456789012345678901234567890123456789";
  return {
      {"", 0.0},
      {"abc", 0.0},
      {"-0", 0.0},
      {"-0.005", 0.005},
      {"2e-3x", 0.002},
      {"1e400", kInfinity},
      {"-1e400", kInfinity},
      {"1e-400", 0.0},
      {"nan", 0.0},
      {"inf", 0.0},
      {"0x10", 0.0},
      {"1,5", 1.0},
      {"５", 0.0},
      {digits49, 1.234567890123456789e48},
      {digits49 + "01234567890", 1.234567890123456789e48},
  };
}

class DialogInputs : public ::testing::Test {
 protected:
  void SetUp() override {
    start(ombra_program());
    // A print pass puts the window's scales back when it ends; its own are in force while the
    // graph rings the end-of-graph alert.
    surface.set_alert_hook(
        [](void* test) {
          auto* self = static_cast<DialogInputs*>(test);
          self->alert_scale_x_ = self->surface.device_scale_x;
        },
        this);
  }

  // A new session of the program in the same window: the graph context stays.
  void start(const ProgramDescriptor& program) {
    session = start_session(program);
    g.corner_nudges = program.corner_nudges;
  }

  // A window pass, then a print: each ends with the alert of its finished graph.
  void draw_both() {
    for (int pass = 0; pass < 2; ++pass) {
      recorder_.clear_trace();
      if (pass == 0) {
        window_pass(session, g, recorder_, 96, 96);
      } else {
        print_pass(session, g, recorder_, kPrinterDpi, kPrinterDpi);
      }
      const std::string& trace = recorder_.trace();
      ASSERT_GE(trace.size(), 6u);
      ASSERT_EQ(trace.substr(trace.size() - 6), "alert\n");
    }
  }

  // Widths of the curve segments of the last pass (colour 1, the first curve).
  std::vector<int> curve_widths() const {
    std::vector<int> widths;
    for (const std::string& line : recorder_.lines()) {
      std::istringstream in(line);
      std::string keyword;
      int x1, y1, x2, y2, colour, width;
      if (in >> keyword >> x1 >> y1 >> x2 >> y2 >> colour >> width && keyword == "line" &&
          colour == 1) {
        widths.push_back(width);
      }
    }
    return widths;
  }

  bool shows_error(int code) const {
    const std::string line = "error " + std::to_string(code);
    for (const std::string& l : recorder_.lines()) {
      if (l == line) return true;
    }
    return false;
  }

  surface::RecordingBackend recorder_;
  surface::Surface surface;
  graph::Context g{surface};
  Session session;
  double alert_scale_x_ = 0.0;  // device scale of the last pass, at its alert
};

TEST_F(DialogInputs, EveryTextInEveryEditStoresAtofsValueAndStillDraws) {
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    for (const TypedText& typed : typed_texts()) {
      start(*program);
      std::vector<double*> edits = {&session.display_magnification, &session.print_magnification};
      for (const ValueList& list : {program->circuit_constants, program->graph_constants}) {
        for (int i = 0; i < list.count; ++i) edits.push_back(&list.row(session)[i]);
      }
      for (double* edit : edits) {
        const double kept = *edit;
        *edit = read_edit_value(typed.text.c_str());
        SCOPED_TRACE(std::string(program->id) + " \"" + typed.text + "\"");
        EXPECT_EQ(*edit, typed.stored);
        EXPECT_FALSE(std::signbit(*edit));
        draw_both();
        EXPECT_LE(g.last_sweep.points, kStoredPoints);
        *edit = kept;
      }
    }
  }
}

TEST_F(DialogInputs, PointCountsOutsideOneToFiveHundredAreBounded) {
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    SCOPED_TRACE(program->id);
    start(*program);
    double& points = program->graph_constants.row(session)[4];
    points = read_edit_value("0");
    draw_both();
    EXPECT_EQ(g.graph_settings.point_count, 1);
    EXPECT_EQ(g.last_sweep.points, 2) << "one interval: the sweep's start and stop";
    points = read_edit_value("nan");
    draw_both();
    EXPECT_EQ(g.last_sweep.points, 2);
    for (const char* many : {"600", "1e9", "1e400"}) {
      points = read_edit_value(many);
      draw_both();
      EXPECT_EQ(g.graph_settings.point_count, 500) << many;
      // A logarithmic sweep may lose its last point to rounding; none goes past the store.
      EXPECT_GE(g.last_sweep.points, 500) << many;
      EXPECT_LE(g.last_sweep.points, kStoredPoints) << many;
    }
    points = 250.0;
    draw_both();
    EXPECT_GE(g.last_sweep.points, 250) << "inside the bounds the count stands";
    EXPECT_LE(g.last_sweep.points, 251);
  }
}

TEST_F(DialogInputs, MagnificationsAreDrawnBetweenATenthAndTen) {
  session.display_magnification = read_edit_value("0");
  session.print_magnification = read_edit_value("1e400");
  draw_both();
  EXPECT_EQ(session.display_magnification, 0.0) << "the dialog's value stays as stored";
  EXPECT_EQ(surface.display_scale, 0.1);
  EXPECT_EQ(alert_scale_x_, kPrinterDpi * 10.0 / 96);
  const std::vector<int> widths = curve_widths();
  ASSERT_FALSE(widths.empty());
  for (int width : widths) EXPECT_EQ(width, 50) << "five pixels per unit of magnification";

  session.display_magnification = read_edit_value("20");
  session.print_magnification = read_edit_value("0.05");
  draw_both();
  EXPECT_EQ(surface.display_scale, 10.0);
  EXPECT_EQ(alert_scale_x_, kPrinterDpi * 0.1 / 96);
  for (int width : curve_widths()) EXPECT_EQ(width, 0);

  session.display_magnification = std::numeric_limits<double>::quiet_NaN();
  session.print_magnification = 1.2;
  draw_both();
  EXPECT_EQ(surface.display_scale, 1.0);
  EXPECT_EQ(alert_scale_x_, kPrinterDpi * 1.2 / 96);
}

TEST_F(DialogInputs, RangesTheAxesCannotShowAreLeftToTheAxes) {
  double* constants = ombra::graph_constant_row(session);
  constants[0] = read_edit_value("0");
  draw_both();
  EXPECT_TRUE(shows_error(1)) << "a logarithmic axis from 0";
  EXPECT_EQ(g.last_sweep.points, 1) << "the sweep cannot step on from 0 Hz";

  start(ombra_program());
  constants[0] = constants[1] = read_edit_value("100");
  draw_both();
  EXPECT_TRUE(shows_error(3)) << "an empty frequency range";
  EXPECT_EQ(g.last_sweep.points, 1);

  start(ombra_program());
  constants[2] = constants[3] = read_edit_value("5");
  draw_both();
  EXPECT_TRUE(shows_error(3)) << "an empty magnitude range";
  EXPECT_EQ(g.last_sweep.points, 501);

  start(ombra_program());
  constants[1] = read_edit_value("1e400");
  draw_both();
  EXPECT_EQ(g.last_sweep.points, 2) << "10 Hz, then a step to infinity, and no further";
}

}  // namespace
}  // namespace tessaly
