#pragma once

namespace tessaly::quirn {

// Draws the whole graph of the current analysis state on the current drawing target.
void graph_driver();

}  // namespace tessaly::quirn
