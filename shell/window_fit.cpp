#include "shell/window_fit.h"

#include <algorithm>
#include <cmath>

#include "shell/main_window.h"
#include "surface/surface.h"

namespace tessaly::shell {

double fitting_magnification(double magnification, QSize available, int status_line_height,
                             int logical_width) {
  const QSize graph = outer_window_size(magnification, status_line_height);
  const QSize wanted(static_cast<int>(logical_width * magnification), graph.height());
  if (wanted.width() <= available.width() && wanted.height() <= available.height()) {
    return magnification;
  }
  const double fits = std::min(
      static_cast<double>(available.width()) / logical_width,
      static_cast<double>(available.height() - status_line_height) / surface::kLogicalHeight);
  // Tenths, so that the magnification dialog shows it as typed; a hair of slack for the
  // binary fractions of exact fits (1.0 on a 640-pixel-wide screen).
  return std::max(0.1, std::floor(fits * 10.0 + 1e-9) / 10.0);
}

QString fitted_note(const text::Language& language, double magnification) {
  return QString::fromUtf8(text::localized(language, "画面に収まるよう表示倍率を %1 にしました"))
      .arg(magnification);
}

}  // namespace tessaly::shell
