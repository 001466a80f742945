// The renderer's results that need no Qt: traces, the data file and the CSV of the last curve.
#pragma once

#include <string>

#include "interaction/render_request.h"

namespace tessaly::interaction {

// The bytes of a trace, trace-print, dat, csv or phasors result of the request. graph_error,
// where given, receives the code of an axis error the graph raised and nobody read (0: none);
// refusal, why there is no result (a marker outside the sweep has no phasors), else empty.
std::string text_output(const RenderRequest& request, int* graph_error = nullptr,
                        std::string* refusal = nullptr);

}  // namespace tessaly::interaction
