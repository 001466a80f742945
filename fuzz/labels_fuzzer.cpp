// Numbers with SI prefixes and the legend's labels for any double and any prefix character:
// the rescaling ends, the prefix is one of the table's, and no label is cut or unterminated.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz/fuzz_input.h"
#include "graph/context.h"
#include "graph/labels.h"
#include "programs/descriptor.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"

namespace {

using tessaly::fuzz::check;

// "-1.79769e+308" and a prefix: the longest "%g%c" there is.
constexpr std::size_t kLongestLabel = 14;
constexpr int kValuesPerInput = 4;

void check_label(const char* label, int length, std::size_t capacity) {
  check(length >= 0 && static_cast<std::size_t>(length) < capacity, "the label fits its buffer");
  check(static_cast<std::size_t>(length) <= kLongestLabel, "the label is a few bytes long");
  check(std::strlen(label) == static_cast<std::size_t>(length), "the label ends with NUL");
}

void check_normalized(double value, char prefix) {
  char out = 'x';
  const double m = tessaly::graph::normalize_si(value, prefix, &out);
  check(out != '\0' && std::strchr("fpnum kMGTE", out) != nullptr, "the prefix is a known one");
  if (std::isnan(value)) {
    check(std::isnan(m) && out == ' ', "NaN stays NaN with a blank prefix");
  } else if (value == 0.0 || std::isinf(value)) {
    check(m == value && out == ' ', "zero and infinities stay as they are");
  } else {
    check(std::fabs(m) >= 0.1 && std::fabs(m) < 1000.0, "the mantissa lies in [0.1, 1000)");
    check(std::signbit(m) == std::signbit(value), "the mantissa keeps the sign");
    if (out != ' ') {
      const double given = value * tessaly::graph::prefix_factor(prefix);
      const double shown = m * tessaly::graph::prefix_factor(out);
      check(std::fabs(shown - given) <= 1e-12 * std::fabs(given), "mantissa and prefix agree");
    }
  }
}

// The last text line of the trace ends with `tail`.
void check_drawn(const tessaly::surface::RecordingBackend& recorder, const char* tail) {
  const std::string& trace = recorder.trace();
  const std::size_t line = trace.rfind("\ntext ", trace.size() - 1);
  const std::string last = line == std::string::npos ? trace : trace.substr(line + 1);
  const std::string ending = std::string(tail) + "\n";
  check(last.size() >= ending.size() &&
            last.compare(last.size() - ending.size(), ending.size(), ending) == 0,
        "the drawn label is whole");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaly;
  surface::RecordingBackend recorder;
  surface::Surface surface;
  const surface::TargetBinding binding(surface, recorder);
  graph::Context g(surface, ombra_program().corner_nudges);

  fuzz::FuzzInput in(data, size);
  // A few values per input keep each input quick; the fuzzer varies them, not their number.
  for (int values = 0; values < kValuesPerInput && !in.empty(); ++values) {
    const double value = in.byte() & 1 ? in.raw_double() : in.telling_double();
    const char prefix = static_cast<char>(in.byte());
    check_normalized(value, prefix);

    char label[graph::kNumberTextCapacity];
    check_label(label, graph::format_si(label, sizeof label, value, prefix), sizeof label);
    recorder.clear_trace();
    graph::draw_number(g, 100, 100, value, 1.0, 1.0, 1, prefix);
    check_drawn(recorder, label);

    check_label(label, graph::format_legend_value(label, sizeof label, value), sizeof label);
    recorder.clear_trace();
    graph::legend_value(g, 119, 0, 1, " Ｑ ", " ", value, 2);
    check_drawn(recorder, label);

    recorder.clear_trace();
    graph::draw_scale_per_div(g, 10, 10, value, 0, prefix, 's', in.byte() & 1);
    check_drawn(recorder, "s  / div");
  }
  return 0;
}
