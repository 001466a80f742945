#include "tools/replay.h"

#include "core/state.h"
#include "programs/passes.h"
#include "programs/reference.h"
#include "resources/commands.h"
#include "surface/surface.h"
#include "tools/dialog_settings.h"
#include "tools/message_text.h"

namespace tessaly::tools {

namespace {

// The state effect of one step and the repaint the window requests after it. Printing (keys
// p, q, r) only sets the print magnification here. A read that fails says why in `failed_read`
// (when none has failed before), as the window's message box would.
Repaint apply_step(const ProgramDescriptor& program, const Step& step, std::string& failed_read) {
  switch (step.kind) {
    case Step::Kind::kCommand:
      return apply_menu_command(program, step.command).repaint;
    case Step::Kind::kCharacter:
      return apply_typed_character(step.character).repaint;
    case Step::Kind::kRead: {
      const FileResult result = load_data_file(step.name);
      if (!result.ok() && failed_read.empty()) {
        failed_read = quoted(step.name) + ": " + result.detail;
      }
      return command_repaint();
    }
    case Step::Kind::kSetting:
      store_setting(program, step.name, step.values);
      return Repaint::kErase;
  }
  return Repaint::kNone;
}

void paint(PassTarget& target, int index, bool erase) {
  surface::Backend& backend = target.begin_pass(index, erase);
  surface::Backend* const idle = surface::current_dc;
  window_pass(backend, kScreenDpi, kScreenDpi);
  surface::current_dc = idle;
  target.end_pass(index);
}

}  // namespace

int RepaintPlan::first_kept_pass() const {
  for (int i = last_pass(); i > 0; --i) {
    if (erase[i]) return i;
  }
  return 0;
}

RepaintPlan plan_repaints(const ProgramDescriptor& program, const std::vector<Step>& steps) {
  activate_program(program);
  RepaintPlan plan;
  plan.erase.push_back(true);  // the window starts white
  for (const Step& step : steps) {
    const Repaint repaint = apply_step(program, step, plan.failed_read);
    if (repaint != Repaint::kNone) plan.erase.push_back(repaint == Repaint::kErase);
  }
  plan.display_magnification = display_magnification;
  return plan;
}

void replay(const ProgramDescriptor& program, const std::vector<Step>& steps, PassTarget& target) {
  activate_program(program);
  int index = 0;
  paint(target, index++, true);
  std::string failed_read;  // already reported by the plan
  for (const Step& step : steps) {
    const Repaint repaint = apply_step(program, step, failed_read);
    if (repaint != Repaint::kNone) paint(target, index++, repaint == Repaint::kErase);
  }
}

}  // namespace tessaly::tools
