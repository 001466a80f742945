// atan2 in plain double arithmetic, the same bits from every C library: the native and the
// WebAssembly builds compute the phase of a point alike.
#pragma once

namespace tessaly {

double portable_atan2(double y, double x);

}  // namespace tessaly
