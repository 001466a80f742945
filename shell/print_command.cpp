#include "shell/print_command.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include "programs/passes.h"
#include "shell/user_interaction.h"
#include "shell/window_state.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"

namespace tessaly::shell {

bool print_graph(WindowState& state, UserInteraction& user, QWidget* owner) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(QStringLiteral("PRT"));
  if (!user.choose_printer(owner, printer)) return false;

  QApplication::setOverrideCursor(Qt::WaitCursor);
  QPainter painter;
  const bool started = painter.begin(&printer);
  if (started) {
    // The printer keeps one device unit per dot; the device scales do all the magnifying.
    surface::QPainterBackend backend(painter, state.surface);
    print_pass(state.session, state.graph, backend, printer.logicalDpiX(), printer.logicalDpiY());
    painter.end();
  }
  QApplication::restoreOverrideCursor();
  return started;
}

}  // namespace tessaly::shell
