// The window's side of the teaching views: Qt's keys, pointer positions and painter handed to
// the interaction layer, which keeps the marker, the diagram and the exercises. The marker and
// the diagram are drawn over the kept picture, so moving the pointer runs no pass and overlaid
// curves stay.
#pragma once

#include <QPointF>
#include <QString>

#include "interaction/teaching.h"
#include "shell/window_state.h"

class QPainter;

namespace tessaly::shell {

using interaction::TeachingOutcome;

class TeachingController {
 public:
  explicit TeachingController(WindowState& state) : state_(state), teaching_(state) {}

  bool panel_shown() const { return teaching_.panel_shown(); }
  // The teaching menu's commands; not handled for every other command.
  TeachingOutcome command(int command) { return teaching_.command(command); }
  // Escape, [ and ], and a typed prediction; not handled for every other key.
  TeachingOutcome key(int qt_key, const QString& text);
  TeachingOutcome pointer_at(QPointF logical) {
    return teaching_.pointer_at(logical.x(), logical.y());
  }
  TeachingOutcome pointer_left() { return teaching_.pointer_left(); }
  TeachingOutcome click_at(QPointF logical) { return teaching_.click_at(logical.x(), logical.y()); }

  // Draws the marker and the diagram over the picture on `painter`.
  void draw_overlay(QPainter& painter);
  // What the status line says instead of the read-out; empty when nothing.
  QString status() const { return QString::fromStdString(teaching_.status()); }

 private:
  WindowState& state_;
  interaction::Teaching teaching_;
};

}  // namespace tessaly::shell
