#include "interaction/dialog_settings.h"

#include <gtest/gtest.h>

#include <array>

#include "core/session.h"
#include "programs/descriptor.h"

namespace tessaly::interaction {
namespace {

std::array<double, 5> row(const double* values) {
  return {values[0], values[1], values[2], values[3], values[4]};
}

TEST(DialogSettings, CapacityFollowsTheProgramsDialogs) {
  EXPECT_EQ(setting_capacity(ombra_program(), "circuit_constants"), 3);
  EXPECT_EQ(setting_capacity(ombra_program(), "graph_constants"), 5);
  EXPECT_EQ(setting_capacity(ombra_program(), "display_magnification"), 1);
  EXPECT_EQ(setting_capacity(ombra_program(), "print_magnification"), 1);
  EXPECT_EQ(setting_capacity(ombra_program(), "L"), 0);
  EXPECT_EQ(setting_capacity(velto_program(), "circuit_constants"), 2) << "L and C";
  EXPECT_EQ(setting_capacity(velto_program(), "graph_constants"), 5);
  EXPECT_EQ(setting_capacity(velto_program(), "print_magnification"), 1);
  EXPECT_EQ(setting_capacity(quirn_program(), "circuit_constants"), 3);
  EXPECT_EQ(setting_capacity(quirn_program(), "display_magnification"), 0) << "no DLG3";
  EXPECT_EQ(setting_names(quirn_program()), "circuit_constants (3), graph_constants (5)");
}

TEST(DialogSettings, StoresLikeOkOnTheWholeDialog) {
  Session session = start_session(ombra_program());
  double* const circuit = ombra_program().circuit_constants.row(session);
  // The untouched boxes show "%g" and are read back: six significant digits.
  circuit[2] = 1234.5678;
  store_setting(session, "circuit_constants", {"-0.005"});
  EXPECT_EQ(circuit[0], 0.005);
  EXPECT_EQ(circuit[1], 1e-05);
  EXPECT_EQ(circuit[2], 1234.57);

  store_setting(session, "graph_constants", {"20", "", "x"});
  const double* const graph = ombra_program().graph_constants.row(session);
  EXPECT_EQ(graph[0], 20.0);
  EXPECT_EQ(graph[1], 0.0) << "an emptied box";
  EXPECT_EQ(graph[2], 0.0) << "no number";
  EXPECT_EQ(graph[3], 1000.0);
  EXPECT_EQ(graph[4], 500.0);
}

TEST(DialogSettings, EachMagnificationIsOneBoxOfTheSameDialog) {
  Session session = start_session(ombra_program());
  session.print_magnification = 1.23456789;
  store_setting(session, "display_magnification", {"1"});
  EXPECT_EQ(session.display_magnification, 1.0);
  EXPECT_EQ(session.print_magnification, 1.23457) << "the other box went through its text as well";
  store_setting(session, "print_magnification", {"-0.8"});
  EXPECT_EQ(session.print_magnification, 0.8);
  EXPECT_EQ(session.display_magnification, 1.0);
}

TEST(DialogSettings, GraphConstantsGoToTheRowOfTheSelectedAnalysis) {
  Session session = start_session(velto_program());
  session.analysis_index = 3;
  store_setting(session, "graph_constants", {"", "2e3", "-45"});
  EXPECT_EQ(row(session.graph_constants[3]), (std::array<double, 5>{0, 2000, 45, 60, 400}));
  EXPECT_EQ(row(session.graph_constants[2]), (std::array<double, 5>{1, 2000, 0.1, 60, 400}));
  const Session fresh = start_session(velto_program());
  EXPECT_EQ(row(fresh.graph_constants[3]), (std::array<double, 5>{1, 2000, 60, 60, 400}))
      << "another session keeps its own rows";
}

}  // namespace
}  // namespace tessaly::interaction
