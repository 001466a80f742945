// Replays what the window does for a list of steps: the start-up paint, then each step with
// the repaint that follows it. State carries from one pass to the next (frames, the phase of
// dashed curves, stored values), so every pass is drawn even when its picture is not kept.
#pragma once

#include <string>
#include <vector>

#include "core/session.h"
#include "graph/context.h"
#include "interaction/steps.h"
#include "programs/descriptor.h"
#include "programs/instance.h"
#include "surface/backend.h"
#include "surface/surface.h"

namespace tessaly::interaction {

constexpr int kScreenDpi = 96;
constexpr int kPrinterDpi = 600;

// One headless window of a program: its analysis state from start-up, the surface it draws
// on and the graph engine's state. Renders on different threads each own one.
using HeadlessWindow = ProgramInstance;

// Where the window passes of a replay draw.
class PassTarget {
 public:
  virtual ~PassTarget() = default;
  // The backend of window pass `index` (0 is the start-up paint); erase: the repaint wipes
  // the window before the pass.
  virtual surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) = 0;
  virtual void end_pass(const HeadlessWindow& /*window*/, int /*index*/) {}
};

// Every pass draws into a backend that keeps nothing.
class DiscardingTarget : public PassTarget {
 public:
  surface::Backend& begin_pass(HeadlessWindow&, int, bool) override { return discard_; }

 private:
  surface::NullBackend discard_;
};

// Pass `last` draws into `backend`, every other pass into nothing.
class LastPassTarget final : public PassTarget {
 public:
  LastPassTarget(int last, surface::Backend& backend) : last_(last), backend_(backend) {}
  surface::Backend& begin_pass(HeadlessWindow&, int index, bool) override {
    return index == last_ ? backend_ : discard_;
  }

 private:
  int last_;
  surface::Backend& backend_;
  surface::NullBackend discard_;
};

struct RepaintPlan {
  std::vector<bool> erase;       // per window pass, start-up paint first
  double display_magnification;  // after the last step
  std::string failed_read;       // the first --read that failed: its file and the reason
  // The window's picture after the last pass is what the passes from this one on drew.
  int first_kept_pass() const;
  int last_pass() const { return static_cast<int>(erase.size()) - 1; }
};

// The repaints that the steps cause, found by applying them to a session of the program
// without drawing anything.
RepaintPlan plan_repaints(const ProgramDescriptor& program, const std::vector<Step>& steps);

// Replays the steps on the window, which is at its program's start-up state.
void replay(HeadlessWindow& window, const std::vector<Step>& steps, PassTarget& target);

// Why the steps ask for a curve that their last graph does not draw (a marker's --curve past
// the last one), or empty when they do not.
std::string missing_curve(const ProgramDescriptor& program, const std::vector<Step>& steps);

}  // namespace tessaly::interaction
