// The phasors of every circuit against their closed forms, the CSV of a few of them, and where
// the marker and the diagram land in the trace.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "complex/angles.h"
#include "programs/descriptor.h"
#include "programs/passes.h"
#include "programs/phasor_csv.h"
#include "programs/phasor_panel.h"
#include "programs/phasors.h"
#include "programs/teaching_views.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace tessaly {
namespace {

constexpr unsigned kRLC = elements::kR | elements::kL | elements::kC;

double resonance(const Components& parts) {
  return 1.0 / (kTwoPi * std::sqrt(parts.component_l * parts.component_c));
}

// Near within a share of the largest phasor of the set.
void expect_close(Complex a, Complex b, double size) {
  EXPECT_NEAR(a.re, b.re, 1e-12 * size);
  EXPECT_NEAR(a.im, b.im, 1e-12 * size);
}

std::vector<std::string> names(const PhasorSet& set) {
  std::vector<std::string> out;
  for (int i = 0; i < set.count; ++i) out.push_back(set.items[i].name);
  return out;
}

TEST(Phasors, SeriesAndParallelAtResonance) {
  const Components parts{10.0, 0.0025, 1e-05};
  const double f0 = resonance(parts);

  const PhasorSet series = circuit_phasors({CircuitShape::kSeries, kRLC}, parts, f0);
  EXPECT_EQ(names(series), (std::vector<std::string>{"I", "V_R", "V_L", "V_C", "V"}));
  const Complex v_r = series.items[1].value;
  const Complex v_l = series.items[2].value;
  const Complex v_c = series.items[3].value;
  EXPECT_EQ(series.reference().value.re, 1.0);
  EXPECT_EQ(series.reference().value.im, 0.0);
  expect_close(v_l, Complex(-v_c.re, -v_c.im), magnitude(v_l));
  expect_close(series.total().value, v_r, magnitude(v_l));
  EXPECT_EQ(v_r.re, 10.0);

  const PhasorSet parallel = circuit_phasors({CircuitShape::kParallel, kRLC}, parts, f0);
  EXPECT_EQ(names(parallel), (std::vector<std::string>{"V", "I_R", "I_L", "I_C", "I"}));
  const Complex i_r = parallel.items[1].value;
  const Complex i_l = parallel.items[2].value;
  const Complex i_c = parallel.items[3].value;
  expect_close(i_l, Complex(-i_c.re, -i_c.im), magnitude(i_l));
  expect_close(parallel.total().value, i_r, magnitude(i_l));
  EXPECT_EQ(i_r.re, 0.1);

  // Away from resonance one of them wins: the inductor below f0 in parallel, above in series.
  EXPECT_GT(
      magnitude(circuit_phasors({CircuitShape::kParallel, kRLC}, parts, f0 / 2).items[2].value),
      magnitude(circuit_phasors({CircuitShape::kParallel, kRLC}, parts, f0 / 2).items[3].value));
  EXPECT_GT(
      magnitude(circuit_phasors({CircuitShape::kSeries, kRLC}, parts, 2 * f0).items[2].value),
      magnitude(circuit_phasors({CircuitShape::kSeries, kRLC}, parts, 2 * f0).items[3].value));
}

TEST(Phasors, EachElementHasItsAngle) {
  const Components parts{47.0, 0.01, 2.2e-06};
  for (const double f : {3.0, 400.0, 25000.0}) {
    const PhasorSet series = circuit_phasors({CircuitShape::kSeries, kRLC}, parts, f);
    EXPECT_EQ(phase_degrees(series.items[1].value), 0.0) << f;
    EXPECT_EQ(phase_degrees(series.items[2].value), 90.0) << f;
    EXPECT_EQ(phase_degrees(series.items[3].value), -90.0) << f;
    const PhasorSet parallel = circuit_phasors({CircuitShape::kParallel, kRLC}, parts, f);
    EXPECT_EQ(phase_degrees(parallel.items[1].value), 0.0) << f;
    EXPECT_EQ(phase_degrees(parallel.items[2].value), -90.0) << f;
    EXPECT_EQ(phase_degrees(parallel.items[3].value), 90.0) << f;
    for (const unsigned element : {elements::kR, elements::kL, elements::kC}) {
      const PhasorSet single = circuit_phasors({CircuitShape::kSingle, element}, parts, f);
      ASSERT_EQ(single.count, 3);
      EXPECT_EQ(single.items[0].name, std::string("I"));
      EXPECT_EQ(single.items[2].name, std::string("V"));
      EXPECT_EQ(single.total().value.re, single.items[1].value.re);
      EXPECT_EQ(single.total().value.im, single.items[1].value.im);
      const double expected = element == elements::kR   ? 0.0
                              : element == elements::kL ? 90.0
                                                        : -90.0;
      EXPECT_EQ(phase_degrees(single.items[1].value), expected) << single.items[1].name;
    }
  }
  EXPECT_EQ(circuit_phasors({CircuitShape::kNone, 0}, parts, 50.0).count, 0);
}

// Every circuit of every program: the total is Z (series, single element) or 1/Z (parallel) of
// the program's own model at that frequency.
TEST(Phasors, TotalsAreTheModelsImpedanceOrAdmittance) {
  const Components parts{33.0, 0.0047, 6.8e-06};
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    int checked = 0;
    for (int circuit = 1; circuit < program->circuit_form_count; ++circuit) {
      const CircuitForm form = circuit_form(*program, circuit);
      for (const double f : {1.0, 700.0, 1000.0, 90000.0}) {
        const PhasorSet set = circuit_phasors(form, parts, f);
        const Complex z = program->model_evaluate(parts, circuit, Complex(0.0, kTwoPi * f));
        if (form.shape == CircuitShape::kParallel) {
          const Complex y = 1.0 / z;
          expect_close(set.total().value, y, magnitude(y));
        } else {
          EXPECT_EQ(set.total().value.re, z.re) << program->id << circuit << " " << f;
          EXPECT_EQ(set.total().value.im, z.im) << program->id << circuit << " " << f;
        }
        ++checked;
      }
    }
    EXPECT_GT(checked, 0) << program->id;
  }
  EXPECT_EQ(circuit_form(quirn_program(), 4).shape, CircuitShape::kNone);
  EXPECT_EQ(circuit_form(velto_program(), 9).shape, CircuitShape::kNone);
}

// A window pass of a program's start-up state with some steps applied by hand, keeping its
// trace: the phasors come from the curves that pass recorded.
class MarkedPass : public testing::Test {
 protected:
  void draw(const ProgramDescriptor& program, int circuit, double frequency, int curve,
            bool panel) {
    session_ = start_session(program);
    session_.circuit_index = circuit;
    session_.teaching.marker = {true, frequency, curve};
    session_.teaching.phasor_panel = panel;
    recorder_.clear_trace();
    window_pass(session_, graph_, recorder_, 96, 96);
  }
  std::string csv() {
    const FrequencyMarker& m = session_.teaching.marker;
    return phasor_csv(curve_phasors(*session_.program, graph_, m.curve, m.frequency));
  }
  std::vector<std::vector<std::string>> records(const std::string& kind) const {
    std::vector<std::vector<std::string>> out;
    for (const std::string& line : recorder_.lines()) {
      std::istringstream in(line);
      std::vector<std::string> fields;
      for (std::string f; in >> f;) fields.push_back(f);
      if (!fields.empty() && fields[0] == kind) out.push_back(fields);
    }
    return out;
  }

  Session session_;
  surface::Surface surface_;
  graph::Context graph_{surface_};
  surface::RecordingBackend recorder_;
};

TEST_F(MarkedPass, CsvOfTheChosenCurve) {
  // Ombra parallel, curve 3 of five: R = 0.1 x 1000 ohm.
  draw(ombra_program(), 1, 1000.0, 2, false);
  EXPECT_EQ(csv(),
            "name,real,imaginary,magnitude,phase_deg\n"
            "V,1,0,1,0\n"
            "I_R,0.01,0,0.01,0\n"
            "I_L,0,-0.063661976296290737,0.063661976296290737,-90\n"
            "I_C,0,0.062831853999999993,0.062831853999999993,90\n"
            "I,0.01,-0.00083012229629074452,0.010034395997109095,-4.7453702007366791\n");
  // Ombra series, curve 1: R = 0.0003 x 1000 ohm.
  draw(ombra_program(), 2, 1000.0, 0, false);
  EXPECT_EQ(csv(),
            "name,real,imaginary,magnitude,phase_deg\n"
            "I,1,0,1,0\n"
            "V_R,0.29999999999999999,0,0.29999999999999999,0\n"
            "V_L,0,15.707963499999998,15.707963499999998,90\n"
            "V_C,0,-15.915494074072685,15.915494074072685,-90\n"
            "V,0.29999999999999999,-0.20753057407268649,0.36478615540469572,-34.674267402577954\n");
  // Velto series LC: no resistor, so no V_R.
  draw(velto_program(), 3, 1000.0, 0, false);
  EXPECT_EQ(csv(),
            "name,real,imaginary,magnitude,phase_deg\n"
            "I,1,0,1,0\n"
            "V_L,0,15.915308618199999,15.915308618199999,90\n"
            "V_C,0,-15.915494074072685,15.915494074072685,-90\n"
            "V,0,-0.00018545587268548047,0.00018545587268548047,-90\n");
  // Quirn's L element; with all three elements drawn, curve 2 is the same inductor.
  const std::string inductor =
      "name,real,imaginary,magnitude,phase_deg\n"
      "I,1,0,1,0\n"
      "V_L,0,471.23890499999999,471.23890499999999,90\n"
      "V,0,471.23890499999999,471.23890499999999,90\n";
  draw(quirn_program(), 2, 50.0, 0, false);
  EXPECT_EQ(csv(), inductor);
  draw(quirn_program(), 4, 50.0, 1, false);
  EXPECT_EQ(csv(), inductor);
  // A curve number past the last curve takes the last one: Ombra's 1000 ohm.
  draw(ombra_program(), 1, 1000.0, 9, false);
  EXPECT_NE(csv().find("\nI_R,0.001,0,0.001,0\n"), std::string::npos);
}

TEST_F(MarkedPass, MarkerCrossesTheFrequencyFramesAndTheDiagramFitsItsPanel) {
  draw(ombra_program(), 1, 1000.0, 0, false);
  int marker_lines = 0;
  for (const auto& r : records("line")) {
    if (r[5] != "13") continue;
    ++marker_lines;
    EXPECT_EQ(r[1], r[3]);   // vertical
    EXPECT_EQ(r[1], "288");  // 1 kHz: two of the four decades right of x = 64, 112 units each
  }
  EXPECT_EQ(marker_lines, 2);  // |Z| and phase
  EXPECT_TRUE(records("box").empty());

  // Off the frames' range, no line; the locus gets a point on the chosen curve.
  draw(ombra_program(), 1, 1e7, 0, false);
  for (const auto& r : records("line")) EXPECT_NE(r[5], "13");

  int panel_lines = 0;
  int diagrams = 0;
  for (const ProgramDescriptor* program : {&ombra_program(), &velto_program(), &quirn_program()}) {
    for (int circuit = 1; circuit <= 4; ++circuit) {
      for (const double f : {1.0, 50.0, 1006.6, 3000.0, 99000.0}) {
        draw(*program, circuit, f, 4, true);
        // Outside the sweep the panel asks for a frequency on the graph instead.
        if (!within_sweep(graph_, 4, f)) continue;
        ++diagrams;
        for (const auto& r : records("line")) {
          if (std::stoi(r[1]) < kPhasorPanelLeft) continue;
          ++panel_lines;
          for (int i = 1; i <= 3; i += 2) {
            EXPECT_GE(std::stoi(r[i]), kPhasorPanelLeft);
            EXPECT_LE(std::stoi(r[i]), kPhasorPanelLeft + kPhasorPanelWidth);
            EXPECT_GE(std::stoi(r[i + 1]), 0);
            EXPECT_LE(std::stoi(r[i + 1]), 480);
          }
        }
      }
    }
  }
  EXPECT_GT(diagrams, 30);
  EXPECT_GT(panel_lines, diagrams * 5);  // axes and arrows with heads in every diagram
}

// On a projector the diagram must read at a glance: through resonance, the names of the
// phasors and axes never overlap one another and no arrow runs through a name; arrows along one
// line are drawn apart. With and without the wide lines of the projector setting.
TEST_F(MarkedPass, NamesStayClearOfEachOtherAndOfTheArrowsThroughResonance) {
  struct Box {
    int left, top, right, bottom;
  };
  const std::vector<std::string> names = {"I",   "V",   "V_R", "V_L", "V_C",
                                          "I_R", "I_L", "I_C", "Re",  "Im"};
  struct Case {
    const ProgramDescriptor& program;
    int circuit;
    double f0;  // of curve 0 at start-up
  };
  const Case cases[] = {{ombra_program(), 1, 1006.6},
                        {ombra_program(), 2, 1006.6},
                        {velto_program(), 3, 1000.0},
                        {velto_program(), 4, 1000.0}};
  int diagrams = 0;
  for (const Case& c : cases) {
    for (bool projector : {false, true}) {
      // One pass draws the curves; the diagram follows the marker as the window draws it
      // while the pointer moves.
      session_ = start_session(c.program);
      session_.circuit_index = c.circuit;
      session_.teaching.projector = projector;
      window_pass(session_, graph_, recorder_, 96, 96);
      for (int curve : {0, 2, 4}) {
        for (int step = 0; step < 50; ++step) {
          // Half a decade each side of resonance, finest near it.
          const double f = c.f0 * std::pow(10.0, 0.5 * std::pow((step - 24.5) / 24.5, 3));
          recorder_.clear_trace();
          const surface::TargetBinding binding(graph_.surface, recorder_);
          draw_marker_and_panel(*session_.program, {true, f, curve}, true, graph_);
          std::vector<Box> labels;
          for (const auto& r : records("text")) {
            if (std::stoi(r[1]) < kPhasorPanelLeft || r.size() != 8) continue;
            if (std::find(names.begin(), names.end(), r[7]) == names.end()) continue;
            const int x = std::stoi(r[1]);
            const int y = std::stoi(r[2]);
            labels.push_back({x, y, x + 8 * static_cast<int>(r[7].size()), y + 16});
          }
          const std::string where = std::string(c.program.id) + " circuit " +
                                    std::to_string(c.circuit) + " curve " + std::to_string(curve) +
                                    " f " + std::to_string(f) + (projector ? " projector" : "");
          ASSERT_GE(labels.size(), 5u) << where;
          for (std::size_t i = 0; i < labels.size(); ++i) {
            for (std::size_t j = i + 1; j < labels.size(); ++j) {
              const Box& a = labels[i];
              const Box& b = labels[j];
              EXPECT_FALSE(a.left < b.right && b.left < a.right && a.top < b.bottom &&
                           b.top < a.bottom)
                  << where << ": names " << i << " and " << j << " overlap";
            }
          }
          int arrows = 0;
          for (const auto& r : records("line")) {
            if (std::stoi(r[1]) < kPhasorPanelLeft || r[7] != "0") continue;
            ++arrows;
            const double x1 = std::stod(r[1]), y1 = std::stod(r[2]);
            const double x2 = std::stod(r[3]), y2 = std::stod(r[4]);
            const double half = std::stod(r[6]) / 2.0;
            for (int k = 0; k <= 100; ++k) {
              const double x = x1 + (x2 - x1) * k / 100.0;
              const double y = y1 + (y2 - y1) * k / 100.0;
              for (const Box& b : labels) {
                EXPECT_FALSE(x > b.left - half && x < b.right + half && y > b.top - half &&
                             y < b.bottom + half)
                    << where << ": a line from " << x1 << "," << y1 << " crosses a name at "
                    << b.left << "," << b.top;
              }
            }
          }
          EXPECT_GE(arrows, 9) << where;  // three arrows or more, each with its head
          ++diagrams;
        }
      }
    }
  }
  EXPECT_EQ(diagrams, 4 * 2 * 3 * 50);
}

// An element of 0 (Ombra's decrement of C has no floor) leaves a plain message, never "nan".
TEST_F(MarkedPass, AnElementOfZeroSaysSoInsteadOfNaN) {
  session_ = start_session(ombra_program());
  session_.circuit_index = 2;
  session_.circuit_constants[1] = 0.0;
  session_.teaching.marker = {true, 1000.0, 0};
  session_.teaching.phasor_panel = true;
  recorder_.clear_trace();
  window_pass(session_, graph_, recorder_, 96, 96);
  bool message = false;
  for (const std::string& line : recorder_.lines()) {
    if (line.rfind("text ", 0) != 0) continue;
    EXPECT_EQ(line.find("nan"), std::string::npos) << line;
    if (line.find("Ｃ が 0 なので描けません") != std::string::npos) message = true;
  }
  EXPECT_TRUE(message);
}

}  // namespace
}  // namespace tessaly
