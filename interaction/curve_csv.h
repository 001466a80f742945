// The stored points of the last curve as CSV, each with the frequency that the sweep computed
// for it.
#pragma once

#include <string>

#include "core/session.h"
#include "graph/context.h"

namespace tessaly::interaction {

// "point,frequency_hz,value_1,value_2" and one row per point the session stored, numbers as
// "%.17g"; the frequencies stepped again as the last sweep stepped them.
std::string curve_csv(const Session& session, const graph::SweepSummary& sweep);

}  // namespace tessaly::interaction
