// The translated languages, one a po/ file, as the build made them into tables.
#pragma once

#include "core/catalog.h"

namespace tessaly::text {

extern const Language kTranslations[];
extern const int kTranslationCount;

}  // namespace tessaly::text
