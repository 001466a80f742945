// The teaching menu in the window: the phasor diagram that follows the pointer
// or stays where a click put it, the curve chosen with [ and ], and the
// exercises with their running score. The marker and the diagram are drawn over
// the kept picture, so moving the pointer runs no pass and overlaid curves
// stay.
#pragma once

#include <QPointF>
#include <QString>

#include "core/teaching_view.h"
#include "resources/commands.h"
#include "shell/window_state.h"

class QPainter;

namespace tessaly::shell {

struct TeachingOutcome {
  bool handled = false;
  Repaint repaint = Repaint::kNone;
  bool overlay_changed = false;  // the marker or the diagram moved: repaint without a pass
  bool panel_toggled = false;    // the window changes its width
};

class TeachingController {
 public:
  explicit TeachingController(WindowState& state) : state_(state) {}

  bool panel_shown() const { return panel_; }
  // The teaching menu's commands; not handled for every other command.
  TeachingOutcome command(int command);
  // Escape, [ and ], and the typed Q of an exercise; not handled for every
  // other key.
  TeachingOutcome key(int qt_key, const QString& text);
  TeachingOutcome pointer_at(QPointF logical);
  TeachingOutcome pointer_left();
  TeachingOutcome click_at(QPointF logical);

  // Draws the marker and the diagram over the picture on `painter`.
  void draw_overlay(QPainter& painter);
  // What the status line says instead of the read-out; empty when nothing.
  QString status() const { return status_; }

 private:
  Exercise& exercise() { return state_.session.teaching.exercise; }
  bool in_exercise() const;
  bool awaits_prediction() const;
  TeachingOutcome start(ExerciseKind kind);
  TeachingOutcome predict(double value);
  TeachingOutcome leave();
  TeachingOutcome step_curve(int by);
  void prompt();

  WindowState& state_;
  bool panel_ = false;
  bool locked_ = false;
  int chosen_curve_ = -1;  // -1: the curve nearest the pointer
  FrequencyMarker marker_;
  int sheets_ = 0;  // exercises started; the next seed
  int answered_ = 0;
  int close_ = 0;  // predictions within kCloseEnough percent
  QString typed_;
  QString status_;
};

}  // namespace tessaly::shell
