#include "resources/commands.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/state.h"

namespace tessaly {
namespace {

class Commands : public testing::Test {
 protected:
  void SetUp() override { activate_program(ombra_program()); }
  static std::pair<int, int> mode() { return {clear_before_draw, clear_pending}; }
};

TEST_F(Commands, RepaintModeTable) {
  struct Row {
    std::pair<int, int> from;
    std::pair<int, int> after[4];  // 201, 202, 203, 204
  };
  const Row table[] = {
      {{1, 0}, {{1, 0}, {0, 0}, {1, 1}, {1, 0}}},
      {{0, 0}, {{1, 0}, {0, 0}, {0, 1}, {0, 0}}},
      {{0, 1}, {{1, 0}, {0, 0}, {0, 1}, {0, 0}}},
      {{1, 1}, {{1, 0}, {0, 0}, {1, 1}, {1, 0}}},
  };
  for (const Row& row : table) {
    for (int i = 0; i < 4; ++i) {
      clear_before_draw = row.from.first;
      clear_pending = row.from.second;
      apply_menu_command(ombra_program(), 201 + i);
      EXPECT_EQ(mode(), row.after[i])
          << "from (" << row.from.first << ", " << row.from.second << ") by " << 201 + i;
    }
  }
}

TEST_F(Commands, RepaintRequestFollowsTheMode) {
  const ProgramDescriptor& ombra = ombra_program();
  EXPECT_EQ(apply_menu_command(ombra, 302).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra, 202).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra, 301).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra, 203).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra, 501).repaint, Repaint::kErase) << "Clear wipes each time";
  EXPECT_EQ(apply_menu_command(ombra, 502).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra, 202).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra, 501).repaint, Repaint::kOverlay);
  // Dialogs always end erased; print, exit, help and version request nothing.
  const CommandOutcome dialog = apply_menu_command(ombra, 602);
  EXPECT_EQ(dialog.action, ShellAction::kGraphDialog);
  EXPECT_EQ(dialog.repaint, Repaint::kErase);
  for (int command : {103, 104, 701, 702}) {
    EXPECT_EQ(apply_menu_command(ombra, command).repaint, Repaint::kNone) << command;
  }
  EXPECT_EQ(apply_menu_command(ombra, 101).action, ShellAction::kReadFile);
  EXPECT_EQ(apply_menu_command(ombra, 101).repaint, Repaint::kOverlay);
}

TEST_F(Commands, OnlyCommandsTheMenuOffersReachDispatch) {
  EXPECT_FALSE(apply_menu_command(ombra_program(), 303).accepted);
  EXPECT_FALSE(apply_menu_command(ombra_program(), 504).accepted);
  EXPECT_EQ(step_count2, 0.0);
  EXPECT_FALSE(apply_menu_command(quirn_program(), 603).accepted);
  EXPECT_TRUE(apply_menu_command(velto_program(), 504).accepted);
  EXPECT_EQ(step_count2, 1.0);
  EXPECT_EQ(step_count, 0.0);
  apply_menu_command(velto_program(), 501);
  apply_menu_command(velto_program(), 501);
  apply_menu_command(velto_program(), 505);
  EXPECT_EQ(step_count, 2.0);
  EXPECT_EQ(step_count2, 0.0);
  apply_menu_command(velto_program(), 504);
  apply_menu_command(ombra_program(), 503);  // Ombra has no 504, but 503 clears both
  EXPECT_EQ(step_count, 0.0);
  EXPECT_EQ(step_count2, 0.0);
  apply_menu_command(velto_program(), 304);
  apply_menu_command(velto_program(), 403);
  EXPECT_EQ(circuit_index, 4);
  EXPECT_EQ(analysis_index, 3);
}

TEST_F(Commands, TypedCharacters) {
  clear_before_draw = 0;
  const CommandOutcome three = apply_typed_character('3');
  EXPECT_EQ(circuit_index, 3);
  EXPECT_EQ(three.repaint, Repaint::kErase) << "keys always erase, even in overlay mode";
  apply_typed_character('0');
  apply_typed_character(' ');
  apply_typed_character('\r');
  EXPECT_EQ(circuit_index, 3);
  apply_typed_character('A');
  EXPECT_EQ(display_magnification, 1.0);
  apply_typed_character('b');
  EXPECT_EQ(display_magnification, 1.2);
  apply_typed_character('c');
  EXPECT_EQ(display_magnification, 1.5);
  EXPECT_EQ(apply_typed_character('q').action, ShellAction::kPrint);
  EXPECT_EQ(print_magnification, 1.0);
  EXPECT_EQ(apply_typed_character('R').action, ShellAction::kPrint);
  EXPECT_EQ(print_magnification, 0.8);
  apply_typed_character('p');
  EXPECT_EQ(print_magnification, 1.2);
  EXPECT_EQ(apply_typed_character('x').action, ShellAction::kNone);
  EXPECT_EQ(mode(), std::make_pair(0, 0)) << "keys never change the repaint mode";
}

}  // namespace
}  // namespace tessaly
