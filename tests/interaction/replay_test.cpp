#include "interaction/replay.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/session.h"
#include "programs/descriptor.h"
#include "surface/recording_backend.h"

namespace tessaly::interaction {
namespace {

Step command(int number) {
  Step step;
  step.command = number;
  return step;
}

Step key(char character) {
  Step step;
  step.kind = Step::Kind::kCharacter;
  step.character = character;
  return step;
}

Step setting(const char* name, std::vector<std::string> values) {
  Step step;
  step.kind = Step::Kind::kSetting;
  step.name = name;
  step.values = std::move(values);
  return step;
}

// Notes every pass and what the program's state was when it was drawn.
class NotingTarget final : public PassTarget {
 public:
  struct Pass {
    int index;
    bool erase;
    int circuit;
    double display_magnification;
  };

  surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) override {
    passes.push_back(
        {index, erase, window.session.circuit_index, window.session.display_magnification});
    recorder.clear_trace();
    return recorder;
  }
  void end_pass(const HeadlessWindow&, int index) override { ended.push_back(index); }

  std::vector<Pass> passes;
  std::vector<int> ended;
  surface::RecordingBackend recorder;
};

TEST(Replay, RepaintsFollowTheWindowsModes) {
  const std::vector<Step> steps = {command(202), command(302), command(301), key('a'),
                                   command(203), command(501), command(202), command(501)};
  const RepaintPlan plan = plan_repaints(ombra_program(), steps);
  // Overlay from 202 on, a key always wipes, Clear wipes until the next 202.
  EXPECT_EQ(plan.erase,
            (std::vector<bool>{true, false, false, false, true, true, true, false, false}));
  EXPECT_EQ(plan.first_kept_pass(), 6);
  EXPECT_EQ(plan.last_pass(), 8);
  EXPECT_EQ(plan.display_magnification, 1.0);

  NotingTarget target;
  HeadlessWindow window(ombra_program());
  replay(window, steps, target);
  ASSERT_EQ(target.passes.size(), 9u);
  for (int i = 0; i < 9; ++i) {
    EXPECT_EQ(target.passes[i].index, i);
    EXPECT_EQ(target.passes[i].erase, plan.erase[i]) << i;
  }
  EXPECT_EQ(target.ended, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(target.passes[1].circuit, 1);
  EXPECT_EQ(target.passes[2].circuit, 2) << "each pass sees its step's state";
  EXPECT_EQ(target.passes[3].display_magnification, 1.5);
  EXPECT_EQ(target.passes[4].display_magnification, 1.0);
  EXPECT_EQ(target.recorder.lines().back(), "alert") << "the last pass was drawn whole";
}

TEST(Replay, EveryWindowKeepsItsOwnState) {
  NotingTarget target;
  HeadlessWindow stepped(ombra_program());
  replay(stepped, {command(302), command(501)}, target);
  EXPECT_EQ(stepped.session.circuit_index, 2);
  EXPECT_EQ(stepped.session.step_count, 1.0);
  HeadlessWindow fresh(ombra_program());
  replay(fresh, {}, target);
  EXPECT_EQ(fresh.session.circuit_index, 1);
  EXPECT_EQ(fresh.session.step_count, 0.0);
  EXPECT_EQ(stepped.session.circuit_index, 2) << "untouched by the other window";
  ASSERT_EQ(target.passes.size(), 4u);
  EXPECT_EQ(target.passes[3].index, 0);
}

TEST(Replay, SettingsAndPrintKeysEraseAndDrawNothingElse) {
  const std::vector<Step> steps = {command(202), setting("circuit_constants", {"0.005"}),
                                   command(202), key('q')};
  const RepaintPlan plan = plan_repaints(ombra_program(), steps);
  EXPECT_EQ(plan.erase, (std::vector<bool>{true, false, true, false, true}));
  NotingTarget target;
  HeadlessWindow window(ombra_program());
  replay(window, steps, target);
  EXPECT_EQ(window.session.circuit_constants[0], 0.005);
  EXPECT_EQ(window.session.print_magnification, 1.0);
  EXPECT_EQ(target.passes.size(), 5u) << "a print key prints nothing here";
}

}  // namespace
}  // namespace tessaly::interaction
