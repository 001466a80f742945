// Which fields of the graph constants the selected analysis draws with.
#pragma once

#include "core/session.h"

namespace tessaly::shell {

// False for a field that the analysis selected now leaves unused: Ombra keeps one set of graph
// constants for all its analyses, and its phase and locus graphs have fixed y axes, so there
// the y minimum and maximum (fields 2 and 3) change nothing. Every other field is used.
bool graph_field_used(const Session& session, int field);

}  // namespace tessaly::shell
