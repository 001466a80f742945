#include "shell/teaching_controller.h"

#include <QPainter>
#include <cmath>

#include "graph/labels.h"
#include "graph/readout.h"
#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/teaching_views.h"
#include "resources/teaching_menu.h"
#include "surface/qpainter_backend.h"

namespace tessaly::shell {

namespace {

constexpr double kCloseEnough = 10.0;  // percent

TeachingOutcome overlay() {
  TeachingOutcome outcome;
  outcome.handled = true;
  outcome.overlay_changed = true;
  return outcome;
}

TeachingOutcome pass(Repaint repaint) {
  TeachingOutcome outcome;
  outcome.handled = true;
  outcome.repaint = repaint;
  return outcome;
}

// The legend's form of a number with its unit: "610 Hz", "1.29kHz", "0.40".
QString si(double value, const char* unit) {
  char text[graph::kNumberTextCapacity];
  graph::format_legend_value(text, sizeof text, value);
  return (QString::fromUtf8(text) + QString::fromUtf8(unit)).trimmed();
}

}  // namespace

bool TeachingController::in_exercise() const {
  return state_.session.teaching.exercise.kind != ExerciseKind::kNone;
}

bool TeachingController::awaits_prediction() const {
  return asks_question(state_.session.teaching.exercise);
}

TeachingOutcome TeachingController::command(int command) {
  using namespace resources::teaching_commands;
  switch (command) {
    case kPhasorDiagram: {
      panel_ = !panel_;
      TeachingOutcome outcome = overlay();
      outcome.panel_toggled = true;
      return outcome;
    }
    case kProjectorLines:
      state_.session.teaching.projector = !state_.session.teaching.projector;
      return pass(Repaint::kErase);
    case kExerciseResonance:
      return start(ExerciseKind::kResonance);
    case kExerciseQuality:
      return start(ExerciseKind::kQuality);
    case kLeaveExercise:
      return leave();
    default:
      return {};
  }
}

TeachingOutcome TeachingController::start(ExerciseKind kind) {
  Session& session = state_.session;
  if (!offers_exercise(session, kind)) return pass(Repaint::kNone);
  start_exercise(session, kind, static_cast<std::uint64_t>(++sheets_));
  typed_.clear();
  locked_ = false;
  marker_.shown = false;
  prompt();
  return pass(Repaint::kErase);
}

void TeachingController::prompt() {
  const Exercise& e = state_.session.teaching.exercise;
  const QString sheet = QStringLiteral("問題 %1：").arg(e.seed);
  if (e.kind == ExerciseKind::kResonance) {
    status_ = sheet + QStringLiteral(
                          "共振周波数 fo と思うところをグラフでクリックしてください"
                          "（Esc で終了）");
  } else {
    status_ = sheet + QStringLiteral("Ｑ の値を入力して Enter：") + typed_ +
              QStringLiteral("（Esc で終了）");
  }
}

TeachingOutcome TeachingController::predict(double value) {
  Exercise& e = exercise();
  const double answer = exercise_answer(state_.session, state_.graph);
  e.predicted = true;
  e.prediction = value;
  e.revealed = true;
  const double error = percent_error(value, answer);
  ++answered_;
  if (std::fabs(error) <= kCloseEnough) ++close_;
  const bool resonance = e.kind == ExerciseKind::kResonance;
  const char* unit = resonance ? "Hz" : "";
  status_ = QStringLiteral("問題 %1：%2＝%3、予想 %4、誤差 %5％　成績 %6／%7（誤差 10％以内）")
                .arg(e.seed)
                .arg(resonance ? QStringLiteral("fo") : QStringLiteral("Ｑ"))
                .arg(si(answer, unit), si(value, unit), QString::asprintf("%+.1f", error))
                .arg(close_)
                .arg(answered_);
  return pass(Repaint::kErase);
}

TeachingOutcome TeachingController::leave() {
  if (!in_exercise()) return pass(Repaint::kNone);
  leave_exercise(state_.session);
  typed_.clear();
  status_.clear();
  return pass(Repaint::kErase);
}

TeachingOutcome TeachingController::key(int qt_key, const QString& text) {
  if (qt_key == Qt::Key_Escape) {
    if (in_exercise()) return leave();
    locked_ = false;
    marker_.shown = false;
    return overlay();
  }
  if (awaits_prediction() && exercise().kind == ExerciseKind::kQuality) {
    if (qt_key == Qt::Key_Return || qt_key == Qt::Key_Enter) {
      bool ok = false;
      const double value = typed_.toDouble(&ok);
      if (ok && value > 0.0) return predict(value);
      typed_.clear();
    } else if (qt_key == Qt::Key_Backspace) {
      typed_.chop(1);
    } else if (text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('.'))) {
      typed_ += text;
    } else {
      return {};
    }
    prompt();
    return pass(Repaint::kNone);
  }
  if (text == QLatin1String("[")) return step_curve(-1);
  if (text == QLatin1String("]")) return step_curve(1);
  return {};
}

TeachingOutcome TeachingController::step_curve(int by) {
  const int count = state_.graph.readout.curve_count;
  if (count == 0) return overlay();
  const int from = chosen_curve_ >= 0 ? chosen_curve_ : marker_.curve;
  chosen_curve_ = std::max(0, std::min(count - 1, from + by));
  marker_.curve = chosen_curve_;
  return overlay();
}

TeachingOutcome TeachingController::pointer_at(QPointF logical) {
  if (locked_ || !panel_ || awaits_prediction()) return {};
  const graph::Readout r = graph::readout_at(state_.graph, logical.x(), logical.y());
  marker_.shown = r.frame != graph::ReadoutFrame::kNone;
  if (marker_.shown) {
    marker_.frequency = r.frequency;
    marker_.curve = chosen_curve_ >= 0 ? chosen_curve_ : std::max(r.curve, 0);
  }
  return overlay();
}

TeachingOutcome TeachingController::pointer_left() {
  if (locked_ || !marker_.shown) return {};
  marker_.shown = false;
  return overlay();
}

TeachingOutcome TeachingController::click_at(QPointF logical) {
  const graph::Readout r = graph::readout_at(state_.graph, logical.x(), logical.y());
  const bool on_graph = r.frame != graph::ReadoutFrame::kNone;
  if (awaits_prediction()) {
    if (exercise().kind == ExerciseKind::kResonance && on_graph) return predict(r.frequency);
    return pass(Repaint::kNone);
  }
  if (!on_graph) {
    locked_ = false;
    marker_.shown = false;
    return overlay();
  }
  locked_ = true;
  marker_.shown = true;
  marker_.frequency = r.frequency;
  marker_.curve = chosen_curve_ >= 0 ? chosen_curve_ : std::max(r.curve, 0);
  return overlay();
}

void TeachingController::draw_overlay(QPainter& painter) {
  if (!marker_.shown && !panel_) return;
  surface::Surface& surface = state_.surface;
  surface::Backend* const idle = surface.current_dc;
  {
    surface::QPainterBackend backend(painter, surface);
    surface.current_dc = &backend;
    surface.set_logical_screen(surface::kLogicalWidth, surface::kLogicalHeight,
                               drawn_magnification(state_.session.display_magnification));
    draw_marker_and_panel(*state_.session.program, marker_, panel_, state_.graph);
  }
  surface.current_dc = idle;
}

}  // namespace tessaly::shell
