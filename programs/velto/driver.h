#pragma once

namespace tessaly::velto {

// Draws the whole graph of the current analysis state on the current drawing target.
void graph_driver();

}  // namespace tessaly::velto
