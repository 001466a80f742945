// A PNG writer tuned for the renderer's pictures: mostly white, a few thousand colours from
// antialiased text. Each row is stored as its difference to the row above and packed with
// zlib's run-length strategy, which is several times faster than a general encoder's
// adaptive filters for a file not much larger.
#pragma once

#include <cstdint>
#include <string>

namespace tessaly::tools {

// 8-bit RGB PNG of width x height pixels given as 0xffRRGGBB words, `stride` words a row.
std::string encode_png(const std::uint32_t* pixels, int width, int height, int stride);

}  // namespace tessaly::tools
