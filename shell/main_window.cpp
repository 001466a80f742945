#include "shell/main_window.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

#include "programs/descriptor.h"
#include "programs/phasor_panel.h"
#include "shell/alert.h"
#include "shell/data_file_commands.h"
#include "shell/graph_canvas.h"
#include "shell/menu_bar.h"
#include "shell/messages.h"
#include "shell/print_command.h"
#include "shell/qt_translations.h"
#include "shell/settings_command.h"
#include "shell/user_interaction.h"
#include "shell/window_fit.h"
#include "surface/surface.h"

namespace tessaly::shell {

QSize outer_window_size(double magnification, int status_line_height) {
  return QSize(static_cast<int>(surface::kLogicalWidth * magnification),
               static_cast<int>(surface::kLogicalHeight * magnification) + status_line_height);
}

MainWindow::MainWindow(const ProgramDescriptor& program, UserInteraction& user)
    : program_(program),
      user_(user),
      state_(program),
      alert_(this),
      canvas_(new GraphCanvas(state_, this)),
      status_line_(new QLabel),
      teaching_(state_) {
  state_.surface.set_alert_hook(&Alert::ring_hook, &alert_);
  setWindowTitle(QStringLiteral("Tessaly"));
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setCentralWidget(canvas_);
  status_line_->setObjectName(QStringLiteral("readout"));
  // One line of text, even while it shows none, so the graph above never moves.
  status_line_->setMinimumHeight(status_line_->fontMetrics().height());
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(status_line_, 1);
  const int status_height = statusBar()->sizeHint().height();
  statusBar()->setFixedHeight(status_height);
  status_height_ = status_height;
  connect(canvas_, &GraphCanvas::readout_changed, this, &MainWindow::show_status);
  connect(canvas_, &GraphCanvas::pointer_moved, this,
          [this](QPointF at) { follow(teaching_.pointer_at(at)); });
  connect(canvas_, &GraphCanvas::clicked, this,
          [this](QPointF at) { follow(teaching_.click_at(at)); });
  connect(canvas_, &GraphCanvas::pointer_left, this, [this] { follow(teaching_.pointer_left()); });
  canvas_->set_overlay([this](QPainter& painter) { teaching_.draw_overlay(painter); });
  // The window opens no larger than the screen has room for.
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const double fitting = fitting_magnification(state_.session.display_magnification,
                                                 screen->availableGeometry().size(), status_height);
    if (fitting != state_.session.display_magnification) {
      state_.session.display_magnification = fitting;
      status_line_->setText(fitted_note(language(), fitting));
    }
  }
  outer_size_ = outer_window_size(state_.session.display_magnification, status_height);
  build_menus();
  setFocusPolicy(Qt::StrongFocus);
  place_window();
  // The first paint draws the graph of the default circuit and analysis.
  canvas_->request_repaint(Repaint::kErase);
}

MainWindow::~MainWindow() {
  if (qt_texts_) QCoreApplication::removeTranslator(qt_texts_.get());
}

void MainWindow::build_menus() {
  menuBar()->clear();
  const auto run = [this](int command) { run_command(command); };
  build_menu_bar(*menuBar(), *program_.menu, language(), run);
  // The teaching menu comes after the program's own, the languages last.
  const Menu teaching = {program_.teaching_popup, 1};
  build_menu_bar(*menuBar(), teaching, language(), run);
  // The title names the menu in the language shown and in English, so that a reader of
  // neither can still find the way back.
  QMenu* languages =
      menuBar()->addMenu(literal_menu_text(text::localized(language(), "言語 Language")));
  auto* group = new QActionGroup(languages);
  for (int i = 0; i < text::language_count(); ++i) {
    const text::Language& choice = text::language_at(i);
    QAction* action = languages->addAction(literal_menu_text(choice.name));
    action->setCheckable(true);
    action->setChecked(&choice == &language());
    action->setActionGroup(group);
    action->setMenuRole(QAction::NoRole);
    // Queued: the menus are built again, this action with them.
    connect(
        action, &QAction::triggered, this, [this, &choice] { set_language(choice); },
        Qt::QueuedConnection);
  }
}

void MainWindow::set_language(const text::Language& language) {
  if (qt_texts_) QCoreApplication::removeTranslator(qt_texts_.get());
  qt_texts_ = install_qt_translations(language);
  if (&language == state_.graph.language) return;
  state_.graph.language = &language;
  build_menus();
  canvas_->request_repaint(Repaint::kErase);
  show_status(QString());
}

QString MainWindow::status_text() const {
  return status_line_->text();
}

void MainWindow::show_status(const QString& readout) {
  readout_ = readout;
  const QString teaching = teaching_.status();
  status_line_->setText(teaching.isEmpty() ? readout : teaching);
}

bool MainWindow::follow(const TeachingOutcome& outcome) {
  if (!outcome.handled) return false;
  if (outcome.panel_toggled) {
    // The graph keeps its size and place; the window grows by the panel to its
    // right, and fits the screen again as at start-up where it would not.
    fit_to_screen(surface::kLogicalWidth + (teaching_.panel_shown() ? kPhasorPanelWidth : 0));
    const double magnification = drawn_magnification(state_.session.display_magnification);
    outer_size_ = outer_window_size(state_.session.display_magnification, status_height_);
    if (teaching_.panel_shown()) {
      outer_size_.rwidth() += static_cast<int>(kPhasorPanelWidth * magnification);
    }
    place_window();
  }
  canvas_->request_repaint(outcome.repaint);
  if (outcome.overlay_changed) canvas_->update();
  show_status(readout_);
  return true;
}

void MainWindow::fit_to_screen(int logical_width) {
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const double fitting =
      fitting_magnification(state_.session.display_magnification,
                            screen->availableGeometry().size(), status_height_, logical_width);
  if (fitting == state_.session.display_magnification) return;
  state_.session.display_magnification = fitting;
  readout_ = fitted_note(language(), fitting);
  canvas_->request_repaint(Repaint::kErase);
}

void MainWindow::run_command(int command) {
  if (follow(teaching_.command(command))) return;
  const CommandOutcome outcome = apply_menu_command(state_.session, command);
  if (!outcome.accepted) return;
  carry_out(outcome.action);
  canvas_->request_repaint(outcome.repaint);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (follow(teaching_.key(event->key(), text))) {
    alert_.ring();
    return;
  }
  if (text.isEmpty()) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  for (const char32_t character : text.toUcs4()) {
    alert_.ring();
    // Only ASCII letters and digits mean anything; every other character still
    // alerts and wipes the window.
    const char typed = character < 0x80 ? static_cast<char>(character) : '\0';
    const CommandOutcome outcome = apply_typed_character(state_.session, typed);
    carry_out(outcome.action);
    canvas_->request_repaint(outcome.repaint);
  }
}

void MainWindow::carry_out(ShellAction action) {
  const QPoint client_origin = canvas_->mapToGlobal(QPoint(0, 0));
  switch (action) {
    case ShellAction::kNone:
      break;
    case ShellAction::kReadFile:
      read_data_file_command(state_.session, language(), user_, this);
      break;
    case ShellAction::kSaveFile:
      save_data_file_command(state_.session, language(), user_, this, &signal_cleanup_);
      break;
    case ShellAction::kPrint:
      if (print_graph(state_, user_, this)) canvas_->show_pass_errors();
      break;
    case ShellAction::kQuit:
      close();
      break;
    case ShellAction::kCircuitDialog:
      run_settings_command(state_.session, language(), SettingsKind::kCircuit, user_, this,
                           client_origin);
      break;
    case ShellAction::kGraphDialog:
      run_settings_command(state_.session, language(), SettingsKind::kGraph, user_, this,
                           client_origin);
      break;
    case ShellAction::kMagnificationDialog:
      run_settings_command(state_.session, language(), SettingsKind::kMagnification, user_, this,
                           client_origin);
      break;
    case ShellAction::kHelp:
      user_.show_message(this, help_message(language(), program_.help_text));
      break;
    case ShellAction::kVersion:
      user_.show_message(this, version_message(language()));
      break;
  }
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (placed_) return;
  placed_ = true;
  // The window manager's frame is known only once the window is on the screen.
  windowHandle()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    // Before the first paint, so that the graph is drawn once, at the final
    // size.
    windowHandle()->removeEventFilter(this);
    place_window();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::place_window() {
  const QSize frame = frameGeometry().size() - geometry().size();
  resize(outer_size_ - frame);
  const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
  move(screen ? screen->geometry().topLeft() : QPoint(0, 0));
}

}  // namespace tessaly::shell
