// A PNG writer tuned for the renderer's pictures: mostly white, a few thousand colours from
// antialiased text. Each row is stored as its difference to the row above and packed as zlib's
// run-length strategy packs it, byte for byte, by a packer that knows the rows are mostly runs;
// zlib itself packs only a picture that will not pack (noise).
#pragma once

#include <cstdint>
#include <string>

namespace tessaly::tools {

// 8-bit RGB PNG of width x height pixels given as 0xffRRGGBB words, `stride` words a row.
std::string encode_png(const std::uint32_t* pixels, int width, int height, int stride);

}  // namespace tessaly::tools
