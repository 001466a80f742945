#include "interaction/text_outputs.h"

#include <algorithm>
#include <cstdio>

#include "core/data_file.h"
#include "interaction/curve_csv.h"
#include "interaction/replay.h"
#include "programs/passes.h"
#include "programs/phasor_csv.h"
#include "programs/phasors.h"
#include "surface/recording_backend.h"

namespace tessaly::interaction {

namespace {

// The marker's phasors are those of a frequency the curve was swept over; elsewhere the
// values are no part of the graph (and at 1e308 Hz not even numbers).
std::string marker_outside_sweep(const graph::Context& g, const FrequencyMarker& marker) {
  const int index = known_curve(g, marker.curve);
  if (index < 0 || within_sweep(g, marker.curve, marker.frequency)) return std::string();
  const graph::SweptCurve& curve = g.readout.curves[index];
  char text[160];
  std::snprintf(text, sizeof text, "the marker at %g Hz is outside the sweep, %g to %g Hz",
                marker.frequency, std::min(curve.sweep_start, curve.sweep_stop),
                std::max(curve.sweep_start, curve.sweep_stop));
  return text;
}

std::string output_of(HeadlessWindow& window, const RenderRequest& request, std::string& refusal) {
  surface::RecordingBackend recorder;
  switch (request.format) {
    case Format::kTrace: {
      LastPassTarget target(plan_repaints(*request.program, request.steps).last_pass(), recorder);
      replay(window, request.steps, target);
      return recorder.trace();
    }
    case Format::kTracePrint: {
      DiscardingTarget target;
      replay(window, request.steps, target);
      print_pass(window.session, window.graph, recorder, kPrinterDpi, kPrinterDpi);
      return recorder.trace();
    }
    case Format::kDat: {
      DiscardingTarget target;
      replay(window, request.steps, target);
      std::string bytes(kDataFileBytes, '\0');
      encode_plot_values(window.session, reinterpret_cast<unsigned char*>(bytes.data()));
      return bytes;
    }
    case Format::kCsv: {
      DiscardingTarget target;
      replay(window, request.steps, target);
      return curve_csv(window.session, window.graph.last_sweep);
    }
    case Format::kPhasors: {
      DiscardingTarget target;
      replay(window, request.steps, target);
      const FrequencyMarker& marker = window.session.teaching.marker;
      refusal = marker_outside_sweep(window.graph, marker);
      if (!refusal.empty()) return std::string();
      return phasor_csv(
          curve_phasors(*request.program, window.graph, marker.curve, marker.frequency));
    }
    default:
      return std::string();
  }
}

}  // namespace

std::string text_output(const RenderRequest& request, int* graph_error, std::string* refusal) {
  HeadlessWindow window(*request.program, *request.language);
  std::string refused;
  std::string bytes = output_of(window, request, refused);
  if (refusal != nullptr) *refusal = refused;
  int code = 0;
  window.surface.take_pending_error(&code);
  if (graph_error != nullptr) *graph_error = code;
  return bytes;
}

}  // namespace tessaly::interaction
