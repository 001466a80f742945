// The circle constants of every formula that turns a frequency into an angle. They are the
// eight-digit decimals the programs have always used, not full precision: every plotted value,
// stored file and golden picture depends on these exact doubles.
#pragma once

namespace tessaly {

constexpr double kTwoPi = 6.2831854;
constexpr double kPi = 3.1415927;

// The angular frequency of a sweep point, as the models receive it: s = (0, 2 pi f).
constexpr double angular_frequency(double frequency) {
  return kTwoPi * frequency;
}

}  // namespace tessaly
