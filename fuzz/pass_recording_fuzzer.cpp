// Whole drawing passes from arbitrary states into the recording backend.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/session.h"
#include "surface/recording_backend.h"

namespace {

using tessaly::surface::RecordingBackend;

// Every pass, whatever it drew, ends with the legend's reset and its alert; a saved curve on
// show comes after it.
void check_pass(const tessaly::Session& session, tessaly::surface::Backend& backend) {
  RecordingBackend& recorder = static_cast<RecordingBackend&>(backend);
  const std::string& trace = recorder.trace();
  const std::string last = "alert\n";
  const bool ends_with_alert = trace.size() >= last.size() &&
                               trace.compare(trace.size() - last.size(), last.size(), last) == 0;
  const bool alert_then_reference =
      session.reference_curve.shown && trace.find(last) != std::string::npos;
  tessaly::fuzz::check(ends_with_alert || alert_then_reference,
                       "a pass ends with the alert of reset_legend");
  recorder.clear_trace();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RecordingBackend backend;
  tessaly::fuzz::FuzzInput in(data, size);
  tessaly::fuzz::FuzzWindow window(tessaly::fuzz::pick_program(in));
  tessaly::fuzz::play_session(in, window, backend, 2, check_pass);
  return 0;
}
