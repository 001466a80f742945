#include "tools/headless_outputs.h"

#include "core/data_file.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"
#include "tools/curve_csv.h"
#include "tools/replay.h"

namespace tessaly::tools {

namespace {

// Records the last window pass only.
class LastPassTarget final : public PassTarget {
 public:
  LastPassTarget(int last, surface::RecordingBackend& recorder)
      : last_(last), recorder_(recorder) {}
  surface::Backend& begin_pass(int index, bool) override {
    if (index == last_) return recorder_;
    return discard_;
  }

 private:
  int last_;
  surface::RecordingBackend& recorder_;
  surface::NullBackend discard_;
};

}  // namespace

std::string headless_output(const RenderRequest& request) {
  const ProgramDescriptor& program = *request.program;
  surface::RecordingBackend recorder;
  switch (request.format) {
    case Format::kTrace: {
      LastPassTarget target(plan_repaints(program, request.steps).last_pass(), recorder);
      replay(program, request.steps, target);
      return recorder.trace();
    }
    case Format::kTracePrint: {
      DiscardingTarget target;
      replay(program, request.steps, target);
      print_pass(recorder, kPrinterDpi, kPrinterDpi);
      return recorder.trace();
    }
    case Format::kDat: {
      DiscardingTarget target;
      replay(program, request.steps, target);
      std::string bytes(kDataFileBytes, '\0');
      encode_plot_values(reinterpret_cast<unsigned char*>(bytes.data()));
      return bytes;
    }
    case Format::kCsv: {
      SweepWatchingTarget target;
      replay(program, request.steps, target);
      return curve_csv(target.last_sweep());
    }
    default:
      return std::string();
  }
}

}  // namespace tessaly::tools
