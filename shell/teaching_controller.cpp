#include "shell/teaching_controller.h"

#include <QPainter>

#include "surface/qpainter_backend.h"

namespace tessaly::shell {

TeachingOutcome TeachingController::key(int qt_key, const QString& text) {
  switch (qt_key) {
    case Qt::Key_Escape:
      return teaching_.key(interaction::TeachingKey::kEscape);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return teaching_.key(interaction::TeachingKey::kEnter);
    case Qt::Key_Backspace:
      return teaching_.key(interaction::TeachingKey::kBackspace);
    default:
      return teaching_.key(interaction::TeachingKey::kText, text.toStdString());
  }
}

void TeachingController::draw_overlay(QPainter& painter) {
  surface::QPainterBackend backend(painter, state_.surface);
  teaching_.draw_overlay(backend, drawn_magnification(state_.session.display_magnification));
}

}  // namespace tessaly::shell
