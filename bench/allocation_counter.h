// Counts the heap blocks the benchmark process obtains. The binary replaces the global
// allocation functions and, because Qt keeps its strings and containers in malloc'd blocks,
// the C allocation functions too: every block, from our code or from Qt, is seen once.
#pragma once

#include <cstdint>

namespace tessaly::bench {

std::uint64_t allocation_count();

}  // namespace tessaly::bench
