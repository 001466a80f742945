#include "interaction/text_outputs.h"

#include "core/data_file.h"
#include "interaction/curve_csv.h"
#include "interaction/replay.h"
#include "programs/passes.h"
#include "programs/phasor_csv.h"
#include "programs/phasors.h"
#include "surface/recording_backend.h"

namespace tessaly::interaction {

namespace {

std::string output_of(HeadlessWindow& window, const RenderRequest& request) {
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
      return phasor_csv(
          curve_phasors(*request.program, window.graph, marker.curve, marker.frequency));
    }
    default:
      return std::string();
  }
}

}  // namespace

std::string text_output(const RenderRequest& request, int* graph_error) {
  HeadlessWindow window(*request.program);
  std::string bytes = output_of(window, request);
  int code = 0;
  window.surface.take_pending_error(&code);
  if (graph_error != nullptr) *graph_error = code;
  return bytes;
}

}  // namespace tessaly::interaction
