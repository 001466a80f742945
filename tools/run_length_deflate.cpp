#include "tools/run_length_deflate.h"

#include <algorithm>
#include <cstring>

#include "tools/deflate_codes.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tessaly::tools {

namespace {

using namespace deflate_format;

constexpr std::size_t kMinRun = 3;
constexpr std::size_t kMaxRun = 258;
// zlib's symbol buffer at memory level 8 holds 2^14 symbols and ends a block one short of full.
constexpr std::size_t kBlockSymbols = (std::size_t{1} << 14) - 1;
constexpr std::uint64_t kAdlerModulus = 65521;
constexpr std::size_t kInputChunk = std::size_t{1} << 16;

// Length of the run of `byte` at `p`, at most `limit`, sixteen or eight bytes to a step.
std::size_t run_length(const unsigned char* p, unsigned char byte, std::size_t limit) {
  std::size_t n = 0;
#if defined(__SSE2__)
  const __m128i bytes = _mm_set1_epi8(static_cast<char>(byte));
  for (; n + 16 <= limit; n += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n));
    const auto equal = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, bytes)));
    if (equal != 0xffff) return n + static_cast<std::size_t>(__builtin_ctz(~equal));
  }
#endif
  const std::uint64_t pattern = 0x0101010101010101ull * byte;
  for (; n + 8 <= limit; n += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + n, sizeof word);
    const std::uint64_t differing = word ^ pattern;
    if (differing != 0) return n + static_cast<std::size_t>(__builtin_ctzll(differing)) / 8;
  }
  while (n < limit && p[n] == byte) ++n;
  return n;
}

#if defined(__SSE2__)
// How many of the sixteen bytes from `p` start no run, a run starting where a byte repeats the
// one before it and the next two repeat it. Reads p[-1] to p[17].
unsigned literals_ahead(const unsigned char* p) {
  auto at = [p](int offset) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + offset));
  };
  const __m128i before = at(-1);
  const __m128i here = at(0);
  const __m128i next = at(1);
  const __m128i after = at(2);
  const __m128i starts =
      _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(before, here), _mm_cmpeq_epi8(here, next)),
                    _mm_cmpeq_epi8(next, after));
  const auto mask = static_cast<unsigned>(_mm_movemask_epi8(starts));
  return mask == 0 ? 16 : static_cast<unsigned>(__builtin_ctz(mask));
}
#endif

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "words are compared and written as little-endian bytes");

// Bits to bytes, first bit lowest, into room reserved beforehand; at most 32 bits at a time.
struct BitSink {
  unsigned char* out;
  std::uint64_t bits;
  int count;  // below 32 between calls

  void put(std::uint64_t value, int size) {
    bits |= value << count;
    count += size;
    if (count >= 32) {
      const auto word = static_cast<std::uint32_t>(bits);
      std::memcpy(out, &word, sizeof word);
      out += sizeof word;
      bits >>= 32;
      count -= 32;
    }
  }
};

}  // namespace

// Writes one block: its trees, then its symbols, or gives up where zlib would store it.
class BlockWriter {
 public:
  explicit BlockWriter(RunLengthDeflate& stream) : s_(stream) {}

  void write(bool last) {
    Tree literal;
    Tree distance;
    Tree lengths;
    for (const auto& counts : s_.literal_counts_) {
      for (int n = 0; n < kLiteralCodes; ++n) literal.freq[n] += counts[n];
    }
    distance.freq[0] = s_.run_count_;
    BlockCost cost;
    build_tree(literal, kLiteralKind, cost);
    build_tree(distance, kDistanceKind, cost);
    auto tally = [&](int symbol, int, int) { ++lengths.freq[symbol]; };
    code_length_symbols(literal, tally);
    code_length_symbols(distance, tally);
    build_tree(lengths, kCodeLengthKind, cost);
    int last_length_code = kCodeLengthCodes - 1;
    while (last_length_code >= 3 && lengths.len[kCodeLengthOrder[last_length_code]] == 0) {
      --last_length_code;
    }
    cost.dynamic_bits += 3 * static_cast<std::uint64_t>(last_length_code + 1) + 5 + 5 + 4;

    // Whole bytes with the 3 header bits; the fixed code wins a tie.
    const std::uint64_t fixed_bytes = (cost.fixed_bits + 3 + 7) >> 3;
    const std::uint64_t best_bytes = std::min(fixed_bytes, (cost.dynamic_bits + 3 + 7) >> 3);
    if (s_.block_bytes_ + 4 <= best_bytes) {
      s_.gave_up_ = true;
      return;
    }

    // Room for the trees (under a thousand bytes) and for each symbol's code, at most 25 bits.
    const std::size_t written = s_.packed_.size();
    s_.packed_.resize(written + 1024 + 4 * s_.symbol_count_);
    BitSink sink{reinterpret_cast<unsigned char*>(s_.packed_.data()) + written, s_.bits_,
                 s_.bit_count_};
    if (best_bytes == fixed_bytes) {
      sink.put(2 + last, 3);
      const FixedCodes fixed;
      symbols(fixed.literal, fixed.distance, sink);
    } else {
      sink.put(4 + last, 3);
      sink.put(static_cast<unsigned>(literal.max_code + 1 - kFirstLengthSymbol), 5);
      sink.put(static_cast<unsigned>(distance.max_code), 5);
      sink.put(static_cast<unsigned>(last_length_code + 1 - 4), 4);
      for (int rank = 0; rank <= last_length_code; ++rank) {
        sink.put(lengths.len[kCodeLengthOrder[rank]], 3);
      }
      auto send = [&](int symbol, int extra, int extra_bits) {
        sink.put(lengths.code[symbol], lengths.len[symbol]);
        if (extra_bits != 0) sink.put(static_cast<unsigned>(extra), extra_bits);
      };
      code_length_symbols(literal, send);
      code_length_symbols(distance, send);
      symbols(literal, distance, sink);
    }
    if (last) {
      for (; sink.count > 0; sink.count -= 8) {
        *sink.out++ = static_cast<unsigned char>(sink.bits);
        sink.bits >>= 8;
      }
      sink.bits = 0;
      sink.count = 0;
    }
    s_.packed_.resize(
        static_cast<std::size_t>(sink.out - reinterpret_cast<unsigned char*>(s_.packed_.data())));
    s_.bits_ = sink.bits;
    s_.bit_count_ = sink.count;
  }

 private:
  // Each symbol's whole code at once: a literal's, or a run's length code, its extra bits and
  // the code of distance 1 (every run copies the byte just before it), together at most
  // 15 + 5 + 5 bits: the distance tree has two codes of one bit, or the fixed code's five.
  void symbols(const Tree& literal, const Tree& distance, BitSink& sink) {
    std::uint32_t code[512];
    std::uint8_t size[512];
    for (int value = 0; value < 256; ++value) {
      code[value] = literal.code[value];
      size[value] = static_cast<std::uint8_t>(literal.len[value]);
    }
    for (int length = 0; length < 256; ++length) {
      const int symbol = kLengths.symbol[length];
      const int length_bits = literal.len[kFirstLengthSymbol + symbol];
      const int extra_bits = kExtraLengthBits[symbol];
      const int extra = extra_bits == 0 ? 0 : length - kLengths.base[symbol];
      code[256 + length] =
          literal.code[kFirstLengthSymbol + symbol] |
          (static_cast<std::uint32_t>(extra) << length_bits) |
          (static_cast<std::uint32_t>(distance.code[0]) << (length_bits + extra_bits));
      size[256 + length] = static_cast<std::uint8_t>(length_bits + extra_bits + distance.len[0]);
    }
    // The sink's state in locals, which the byte stores cannot be taken to change; all eight
    // bytes stored each time, the whole ones kept (the room has slack for the rest), so that
    // fewer than 8 bits wait and two codes (50 bits at most) fit beside them.
    std::uint64_t bits = sink.bits;
    int count = sink.count;
    unsigned char* out = sink.out;
    auto keep_whole_bytes = [&] {
      std::memcpy(out, &bits, sizeof bits);
      out += count >> 3;
      bits >>= count & ~7;
      count &= 7;
    };
    keep_whole_bytes();
    const std::uint16_t* const values = s_.symbols_.data();
    const std::size_t n = s_.symbol_count_;
    std::size_t i = 0;
    // Two symbols to a step: their codes are joined apart from the running bit count.
    for (; i + 1 < n; i += 2) {
      const unsigned first = values[i];
      const unsigned second = values[i + 1];
      const std::uint64_t pair =
          code[first] | (static_cast<std::uint64_t>(code[second]) << size[first]);
      bits |= pair << count;
      count += size[first] + size[second];
      keep_whole_bytes();
    }
    if (i < n) {
      bits |= static_cast<std::uint64_t>(code[values[i]]) << count;
      count += size[values[i]];
      keep_whole_bytes();
    }
    sink.bits = bits;
    sink.count = count;
    sink.out = out;
    sink.put(literal.code[kEndOfBlock], literal.len[kEndOfBlock]);
  }

  RunLengthDeflate& s_;
};

RunLengthDeflate::RunLengthDeflate() : input_(kInputChunk), symbols_(kBlockSymbols) {
  // CMF: deflate with a 2^15 window; FLG: "fastest" with the check bits that make it 31's multiple.
  packed_ = std::string("\x78\x01", 2);
  literal_counts_[0][kEndOfBlock] = 1;
}

unsigned char* RunLengthDeflate::input_space(std::size_t size) {
  if (end_ + size > input_.size()) {
    if (gave_up_) {
      next_ = end_ = 1;
    } else {
      consume(false);
      // Keep the byte before the next one, which a run starting there repeats.
      const std::size_t keep_from = next_ - 1;
      std::memmove(input_.data(), input_.data() + keep_from, end_ - keep_from);
      end_ -= keep_from;
      next_ = 1;
    }
    if (end_ + size > input_.size()) input_.resize(std::max(end_ + size, 2 * input_.size()));
  }
  return input_.data() + end_;
}

void RunLengthDeflate::commit(std::size_t size) {
  end_ += size;
}

// zlib looks for a run only with a longest run's bytes ahead (until the input ends) and never
// at the first byte; taking the longest run at each byte, as it does, gives its symbols.
void RunLengthDeflate::consume(bool at_end) {
  const unsigned char* const data = input_.data();
  std::uint16_t* const symbols = symbols_.data();
  // The running state in locals, which the stores of the loop cannot be taken to change.
  std::size_t at = next_;
  std::size_t count = symbol_count_;
  std::uint64_t low = adler_low_;
  std::uint64_t high = adler_high_;
  std::size_t counted_from = at;
  auto save = [&] {
    symbol_count_ = count;
    adler_low_ = low;
    adler_high_ = high;
    block_bytes_ += at - counted_from;
    counted_from = at;
  };
  auto literal = [&](unsigned char byte) {
    symbols[count++] = byte;
    ++literal_counts_[count & 3][byte];
    low += byte;
    high += low;
    ++at;
  };

  if (!started_ && at < end_) {
    literal(data[at]);
    started_ = true;
  }
  while (at < end_) {
    const std::size_t ahead = end_ - at;
    if (!at_end && ahead < kMaxRun) break;
    std::size_t literals = 0;
#if defined(__SSE2__)
    if (ahead >= 18)
      literals = std::min<std::size_t>(literals_ahead(data + at), kBlockSymbols - count);
#endif
    const unsigned char byte = data[at];
    if (literals > 0) {
      for (; literals > 0; --literals) literal(data[at]);
    } else if (ahead >= kMinRun && byte == data[at - 1] && byte == data[at + 1] &&
               byte == data[at + 2]) {
      const std::size_t length =
          kMinRun + run_length(data + at + kMinRun, byte, std::min(ahead, kMaxRun) - kMinRun);
      symbols[count++] = static_cast<std::uint16_t>(256 + length - kMinRun);
      ++literal_counts_[count & 3][kFirstLengthSymbol + kLengths.symbol[length - kMinRun]];
      ++run_count_;
      // The sums over `length` copies of `byte` at once: low grows by byte each step, and
      // high by each of those lows.
      high = (high + length * low + byte * (length * (length + 1) / 2)) % kAdlerModulus;
      low = (low + length * byte) % kAdlerModulus;
      at += length;
    } else {
      literal(byte);
    }
    if (count == kBlockSymbols) {
      save();
      end_block(false);
      if (gave_up_) break;
      count = 0;
      low = adler_low_;
      high = adler_high_;
    }
  }
  save();
  next_ = at;
}

void RunLengthDeflate::reduce_checksum() {
  adler_low_ %= kAdlerModulus;
  adler_high_ %= kAdlerModulus;
}

void RunLengthDeflate::end_block(bool last) {
  // A block's literals alone keep both sums far below 2^64 until this reduction.
  reduce_checksum();
  BlockWriter(*this).write(last);
  symbol_count_ = 0;
  block_bytes_ = 0;
  run_count_ = 0;
  for (auto& counts : literal_counts_) std::fill(std::begin(counts), std::end(counts), 0);
  literal_counts_[0][kEndOfBlock] = 1;
}

bool RunLengthDeflate::finish(std::string& out) {
  if (!gave_up_) consume(true);
  if (!gave_up_) end_block(true);
  if (gave_up_) return false;
  const auto checksum = static_cast<std::uint32_t>((adler_high_ << 16) | adler_low_);
  const char trailer[4] = {static_cast<char>(checksum >> 24), static_cast<char>(checksum >> 16),
                           static_cast<char>(checksum >> 8), static_cast<char>(checksum)};
  packed_.append(trailer, 4);
  out.swap(packed_);
  return true;
}

}  // namespace tessaly::tools
