#include "resources/commands.h"

#include <gtest/gtest.h>

#include <utility>

#include "core/session.h"

namespace tessaly {
namespace {

class Commands : public testing::Test {
 protected:
  std::pair<int, int> mode() const { return {ombra_.clear_before_draw, ombra_.clear_pending}; }

  Session ombra_ = start_session(ombra_program());
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
      ombra_.clear_before_draw = row.from.first;
      ombra_.clear_pending = row.from.second;
      apply_menu_command(ombra_, 201 + i);
      EXPECT_EQ(mode(), row.after[i])
          << "from (" << row.from.first << ", " << row.from.second << ") by " << 201 + i;
    }
  }
}

TEST_F(Commands, RepaintRequestFollowsTheMode) {
  EXPECT_EQ(apply_menu_command(ombra_, 302).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra_, 202).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra_, 301).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra_, 203).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra_, 501).repaint, Repaint::kErase) << "Clear wipes each time";
  EXPECT_EQ(apply_menu_command(ombra_, 502).repaint, Repaint::kErase);
  EXPECT_EQ(apply_menu_command(ombra_, 202).repaint, Repaint::kOverlay);
  EXPECT_EQ(apply_menu_command(ombra_, 501).repaint, Repaint::kOverlay);
  // Dialogs always end erased; print, exit, help and version request nothing.
  const CommandOutcome dialog = apply_menu_command(ombra_, 602);
  EXPECT_EQ(dialog.action, ShellAction::kGraphDialog);
  EXPECT_EQ(dialog.repaint, Repaint::kErase);
  for (int command : {103, 104, 701, 702}) {
    EXPECT_EQ(apply_menu_command(ombra_, command).repaint, Repaint::kNone) << command;
  }
  EXPECT_EQ(apply_menu_command(ombra_, 101).action, ShellAction::kReadFile);
  EXPECT_EQ(apply_menu_command(ombra_, 101).repaint, Repaint::kOverlay);
}

TEST_F(Commands, OnlyCommandsTheMenuOffersReachDispatch) {
  EXPECT_FALSE(apply_menu_command(ombra_, 303).accepted);
  EXPECT_FALSE(apply_menu_command(ombra_, 504).accepted);
  EXPECT_EQ(ombra_.step_count2, 0.0);
  Session quirn = start_session(quirn_program());
  EXPECT_FALSE(apply_menu_command(quirn, 603).accepted);
  Session velto = start_session(velto_program());
  EXPECT_TRUE(apply_menu_command(velto, 504).accepted);
  EXPECT_EQ(velto.step_count2, 1.0);
  EXPECT_EQ(velto.step_count, 0.0);
  apply_menu_command(velto, 501);
  apply_menu_command(velto, 501);
  apply_menu_command(velto, 505);
  EXPECT_EQ(velto.step_count, 2.0);
  EXPECT_EQ(velto.step_count2, 0.0);
  ombra_.step_count = 2.0;
  ombra_.step_count2 = 1.0;
  apply_menu_command(ombra_, 503);  // Ombra has no 504, but 503 clears both
  EXPECT_EQ(ombra_.step_count, 0.0);
  EXPECT_EQ(ombra_.step_count2, 0.0);
  apply_menu_command(velto, 304);
  apply_menu_command(velto, 403);
  EXPECT_EQ(velto.circuit_index, 4);
  EXPECT_EQ(velto.analysis_index, 3);
}

TEST_F(Commands, TypedCharacters) {
  ombra_.clear_before_draw = 0;
  const CommandOutcome three = apply_typed_character(ombra_, '3');
  EXPECT_EQ(ombra_.circuit_index, 3);
  EXPECT_EQ(three.repaint, Repaint::kErase) << "keys always erase, even in overlay mode";
  apply_typed_character(ombra_, '0');
  apply_typed_character(ombra_, ' ');
  apply_typed_character(ombra_, '\r');
  EXPECT_EQ(ombra_.circuit_index, 3);
  apply_typed_character(ombra_, 'A');
  EXPECT_EQ(ombra_.display_magnification, 1.0);
  apply_typed_character(ombra_, 'b');
  EXPECT_EQ(ombra_.display_magnification, 1.2);
  apply_typed_character(ombra_, 'c');
  EXPECT_EQ(ombra_.display_magnification, 1.5);
  EXPECT_EQ(apply_typed_character(ombra_, 'q').action, ShellAction::kPrint);
  EXPECT_EQ(ombra_.print_magnification, 1.0);
  EXPECT_EQ(apply_typed_character(ombra_, 'R').action, ShellAction::kPrint);
  EXPECT_EQ(ombra_.print_magnification, 0.8);
  apply_typed_character(ombra_, 'p');
  EXPECT_EQ(ombra_.print_magnification, 1.2);
  EXPECT_EQ(apply_typed_character(ombra_, 'x').action, ShellAction::kNone);
  EXPECT_EQ(mode(), std::make_pair(0, 0)) << "keys never change the repaint mode";
}

}  // namespace
}  // namespace tessaly
