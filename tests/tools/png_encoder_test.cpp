#include "tools/png_encoder.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tessaly::tools {
namespace {

std::uint32_t be32(const std::string& s, std::size_t at) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at])) << 24) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 1])) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 2])) << 8) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(s[at + 3]));
}

struct Chunk {
  std::string type;
  std::string data;
  bool crc_ok;
};

std::vector<Chunk> chunks(const std::string& png) {
  std::vector<Chunk> found;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = be32(png, at);
    Chunk chunk{png.substr(at + 4, 4), png.substr(at + 8, length), false};
    const auto* bytes = reinterpret_cast<const Bytef*>(png.data() + at + 4);
    chunk.crc_ok = crc32(0L, bytes, length + 4) == be32(png, at + 8 + length);
    found.push_back(chunk);
    at += 12 + length;
  }
  return found;
}

TEST(PngEncoder, RowsSurviveTheRoundTrip) {
  // Three rows of four pixels, 32-bit words with one spare word of stride per row.
  const std::uint32_t pixels[] = {0xffffffff, 0xff000000, 0xff123456, 0xffabcdef, 0xdeadbeef,  //
                                  0xffffffff, 0xff000001, 0xff123456, 0xff00ff00, 0xdeadbeef,  //
                                  0xff808080, 0xffffffff, 0xff0000ff, 0xffff0000, 0xdeadbeef};
  const std::string png = encode_png(pixels, 4, 3, 5);
  ASSERT_EQ(png.compare(0, 8, "\x89PNG\r\n\x1a\n"), 0);
  const std::vector<Chunk> parts = chunks(png);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0].type, "IHDR");
  EXPECT_EQ(be32(parts[0].data, 0), 4u);
  EXPECT_EQ(be32(parts[0].data, 4), 3u);
  EXPECT_EQ(parts[0].data.substr(8), std::string("\x08\x02\x00\x00\x00", 5)) << "8-bit RGB";
  EXPECT_EQ(parts[1].type, "IDAT");
  EXPECT_EQ(parts[2].type, "IEND");
  EXPECT_TRUE(parts[2].data.empty());
  for (const Chunk& c : parts) EXPECT_TRUE(c.crc_ok) << c.type;

  std::vector<unsigned char> raw(3 * (1 + 4 * 3));
  uLongf size = static_cast<uLongf>(raw.size());
  ASSERT_EQ(uncompress(raw.data(), &size, reinterpret_cast<const Bytef*>(parts[1].data.data()),
                       static_cast<uLong>(parts[1].data.size())),
            Z_OK);
  ASSERT_EQ(size, raw.size());
  // Undo the "up" filter row by row and compare with the words' red, green and blue.
  std::vector<unsigned char> above(12, 0);
  for (int y = 0; y < 3; ++y) {
    const unsigned char* row = raw.data() + y * 13;
    EXPECT_EQ(row[0], 2) << "filter of row " << y;
    for (int x = 0; x < 4; ++x) {
      const std::uint32_t word = pixels[y * 5 + x];
      for (int c = 0; c < 3; ++c) {
        const unsigned char value =
            static_cast<unsigned char>(row[1 + 3 * x + c] + above[3 * x + c]);
        EXPECT_EQ(value, static_cast<unsigned char>(word >> (16 - 8 * c))) << y << "," << x;
        above[3 * x + c] = value;
      }
    }
  }
}

}  // namespace
}  // namespace tessaly::tools
