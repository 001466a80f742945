#include "tools/png_encoder.h"

#include <zlib.h>

#include <cstring>
#include <vector>

#include "tools/run_length_deflate.h"

namespace tessaly::tools {

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char kFilterUp = 2;

void put_u32(std::string& out, std::uint32_t v) {
  const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                         static_cast<char>(v >> 8), static_cast<char>(v)};
  out.append(bytes, 4);
}

// Length, type, data, then the CRC of type and data.
void put_chunk(std::string& out, const char* type, const std::string& data) {
  put_u32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.append(type, 4);
  out += data;
  const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
  put_u32(out, static_cast<std::uint32_t>(crc32(0L, bytes, static_cast<uInt>(out.size() - start))));
}

std::string header(int width, int height) {
  std::string ihdr;
  put_u32(ihdr, static_cast<std::uint32_t>(width));
  put_u32(ihdr, static_cast<std::uint32_t>(height));
  const char rest[5] = {8, 2, 0, 0, 0};  // 8 bits, truecolour, deflate, adaptive, no interlace
  ihdr.append(rest, 5);
  return ihdr;
}

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "rows are stored as little-endian words");

// The R, G, B bytes of a 0x00RRGGBB pixel in the low three bytes of the result, in memory order.
std::uint32_t rgb_bytes(std::uint32_t pixel) {
  return __builtin_bswap32(pixel) >> 8;
}

// Byte by byte a - b, no borrow from one byte into the next.
std::uint32_t byte_differences(std::uint32_t a, std::uint32_t b) {
  constexpr std::uint32_t kHigh = 0x80808080u;
  return ((a | kHigh) - (b & ~kHigh)) ^ ((a ^ ~b) & kHigh);
}

// Whether eight pixels equal those above them, as most of a picture's do.
bool same_eight(const std::uint32_t* row, const std::uint32_t* above) {
  std::uint64_t differing = 0;
  for (int i = 0; i < 8; i += 2) {
    std::uint64_t a;
    std::uint64_t b;
    std::memcpy(&a, row + i, sizeof a);
    std::memcpy(&b, above + i, sizeof b);
    differing |= a ^ b;
  }
  return differing == 0;
}

// Filter "Up" of one row of 0x00RRGGBB pixels: R, G, B bytes less those of the row above (none
// above the first row), in one pass over both rows. Each pixel is stored as a word whose fourth
// byte the next pixel overwrites; the last one only as its three bytes.
void filtered_row(const std::uint32_t* row, const std::uint32_t* above, int width,
                  unsigned char* out) {
  if (width <= 0) return;
  const int last = width - 1;
  int x = 0;
  auto store = [&](int at) {
    const std::uint32_t word =
        rgb_bytes(above == nullptr ? row[at] : byte_differences(row[at], above[at]));
    std::memcpy(out + 3 * at, &word, sizeof word);
  };
  if (above != nullptr) {
    while (x + 8 <= last) {
      if (same_eight(row + x, above + x)) {
        std::memset(out + 3 * x, 0, 24);
        x += 8;
      } else {
        for (const int end = x + 8; x < end; ++x) store(x);
      }
    }
  }
  for (; x < last; ++x) store(x);
  const std::uint32_t word =
      rgb_bytes(above == nullptr ? row[last] : byte_differences(row[last], above[last]));
  std::memcpy(out + 3 * last, &word, 3);
}

// zlib itself, for the rare picture whose blocks it would store unpacked (noise, say).
std::string zlib_compressed_rows(const std::uint32_t* pixels, int width, int height, int stride) {
  const std::size_t row_size = static_cast<std::size_t>(width) * 3;
  std::vector<unsigned char> filtered(row_size + 1);
  filtered[0] = kFilterUp;

  // The output grows in steps as it comes: a buffer of the worst-case size would cost the
  // process as much memory again as the raw picture.
  z_stream stream{};
  deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE);
  std::string packed;
  unsigned char out[1 << 16];
  stream.next_out = out;
  stream.avail_out = sizeof out;
  auto drain = [&] {
    packed.append(reinterpret_cast<const char*>(out), sizeof out - stream.avail_out);
    stream.next_out = out;
    stream.avail_out = sizeof out;
  };
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* const row = pixels + static_cast<std::size_t>(y) * stride;
    filtered_row(row, y > 0 ? row - stride : nullptr, width, filtered.data() + 1);
    stream.next_in = filtered.data();
    stream.avail_in = static_cast<uInt>(filtered.size());
    const int flush = y + 1 == height ? Z_FINISH : Z_NO_FLUSH;
    int status = Z_OK;
    do {
      status = deflate(&stream, flush);
      if (stream.avail_out == 0 || status == Z_STREAM_END) drain();
    } while (stream.avail_in > 0 || (flush == Z_FINISH && status == Z_OK));
  }
  deflateEnd(&stream);
  return packed;
}

std::string compressed_rows(const std::uint32_t* pixels, int width, int height, int stride) {
  const std::size_t row_size = static_cast<std::size_t>(width) * 3 + 1;
  RunLengthDeflate stream;
  for (int y = 0; y < height && !stream.gave_up(); ++y) {
    const std::uint32_t* const row = pixels + static_cast<std::size_t>(y) * stride;
    unsigned char* const out = stream.input_space(row_size);
    out[0] = kFilterUp;
    filtered_row(row, y > 0 ? row - stride : nullptr, width, out + 1);
    stream.commit(row_size);
  }
  std::string packed;
  if (stream.finish(packed)) return packed;
  return zlib_compressed_rows(pixels, width, height, stride);
}

}  // namespace

std::string encode_png(const std::uint32_t* pixels, int width, int height, int stride) {
  std::string png(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
  put_chunk(png, "IHDR", header(width, height));
  put_chunk(png, "IDAT", compressed_rows(pixels, width, height, stride));
  put_chunk(png, "IEND", std::string());
  return png;
}

}  // namespace tessaly::tools
