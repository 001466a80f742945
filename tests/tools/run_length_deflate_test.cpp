#include "tools/run_length_deflate.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tessaly::tools {
namespace {

// What zlib itself writes with the settings the packer stands in for.
std::string zlib_packed(const std::vector<unsigned char>& input) {
  z_stream stream{};
  deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE);
  std::string packed(deflateBound(&stream, static_cast<uLong>(input.size())), '\0');
  stream.next_in = const_cast<Bytef*>(input.data());
  stream.avail_in = static_cast<uInt>(input.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  return packed;
}

// What zlib inflates the stream to; empty with a note where it is no valid zlib stream.
std::vector<unsigned char> inflated(const std::string& packed, std::size_t expected_size) {
  std::vector<unsigned char> out(expected_size + 1);
  uLongf size = static_cast<uLongf>(out.size());
  const int result = uncompress(out.data(), &size, reinterpret_cast<const Bytef*>(packed.data()),
                                static_cast<uLong>(packed.size()));
  EXPECT_EQ(result, Z_OK) << "not a zlib stream of at most " << expected_size << " bytes";
  out.resize(result == Z_OK ? size : 0);
  return out;
}

// Zlib's own bytes are the packer's reference only where zlib is the reference implementation:
// a compatible one (zlib-ng's) packs the same input into other, equally valid bytes.
bool linked_zlib_is_the_reference() {
  return std::strstr(zlibVersion(), "ng") == nullptr;
}

// The packer fed in pieces of the given sizes, in turn, the last repeated to the end.
bool packed(const std::vector<unsigned char>& input, const std::vector<std::size_t>& pieces,
            std::string& out) {
  RunLengthDeflate stream;
  std::size_t at = 0;
  for (std::size_t i = 0; at < input.size(); ++i) {
    const std::size_t size = std::min(pieces[std::min(i, pieces.size() - 1)], input.size() - at);
    std::memcpy(stream.input_space(size), input.data() + at, size);
    stream.commit(size);
    at += size;
  }
  return stream.finish(out);
}

// Rows of a picture after the "up" filter: mostly zeros, with scattered bytes, runs of one
// value (some longer than a run can be, some crossing into the next row) and literal stretches.
std::vector<unsigned char> picture_like(std::size_t rows, std::size_t row_size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<unsigned char> bytes(rows * row_size, 0);
  for (std::size_t y = 0; y < rows; ++y) {
    unsigned char* row = bytes.data() + y * row_size;
    row[0] = 2;
    const int marks = static_cast<int>(random() % 12);
    for (int m = 0; m < marks; ++m) {
      const std::size_t at = 1 + random() % (row_size - 1);
      const std::size_t length =
          std::min<std::size_t>(1 + random() % 600, bytes.size() - y * row_size - at);
      const unsigned char value = static_cast<unsigned char>(random());
      const bool literal_stretch = random() % 3 == 0;
      for (std::size_t i = 0; i < length; ++i) {
        row[at + i] = literal_stretch ? static_cast<unsigned char>(random() % 7) : value;
      }
    }
  }
  return bytes;
}

TEST(RunLengthDeflate, WritesZlibsBytes) {
  std::vector<std::vector<unsigned char>> inputs;
  inputs.push_back({});
  inputs.push_back({7});
  inputs.push_back({7, 7});
  inputs.push_back({7, 7, 7, 7});
  inputs.push_back(std::vector<unsigned char>(100000, 0));  // one long run
  // Runs of every length around the limits, each after a different byte.
  std::vector<unsigned char> lengths;
  for (int length = 1; length <= 600; ++length) {
    lengths.push_back(static_cast<unsigned char>(length));
    lengths.insert(lengths.end(), static_cast<std::size_t>(length),
                   static_cast<unsigned char>(length + 1));
  }
  inputs.push_back(lengths);
  // Literal counts like Fibonacci numbers: the literal tree's lengths overflow 15 bits.
  std::vector<unsigned char> skewed;
  for (int symbol = 0, a = 1, b = 1; symbol < 20; ++symbol, b = a + b, a = b - a) {
    for (int i = 0; i < a; ++i) skewed.push_back(static_cast<unsigned char>(symbol * 2 + 1));
  }
  std::shuffle(skewed.begin(), skewed.end(), std::mt19937(5));
  inputs.push_back(skewed);
  inputs.push_back(picture_like(720, 2881, 1));    // several blocks, runs across rows
  inputs.push_back(picture_like(48, 193, 2));      // short rows
  inputs.push_back(picture_like(2000, 19201, 3));  // long rows

  for (std::size_t i = 0; i < inputs.size(); ++i) {
    const std::string expected = zlib_packed(inputs[i]);
    for (const std::vector<std::size_t>& pieces :
         {std::vector<std::size_t>{1 << 20}, {2881}, {1, 7, 300, 70000, 3}}) {
      std::string out;
      ASSERT_TRUE(packed(inputs[i], pieces, out)) << "input " << i;
      EXPECT_TRUE(inflated(out, inputs[i].size()) == inputs[i])
          << "input " << i << " in pieces of " << pieces[0];
      if (!linked_zlib_is_the_reference()) continue;
      EXPECT_TRUE(out == expected) << "input " << i << " in pieces of " << pieces[0] << ": "
                                   << out.size() << " bytes, zlib " << expected.size();
    }
  }
}

// The packed bytes of a few pictures' rows, pinned in tests/golden/packed/: a change of the
// packer's output shows here whatever zlib the system has. After a deliberate change:
//   TESSALY_UPDATE_GOLDEN=1 build/tests/tessaly_tests --gtest_filter='RunLengthDeflate.*'
TEST(RunLengthDeflate, PicturesPackToTheirPinnedBytes) {
  struct Pinned {
    const char* name;
    std::vector<unsigned char> input;
  };
  const Pinned pinned[] = {
      {"short_rows.zz", picture_like(48, 193, 2)},
      {"window_rows.zz", picture_like(120, 2881, 1)},
      {"long_rows.zz", picture_like(40, 19201, 3)},
  };
  const bool update = std::getenv("TESSALY_UPDATE_GOLDEN") != nullptr;
  for (const Pinned& p : pinned) {
    std::string out;
    ASSERT_TRUE(packed(p.input, {2881}, out)) << p.name;
    EXPECT_TRUE(inflated(out, p.input.size()) == p.input) << p.name;
    const std::string path = std::string(TESSALY_SOURCE_DIR) + "/tests/golden/packed/" + p.name;
    if (update) {
      // Fails on purpose, so that a run with the flag left set can never pass.
      std::ofstream(path, std::ios::binary) << out;
      ADD_FAILURE() << "pinned anew: " << path;
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    ASSERT_FALSE(expected.str().empty()) << path;
    EXPECT_TRUE(out == expected.str())
        << p.name << ": " << out.size() << " bytes, pinned " << expected.str().size();
  }
}

TEST(RunLengthDeflate, GivesUpWhereZlibStoresTheBlock) {
  std::mt19937 random(9);
  std::vector<unsigned char> noise(50000);
  for (unsigned char& byte : noise) byte = static_cast<unsigned char>(random());
  std::string out;
  EXPECT_FALSE(packed(noise, {4096}, out));
  // Packed noise after pictures: the packer still gives up, at the noise's block.
  std::vector<unsigned char> mixed = picture_like(100, 2881, 4);
  mixed.insert(mixed.end(), noise.begin(), noise.end());
  EXPECT_FALSE(packed(mixed, {2881}, out));
}

}  // namespace
}  // namespace tessaly::tools
