#include "programs/passes.h"

#include "graph/reference_plot.h"
#include "programs/descriptor.h"
#include "programs/teaching_views.h"
#include "surface/surface.h"

namespace tessaly {

namespace {

void set_exercise_flags(const Session& session, graph::Context& context) {
  const Exercise& exercise = session.teaching.exercise;
  context.question_only = asks_question(exercise);
  context.fixed_marks_hidden = exercise.kind != ExerciseKind::kNone;
  context.surface.projector = session.teaching.projector;
}

}  // namespace

void window_pass(Session& session, graph::Context& context, surface::Backend& backend, int dpi_x,
                 int dpi_y, double pixel_ratio) {
  surface::Surface& surface = context.surface;
  const surface::TargetBinding binding(surface, backend);
  const double shown = drawn_magnification(session.display_magnification);
  surface.set_logical_screen(surface::kLogicalWidth, surface::kLogicalHeight,
                             drawn_magnification(shown * pixel_ratio));
  session.screen_dpi_x = dpi_x;
  session.screen_dpi_y = dpi_y;
  surface.device_scale_x = 1.0;
  surface.device_scale_y = 1.0;
  surface.output_target = 0;
  set_exercise_flags(session, context);
  session.program->graph_driver(session, context);
  draw_shown_reference(session, context);
  draw_teaching_views(session, context);
}

void print_pass(Session& session, graph::Context& context, surface::Backend& backend,
                int printer_dpi_x, int printer_dpi_y) {
  surface::Surface& surface = context.surface;
  const surface::TargetBinding binding(surface, backend);
  const double window_scale_x = surface.device_scale_x;
  const double window_scale_y = surface.device_scale_y;
  surface.output_target = 1;
  // Multiplication first, then the integer screen resolution as divisor. A print before any
  // window pass has no screen resolution yet: take the usual 96.
  const int screen_x = session.screen_dpi_x > 0 ? session.screen_dpi_x : 96;
  const int screen_y = session.screen_dpi_y > 0 ? session.screen_dpi_y : 96;
  const double magnification = drawn_magnification(session.print_magnification);
  surface.print_magnification = magnification;
  surface.device_scale_x = printer_dpi_x * magnification / screen_x;
  surface.device_scale_y = printer_dpi_y * magnification / screen_y;
  set_exercise_flags(session, context);
  session.program->graph_driver(session, context);
  draw_shown_reference(session, context);
  draw_teaching_views(session, context);
  surface.output_target = 0;
  surface.device_scale_x = window_scale_x;
  surface.device_scale_y = window_scale_y;
}

void draw_shown_reference(const Session& session, graph::Context& context) {
  const ReferenceCurve& reference = session.reference_curve;
  if (!reference.shown) return;
  const graph::StoredCurve curve = {reference.values_1, reference.count_1, reference.values_2,
                                    reference.count_2};
  graph::draw_stored_curve(context, session.current_kind, context.graph_settings, curve);
}

}  // namespace tessaly
