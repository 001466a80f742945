// Bytes made of runs and stray values, as filtered picture rows are, fed to the PNG packer in
// pieces of any size: its stream is zlib's own for the same bytes, byte for byte, unless it
// gives up (where zlib would store a block as it is).
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/fuzz_input.h"
#include "tools/run_length_deflate.h"

namespace {

using tessaly::fuzz::check;
using tessaly::fuzz::FuzzInput;

std::string zlib_packed(const std::vector<unsigned char>& input) {
  z_stream stream{};
  deflateInit2(&stream, 1, Z_DEFLATED, 15, 8, Z_RLE);
  std::string packed(deflateBound(&stream, static_cast<uLong>(input.size())), '\0');
  stream.next_in = const_cast<Bytef*>(input.data());
  stream.avail_in = static_cast<uInt>(input.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  check(deflate(&stream, Z_FINISH) == Z_STREAM_END, "zlib ends its stream");
  packed.resize(stream.total_out);
  deflateEnd(&stream);
  return packed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::size_t piece = 1 + in.word();
  // Each pair of bytes is a value and how often it comes: once to eight times, or up to 600
  // times when the count's top bit is set; a final long run of zeros stands for a white row.
  std::vector<unsigned char> bytes;
  while (!in.empty()) {
    const unsigned char value = in.byte();
    const unsigned char count = in.byte();
    const std::size_t times = count & 0x80 ? (count & 0x7f) * 5 + 1 : count % 8 + 1;
    bytes.insert(bytes.end(), times, value);
  }
  bytes.insert(bytes.end(), size % 3000, 0);

  tessaly::tools::RunLengthDeflate stream;
  for (std::size_t at = 0; at < bytes.size(); at += piece) {
    const std::size_t length = std::min(piece, bytes.size() - at);
    std::memcpy(stream.input_space(length), bytes.data() + at, length);
    stream.commit(length);
  }
  std::string packed;
  if (stream.finish(packed)) check(packed == zlib_packed(bytes), "the stream is zlib's");
  return 0;
}
