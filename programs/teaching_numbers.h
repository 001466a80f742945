// Numbers of the teaching views with three significant digits, as a student copies them off a
// sheet or a projection: "1.25m" and "104m" for quantities with a unit, "0.125" and "18.2" for
// ratios (Q), which an SI prefix would only hide.
#pragma once

#include <cstddef>

namespace tessaly {

constexpr std::size_t kTeachingNumberCapacity = 32;

// The value rounded to three significant digits: two values that print alike are alike here.
double three_digits(double value);

// With an SI prefix (mantissa 1 to 999): "1.00k", "47.0u", "330 " (a blank for no prefix).
int format_with_prefix(char* out, std::size_t capacity, double value);
// Without one: "0.0125", "1.25", "18.2", "215".
int format_plain(char* out, std::size_t capacity, double value);

}  // namespace tessaly
