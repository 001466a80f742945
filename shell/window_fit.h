// A window that opens larger than the screen loses its lower frame and legend: the display
// magnification is lowered until the window fits.
#pragma once

#include <QSize>
#include <QString>

#include "core/catalog.h"
#include "surface/device_geometry.h"

namespace tessaly::shell {

// `magnification` when the window it opens fits in `available`; else the largest multiple of
// 0.1 (at least 0.1) whose window fits. The window is `logical_width` wide at magnification 1:
// the graph, and the phasor panel where it is shown.
double fitting_magnification(double magnification, QSize available, int status_line_height,
                             int logical_width = surface::kLogicalWidth);

// The status line's note that the window opened at `magnification` to fit the screen.
QString fitted_note(const text::Language& language, double magnification);

}  // namespace tessaly::shell
