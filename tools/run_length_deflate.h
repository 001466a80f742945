// A zlib stream packed with run-length matches only: the very bytes zlib writes at level 1 with
// its run-length strategy (window 2^15, memory level 8), so that pictures stay as they were,
// made in a third to a sixth of zlib's time. It needs no window or hash and reckons the Adler-32
// from the runs as it finds them instead of in a pass of its own over every byte.
//
// Only a block zlib would store uncompressed (input that packs to no less than its own size) is
// beyond it: `finish` then says so and the caller packs with zlib itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/deflate_codes.h"

namespace tessaly::tools {

class RunLengthDeflate {
 public:
  RunLengthDeflate();

  // Room for `size` more input bytes, valid until `commit`; write them, then commit them.
  unsigned char* input_space(std::size_t size);
  void commit(std::size_t size);

  // True once a block is found that zlib would have stored: the rest of the input is ignored.
  bool gave_up() const { return gave_up_; }

  // Ends the stream: the whole zlib stream (header, blocks, Adler-32), or false if gave_up().
  bool finish(std::string& out);

 private:
  void consume(bool at_end);
  void end_block(bool last);
  void reduce_checksum();

  std::vector<unsigned char> input_;  // [0] is the byte before input_[next_] once one was seen
  std::size_t next_ = 1;              // first byte not yet made into symbols
  std::size_t end_ = 1;               // one past the last committed byte
  bool started_ = false;

  std::vector<std::uint16_t> symbols_;  // this block's: a literal byte, or 256 + a run's length - 3
  std::size_t symbol_count_ = 0;
  // Of literals, the end of block and run lengths, kept in four tables taken in turn by symbol,
  // so that a byte repeated as literals waits for no store of its own count.
  std::uint32_t literal_counts_[4][deflate_format::kLiteralCodes] = {};
  std::uint32_t run_count_ = 0;
  std::size_t block_bytes_ = 0;  // input bytes the block's symbols stand for

  std::uint64_t adler_low_ = 1;  // Adler-32's two sums, reduced at each run and block
  std::uint64_t adler_high_ = 0;

  std::string packed_;
  std::uint64_t bits_ = 0;  // pending output bits, first bit lowest
  int bit_count_ = 0;
  bool gave_up_ = false;

  friend class BlockWriter;
};

}  // namespace tessaly::tools
