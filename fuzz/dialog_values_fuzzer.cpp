// The settings dialogs' numbers: any edit text read and stored as OK stores it, then shown
// again as the next opening shows it.
#include <strings.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "core/dialog_values.h"
#include "fuzz/fuzz_input.h"
#include "programs/descriptor.h"

namespace {

using tessaly::fuzz::check;

constexpr int kEdits = 5;

bool c_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// What the dialog must store, from the C library's own conversion: the run-time the dialogs
// were written for read decimal numbers only, so a text that this library would take as
// hexadecimal, an infinity or a NaN stores what its leading "0" or nothing gives: zero.
double expected_value(const char* text) {
  char seen[tessaly::kEditTextLimit + 1] = {};
  std::strncpy(seen, text, tessaly::kEditTextLimit);
  const char* p = seen;
  while (c_space(*p)) ++p;
  if (*p == '+' || *p == '-') ++p;
  if (strncasecmp(p, "inf", 3) == 0 || strncasecmp(p, "nan", 3) == 0) return 0.0;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return 0.0;
  return std::fabs(std::atof(seen));
}

// "%g" keeps six significant digits: reading the shown text back lands within half a unit of
// the sixth digit.
bool shows_within_six_digits(double stored, double reread) {
  const double tolerance = 5e-6 * stored + std::numeric_limits<double>::denorm_min();
  return std::fabs(reread - stored) <= tolerance;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tessaly;
  Session session = start_session(ombra_program());
  double* const row = ombra_program().graph_constants.row(session);
  const char* cursor = reinterpret_cast<const char*>(data);
  const char* end = cursor + size;
  for (int edit = 0; edit < kEdits && cursor < end; ++edit) {
    // One edit's text runs to the next NUL, as GetDlgItemText would end it.
    const char* stop = static_cast<const char*>(std::memchr(cursor, '\0', end - cursor));
    const std::string text(cursor, stop != nullptr ? stop : end);
    cursor = stop != nullptr ? stop + 1 : end;

    const double stored = read_edit_value(text.c_str());
    row[edit] = stored;
    check(!std::signbit(stored) && !std::isnan(stored), "a stored value is positive");
    check(stored == expected_value(text.c_str()), "the value is what atof reads");

    char shown[kEditTextCapacity];
    std::memset(shown, 'x', sizeof shown);
    format_edit_value(row[edit], shown);
    const std::size_t length = strnlen(shown, sizeof shown);
    check(length < sizeof shown, "the shown text is NUL-terminated inside its buffer");
    check(length <= kEditTextLimit, "the shown text fits the edit box's limit");
    const double reread = read_edit_value(shown);
    if (std::isinf(stored)) {
      check(reread == 0.0, "\"inf\" reads back as no number");
    } else {
      check(shows_within_six_digits(stored, reread), "OK without editing keeps six digits");
    }
  }
  return 0;
}
