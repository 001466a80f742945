// sqrt(x² + y²) rounded once, to nearest even: the same bits from every C library, so that a
// build with another libm (the WebAssembly one) draws and saves exactly what this one does.
#pragma once

namespace tessaly {

double correctly_rounded_hypot(double x, double y);

}  // namespace tessaly
