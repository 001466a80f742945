// The one main window of a program: its menu, its keys and the command
// dispatch. Every command and key changes the analysis state and then asks the
// canvas for a repaint. A status line under the graph reads out the values
// under the pointer.
#pragma once

#include <QMainWindow>
#include <QSize>

#include <QTranslator>
#include <functional>
#include <memory>

#include "process/signal_cleanup.h"
#include "programs/descriptor.h"
#include "resources/commands.h"
#include "shell/alert.h"
#include "shell/teaching_controller.h"
#include "shell/window_state.h"

class QLabel;

namespace tessaly::shell {

class GraphCanvas;
class UserInteraction;

// The outer size, frame included, of a window for the given display
// magnification: the status line below adds its own height, so that the graph
// keeps all of its area.
QSize outer_window_size(double magnification, int status_line_height);

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // A window of the program from its start-up state.
  MainWindow(const ProgramDescriptor& program, UserInteraction& user);
  ~MainWindow() override;

  // Menus, dialogs, messages, Qt's own dialogs and the graph in `language` from now on; the
  // graph is drawn again.
  void set_language(const text::Language& language);
  const text::Language& language() const { return *state_.graph.language; }

  // A menu command, exactly as choosing it from the menu.
  void run_command(int command);
  GraphCanvas& canvas() const { return *canvas_; }
  QString status_text() const;
  WindowState& state() { return state_; }
  // Replaces the beep and attention request of every alert, e.g. by a counter.
  void set_alert_sink(std::function<void()> sink) { alert_.set_sink(std::move(sink)); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void carry_out(ShellAction action);
  // The program's menus, the teaching menu and the language menu, in the language in force.
  void build_menus();
  // Applies what the teaching controller decided; false when it did not handle
  // the event.
  bool follow(const TeachingOutcome& outcome);
  void show_status(const QString& readout);
  // Sizes the frame, not the client area, and puts it at the screen's top-left
  // corner.
  void place_window();
  // Lowers the display magnification, as at start-up, where a window `logical_width` wide
  // would not fit the screen; says so in the status line.
  void fit_to_screen(int logical_width);

  const ProgramDescriptor& program_;
  UserInteraction& user_;
  WindowState state_;
  // A save ended by a signal leaves no temporary file behind.
  process::SignalCleanup signal_cleanup_;
  Alert alert_;
  GraphCanvas* canvas_;
  QLabel* status_line_;
  TeachingController teaching_;
  QString readout_;  // the last read-out, shown whenever the exercise has
                     // nothing to say
  int status_height_ = 0;
  QSize outer_size_;
  bool placed_ = false;
  std::unique_ptr<QTranslator> qt_texts_;  // Qt's own texts in the language in force
};

}  // namespace tessaly::shell
