// The teaching views as a user drives them, whatever the front-end: the phasor diagram on or
// off; the marker that follows the pointer (or a finger), locks where a click (or a tap) puts
// it, follows the curve chosen with [ and ], and goes with Escape; and the exercises, a state
// machine of prompt, prediction, reveal and running score that gives the program its own
// values back when it ends. The window, the renderer and the page map their events onto it.
#pragma once

#include <cstdint>
#include <string>

#include "core/teaching_view.h"
#include "programs/instance.h"
#include "resources/commands.h"
#include "surface/backend.h"

namespace tessaly::interaction {

// The keys the teaching views take, named alike by every front-end.
enum class TeachingKey { kEscape, kEnter, kBackspace, kText };

struct TeachingOutcome {
  bool handled = false;
  Repaint repaint = Repaint::kNone;
  bool overlay_changed = false;  // the marker or the diagram moved: redraw without a pass
  bool panel_toggled = false;    // the diagram came or went: the picture changes its width
};

// Predictions within this many percent of the answer count as close.
constexpr double kCloseEnough = 10.0;

struct ExerciseScore {
  int answered = 0;
  int close = 0;  // within kCloseEnough percent
};

class Teaching {
 public:
  explicit Teaching(ProgramInstance& program) : program_(program) {}

  // The teaching menu's commands; not handled for any other command.
  TeachingOutcome command(int command);
  // Escape, Enter, Backspace and typed text; not handled where they mean nothing here.
  TeachingOutcome key(TeachingKey key, const std::string& text = std::string());
  // Pointer positions in logical screen units (640 by 480).
  TeachingOutcome pointer_at(double x, double y);
  TeachingOutcome pointer_left();
  TeachingOutcome click_at(double x, double y);
  // The marker locked at a frequency, as a link or the renderer's --marker gives it.
  TeachingOutcome lock_marker_at(double frequency, int curve);
  // A prediction as the student typed it; a text that states no number asks again.
  TeachingOutcome predict_text(const std::string& text);
  // An exercise of this kind from this seed; the window's n-th exercise takes seed n.
  TeachingOutcome start_exercise(ExerciseKind kind, std::uint64_t seed);

  bool panel_shown() const { return panel_; }
  bool marker_locked() const { return locked_; }
  const FrequencyMarker& marker() const { return marker_; }
  ExerciseKind exercise_kind() const { return program_.session.teaching.exercise.kind; }
  bool awaits_prediction() const;
  const ExerciseScore& score() const { return score_; }
  // What the status line says instead of the read-out; empty when nothing.
  const std::string& status() const { return status_; }
  // What the student has typed towards a prediction so far.
  const std::string& typed() const { return typed_; }
  // The language the graph and the status line are in.
  const text::Language& language() const { return *program_.graph.language; }

  // Draws the marker and the diagram over the last pass's picture onto `backend`, at
  // `magnification` device pixels per logical unit, without a pass.
  void draw_overlay(surface::Backend& backend, double magnification);

 private:
  Exercise& exercise() { return program_.session.teaching.exercise; }
  // A text of the status line in the language the graph is drawn in.
  const char* localized(const char* source) const;
  TeachingOutcome predict(double value);
  TeachingOutcome leave();
  TeachingOutcome step_curve(int by);
  TeachingOutcome hide_marker();
  int marker_curve(int nearest) const;
  // The question again, after what was wrong with the last answer where there was something.
  void prompt(const std::string& complaint = std::string());

  ProgramInstance& program_;
  bool panel_ = false;
  bool locked_ = false;
  int chosen_curve_ = -1;  // -1: the curve nearest the pointer
  FrequencyMarker marker_;
  std::uint64_t sheets_ = 0;  // exercises started: the next one takes the next seed
  ExerciseScore score_;
  std::string typed_;
  std::string status_;
};

}  // namespace tessaly::interaction
