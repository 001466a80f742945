// A window that opens larger than the screen loses its lower frame and legend: the display
// magnification is lowered until the window fits.
#pragma once

#include <QSize>
#include <QString>

namespace tessaly::shell {

// `magnification` when the window it opens fits in `available`; else the largest multiple of
// 0.1 (at least 0.1) whose window fits.
double fitting_magnification(double magnification, QSize available, int status_line_height);

// The status line's note that the window opened at `magnification` to fit the screen.
QString fitted_note(double magnification);

}  // namespace tessaly::shell
