#include "interaction/teaching.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graph/labels.h"
#include "graph/readout.h"
#include "interaction/prediction_text.h"
#include "programs/exercise.h"
#include "programs/menu.h"
#include "programs/teaching_views.h"
#include "surface/surface.h"

namespace tessaly::interaction {

namespace {

constexpr std::size_t kLongestPrediction = 40;  // bytes; a prediction is a number and a unit

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
std::string si(double value, const char* unit) {
  char text[graph::kNumberTextCapacity];
  graph::format_legend_value(text, sizeof text, value);
  std::string out = std::string(text) + unit;
  const std::size_t first = out.find_first_not_of(' ');
  const std::size_t last = out.find_last_not_of(' ');
  return first == std::string::npos ? std::string() : out.substr(first, last - first + 1);
}

const char* unit_of(ExerciseKind kind) {
  return kind == ExerciseKind::kResonance ? "Hz" : "";
}

// Drops the last character, however many bytes it takes in UTF-8.
void drop_last_character(std::string& text) {
  while (!text.empty()) {
    const unsigned char last = static_cast<unsigned char>(text.back());
    text.pop_back();
    if ((last & 0xC0u) != 0x80u) return;
  }
}

bool printable(const std::string& text) {
  return !text.empty() && std::none_of(text.begin(), text.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
}

}  // namespace

bool Teaching::awaits_prediction() const {
  return asks_question(program_.session.teaching.exercise);
}

TeachingOutcome Teaching::command(int command) {
  switch (command) {
    case commands::kPhasorDiagram: {
      panel_ = !panel_;
      TeachingOutcome outcome = overlay();
      outcome.panel_toggled = true;
      return outcome;
    }
    case commands::kProjectorLines: {
      bool& projector = program_.session.teaching.projector;
      projector = !projector;
      return pass(Repaint::kErase);
    }
    case commands::kExerciseResonance:
      return start_exercise(ExerciseKind::kResonance, sheets_ + 1);
    case commands::kExerciseQuality:
      return start_exercise(ExerciseKind::kQuality, sheets_ + 1);
    case commands::kLeaveExercise:
      return leave();
    default:
      return {};
  }
}

TeachingOutcome Teaching::start_exercise(ExerciseKind kind, std::uint64_t seed) {
  Session& session = program_.session;
  if (!offers_exercise(session, kind)) return pass(Repaint::kNone);
  sheets_ = seed;
  tessaly::start_exercise(session, kind, seed);
  typed_.clear();
  locked_ = false;
  marker_.shown = false;
  prompt();
  return pass(Repaint::kErase);
}

const char* Teaching::localized(const char* source) const {
  return text::localized(language(), source);
}

void Teaching::prompt(const std::string& complaint) {
  const Exercise& e = program_.session.teaching.exercise;
  const char* request =
      e.kind == ExerciseKind::kResonance
          ? localized(
                "問題 %llu：%s共振周波数 fo と思うところをグラフでクリックするか、値を入力して "
                "Enter：%s（Esc で終了）")
          : localized("問題 %llu：%sＱ の値を入力して Enter：%s（Esc で終了）");
  status_ = text::formatted(request, static_cast<unsigned long long>(e.seed), complaint.c_str(),
                            typed_.c_str());
}

TeachingOutcome Teaching::predict(double value) {
  Exercise& e = exercise();
  const double answer = exercise_answer(program_.session, program_.graph);
  e.predicted = true;
  e.prediction = value;
  e.revealed = true;
  typed_.clear();
  const double error = percent_error(value, answer);
  ++score_.answered;
  if (std::fabs(error) <= kCloseEnough) ++score_.close;
  const bool resonance = e.kind == ExerciseKind::kResonance;
  const char* unit = unit_of(e.kind);
  char percent[32];
  std::snprintf(percent, sizeof percent, "%+.1f", error);
  status_ = text::formatted(
      localized("問題 %llu：%s＝%s、予想 %s、誤差 %s％　成績 %d／%d（誤差 10％以内）"),
      static_cast<unsigned long long>(e.seed), resonance ? "fo" : localized("Ｑ"),
      si(answer, unit).c_str(), si(value, unit).c_str(), percent, score_.close, score_.answered);
  return pass(Repaint::kErase);
}

TeachingOutcome Teaching::predict_text(const std::string& text) {
  if (!awaits_prediction()) return {};
  double value = 0.0;
  if (read_prediction(text, unit_of(exercise().kind), &value)) return predict(value);
  typed_.clear();
  prompt(text.empty() ? std::string()
                      : text::formatted(localized("「%s」は数として読めません。"), text.c_str()));
  return pass(Repaint::kNone);
}

TeachingOutcome Teaching::leave() {
  if (exercise_kind() == ExerciseKind::kNone) return pass(Repaint::kNone);
  leave_exercise(program_.session);
  typed_.clear();
  status_.clear();
  return pass(Repaint::kErase);
}

TeachingOutcome Teaching::hide_marker() {
  locked_ = false;
  marker_.shown = false;
  return overlay();
}

TeachingOutcome Teaching::key(TeachingKey key, const std::string& text) {
  if (key == TeachingKey::kEscape) {
    return exercise_kind() != ExerciseKind::kNone ? leave() : hide_marker();
  }
  if (awaits_prediction()) {
    switch (key) {
      case TeachingKey::kEnter:
        return predict_text(typed_);
      case TeachingKey::kBackspace:
        drop_last_character(typed_);
        break;
      default:
        if (!printable(text)) return {};
        if (typed_.size() + text.size() <= kLongestPrediction) typed_ += text;
        break;
    }
    prompt();
    return pass(Repaint::kNone);
  }
  if (key != TeachingKey::kText) return {};
  if (text == "[") return step_curve(-1);
  if (text == "]") return step_curve(1);
  return {};
}

TeachingOutcome Teaching::step_curve(int by) {
  const int count = program_.graph.readout.curve_count;
  if (count == 0) return overlay();
  const int from = chosen_curve_ >= 0 ? chosen_curve_ : marker_.curve;
  chosen_curve_ = std::max(0, std::min(count - 1, from + by));
  marker_.curve = chosen_curve_;
  return overlay();
}

int Teaching::marker_curve(int nearest) const {
  return chosen_curve_ >= 0 ? chosen_curve_ : std::max(nearest, 0);
}

TeachingOutcome Teaching::pointer_at(double x, double y) {
  if (locked_ || !panel_ || awaits_prediction()) return {};
  const graph::Readout r = graph::readout_at(program_.graph, x, y);
  marker_.shown = r.frame != graph::ReadoutFrame::kNone;
  if (marker_.shown) {
    marker_.frequency = r.frequency;
    marker_.curve = marker_curve(r.curve);
  }
  return overlay();
}

TeachingOutcome Teaching::pointer_left() {
  if (locked_ || !marker_.shown) return {};
  marker_.shown = false;
  return overlay();
}

TeachingOutcome Teaching::click_at(double x, double y) {
  const graph::Readout r = graph::readout_at(program_.graph, x, y);
  const bool on_graph = r.frame != graph::ReadoutFrame::kNone;
  if (awaits_prediction()) {
    if (exercise().kind == ExerciseKind::kResonance && on_graph) return predict(r.frequency);
    return pass(Repaint::kNone);
  }
  if (!on_graph) return hide_marker();
  locked_ = true;
  marker_.shown = true;
  marker_.frequency = r.frequency;
  marker_.curve = marker_curve(r.curve);
  return overlay();
}

TeachingOutcome Teaching::lock_marker_at(double frequency, int curve) {
  locked_ = true;
  chosen_curve_ = std::max(curve, 0);
  marker_ = {true, frequency, chosen_curve_};
  return overlay();
}

void Teaching::draw_overlay(surface::Backend& backend, double magnification) {
  if (!marker_.shown && !panel_) return;
  surface::Surface& surface = program_.surface;
  const surface::TargetBinding binding(surface, backend);
  surface.set_logical_screen(surface::kLogicalWidth, surface::kLogicalHeight, magnification);
  draw_marker_and_panel(*program_.session.program, marker_, panel_, program_.graph);
}

}  // namespace tessaly::interaction
