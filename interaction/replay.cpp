#include "interaction/replay.h"

#include "core/reference_curve.h"
#include "interaction/dialog_settings.h"
#include "interaction/message_text.h"
#include "programs/exercise.h"
#include "programs/passes.h"
#include "resources/commands.h"

namespace tessaly::interaction {

namespace {

// The marker, the diagram or the exercise, as the window's teaching menu and a
// click set them.
void apply_teaching(Session& session, const TeachingOptions& options) {
  FrequencyMarker& marker = session.teaching.marker;
  marker.shown = options.marker;
  marker.frequency = options.marker_hz;
  marker.curve = options.curve - 1;
  session.teaching.phasor_panel = options.phasor_panel;
  session.teaching.projector = options.projector;
  if (options.exercise == ExerciseKind::kNone) return;
  start_exercise(session, options.exercise, options.seed);
  session.teaching.exercise.revealed = options.reveal;
}

// The state effect of one step and the repaint the window requests after it. Printing (keys
// p, q, r) only sets the print magnification here. A read that fails says why in `failed_read`
// (when none has failed before), as the window's message box would.
Repaint apply_step(Session& session, const Step& step, std::string& failed_read) {
  switch (step.kind) {
    case Step::Kind::kCommand:
      return apply_menu_command(session, step.command).repaint;
    case Step::Kind::kCharacter:
      return apply_typed_character(session, step.character).repaint;
    case Step::Kind::kRead: {
      const FileResult result = load_data_file(session, step.name);
      if (!result.ok() && failed_read.empty()) {
        failed_read = quoted(step.name) + ": " + result.detail;
      }
      return command_repaint(session);
    }
    case Step::Kind::kSetting:
      store_setting(session, step.name, step.values);
      return Repaint::kErase;
    case Step::Kind::kTeaching:
      apply_teaching(session, step.teaching);
      return Repaint::kErase;
  }
  return Repaint::kNone;
}

void paint(HeadlessWindow& window, PassTarget& target, int index, bool erase) {
  surface::Backend& backend = target.begin_pass(window, index, erase);
  window_pass(window.session, window.graph, backend, kScreenDpi, kScreenDpi);
  target.end_pass(window, index);
}

}  // namespace

int RepaintPlan::first_kept_pass() const {
  for (int i = last_pass(); i > 0; --i) {
    if (erase[i]) return i;
  }
  return 0;
}

RepaintPlan plan_repaints(const ProgramDescriptor& program, const std::vector<Step>& steps) {
  Session session = start_session(program);
  RepaintPlan plan;
  plan.erase.push_back(true);  // the window starts white
  for (const Step& step : steps) {
    const Repaint repaint = apply_step(session, step, plan.failed_read);
    if (repaint != Repaint::kNone) plan.erase.push_back(repaint == Repaint::kErase);
  }
  plan.display_magnification = session.display_magnification;
  return plan;
}

void replay(HeadlessWindow& window, const std::vector<Step>& steps, PassTarget& target) {
  int index = 0;
  paint(window, target, index++, true);
  std::string failed_read;  // already reported by the plan
  for (const Step& step : steps) {
    const Repaint repaint = apply_step(window.session, step, failed_read);
    if (repaint != Repaint::kNone) paint(window, target, index++, repaint == Repaint::kErase);
  }
}

std::string missing_curve(const ProgramDescriptor& program, const std::vector<Step>& steps) {
  int asked = 1;
  for (const Step& step : steps) {
    if (step.kind == Step::Kind::kTeaching && step.teaching.marker) asked = step.teaching.curve;
  }
  if (asked <= 1) return std::string();
  HeadlessWindow window(program);
  DiscardingTarget target;
  replay(window, steps, target);
  const int drawn = window.graph.readout.curve_count;
  if (asked <= drawn) return std::string();
  return "--curve " + std::to_string(asked) + ": the graph draws " +
         (drawn == 1 ? std::string("1 curve") : std::to_string(drawn) + " curves");
}

}  // namespace tessaly::interaction
