#include "tools/dialog_settings.h"

#include <gtest/gtest.h>

#include <array>

#include "core/state.h"
#include "programs/descriptor.h"
#include "programs/ombra/tables.h"
#include "programs/velto/tables.h"

namespace tessaly::tools {
namespace {

class DialogSettings : public ::testing::Test {
 protected:
  void SetUp() override { activate_program(ombra_program()); }
};

TEST_F(DialogSettings, CapacityFollowsTheProgramsDialogs) {
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

TEST_F(DialogSettings, StoresLikeOkOnTheWholeDialog) {
  // The untouched boxes show "%g" and are read back: six significant digits.
  ombra::circuit_constants[2] = 1234.5678;
  store_setting(ombra_program(), "circuit_constants", {"-0.005"});
  EXPECT_EQ(ombra::circuit_constants[0], 0.005);
  EXPECT_EQ(ombra::circuit_constants[1], 1e-05);
  EXPECT_EQ(ombra::circuit_constants[2], 1234.57);

  store_setting(ombra_program(), "graph_constants", {"20", "", "x"});
  EXPECT_EQ(ombra::graph_constants[0], 20.0);
  EXPECT_EQ(ombra::graph_constants[1], 0.0) << "an emptied box";
  EXPECT_EQ(ombra::graph_constants[2], 0.0) << "no number";
  EXPECT_EQ(ombra::graph_constants[3], 1000.0);
  EXPECT_EQ(ombra::graph_constants[4], 500.0);
}

TEST_F(DialogSettings, EachMagnificationIsOneBoxOfTheSameDialog) {
  print_magnification = 1.23456789;
  store_setting(ombra_program(), "display_magnification", {"1"});
  EXPECT_EQ(display_magnification, 1.0);
  EXPECT_EQ(print_magnification, 1.23457) << "the other box went through its text as well";
  store_setting(ombra_program(), "print_magnification", {"-0.8"});
  EXPECT_EQ(print_magnification, 0.8);
  EXPECT_EQ(display_magnification, 1.0);
}

TEST_F(DialogSettings, GraphConstantsGoToTheRowOfTheSelectedAnalysis) {
  activate_program(velto_program());
  analysis_index = 3;
  store_setting(velto_program(), "graph_constants", {"", "2e3", "-45"});
  EXPECT_EQ(velto::graph_constants[3], (std::array<double, 5>{0, 2000, 45, 60, 400}));
  EXPECT_EQ(velto::graph_constants[2], (std::array<double, 5>{1, 2000, 0.1, 60, 400}));
  activate_program(velto_program());
  EXPECT_EQ(velto::graph_constants[3], (std::array<double, 5>{1, 2000, 60, 60, 400}))
      << "a fresh start restores every row";
}

}  // namespace
}  // namespace tessaly::tools
