// The Japanese Mincho face that stands in for the platform's "MSMINCHO".
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace tessaly::surface {

// Preferred faces, best first: IPAMincho is the one the programs are laid out for.
QStringList mincho_families();
// A Mincho font of the given pixel size (em height), regular weight, no hinting tricks.
QFont mincho_font(int pixel_size);
// The family that the font database actually resolves mincho_font() to.
QString resolved_mincho_family();

}  // namespace tessaly::surface
