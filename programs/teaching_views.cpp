#include "programs/teaching_views.h"

#include "programs/exercise_view.h"
#include "programs/frequency_marker.h"
#include "programs/phasor_panel.h"
#include "programs/phasors.h"

namespace tessaly {

void draw_marker_and_panel(const ProgramDescriptor& program, const FrequencyMarker& marker,
                           bool panel, graph::Context& g) {
  if (marker.shown) draw_frequency_marker(g, marker.frequency, marker.curve, kMarkerColour);
  if (!panel) return;
  const int curve = known_curve(g, marker.curve);
  PhasorSet phasors;
  // Outside the sweep the panel asks for a frequency on the graph, as with no marker.
  if (marker.shown && within_sweep(g, curve, marker.frequency)) {
    phasors = curve_phasors(program, g, curve, marker.frequency);
  }
  draw_phasor_panel(g, phasors, marker.frequency, curve >= 0 ? g.readout.curves[curve].colour : 0);
}

void draw_teaching_views(const Session& session, graph::Context& g) {
  const TeachingView& view = session.teaching;
  draw_exercise(session, g);
  if (view.marker.shown || view.phasor_panel) {
    draw_marker_and_panel(*session.program, view.marker, view.phasor_panel, g);
  }
}

}  // namespace tessaly
