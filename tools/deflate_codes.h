// The deflate format's alphabet and its Huffman codes, built exactly as zlib builds them: the
// same heap, ties broken by subtree depth, lengths over the limit repaired the same way, and
// code lengths sent with the same repeats, so that equal symbol counts give zlib's bytes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace tessaly::tools::deflate_format {

inline constexpr int kEndOfBlock = 256;
inline constexpr int kFirstLengthSymbol = 257;
inline constexpr int kLengthSymbols = 29;
inline constexpr int kLiteralCodes = kFirstLengthSymbol + kLengthSymbols;  // 286
inline constexpr int kDistanceCodes = 30;
inline constexpr int kCodeLengthCodes = 19;
inline constexpr int kMaxBits = 15;
inline constexpr int kHeapSize = 2 * kLiteralCodes + 1;

inline constexpr int kExtraLengthBits[kLengthSymbols] = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
inline constexpr int kExtraDistanceBits[kDistanceCodes] = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                           4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                           9, 9, 10, 10, 11, 11, 12, 12, 13, 13};
inline constexpr int kExtraCodeLengthBits[kCodeLengthCodes] = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                                               0, 0, 0, 0, 0, 0, 2, 3, 7};
inline constexpr int kCodeLengthOrder[kCodeLengthCodes] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};
inline constexpr int kRepeatLength = 16;    // the previous length 3-6 times
inline constexpr int kRepeatZero = 17;      // a zero length 3-10 times
inline constexpr int kRepeatZeroLong = 18;  // a zero length 11-138 times

// A run's length less 3 -> its length symbol less 257, and each symbol's first length less 3.
struct LengthTable {
  std::uint8_t symbol[256] = {};
  std::uint8_t base[kLengthSymbols] = {};
};

constexpr LengthTable make_length_table() {
  LengthTable table;
  int length = 0;
  for (int code = 0; code < kLengthSymbols - 1; ++code) {
    table.base[code] = static_cast<std::uint8_t>(length);
    for (int n = 0; n < (1 << kExtraLengthBits[code]); ++n) {
      table.symbol[length++] = static_cast<std::uint8_t>(code);
    }
  }
  // 258 could also be symbol 284 with all extra bits set; its own symbol is shorter.
  table.symbol[255] = kLengthSymbols - 1;
  return table;
}

inline constexpr LengthTable kLengths = make_length_table();

// Leaves first, then the inner nodes a build adds after them.
struct Tree {
  std::uint32_t freq[kHeapSize] = {};
  std::uint16_t len[kHeapSize] = {};
  std::uint16_t dad[kHeapSize] = {};
  std::uint16_t code[kHeapSize] = {};
  int max_code = -1;  // largest leaf in use
};

struct TreeKind {
  int elements;
  const std::uint8_t* fixed_lengths;  // of the fixed code, for its cost; null for none
  const int* extra_bits;
  int extra_base;  // first element with extra bits
  int max_length;
};

struct FixedLengths {
  std::uint8_t literal[kLiteralCodes + 2] = {};
  std::uint8_t distance[kDistanceCodes] = {};
};

constexpr FixedLengths make_fixed_lengths() {
  FixedLengths fixed;
  for (int n = 0; n < kLiteralCodes + 2; ++n)
    fixed.literal[n] = n < 144 ? 8 : n < 256 ? 9 : n < 280 ? 7 : 8;
  for (int n = 0; n < kDistanceCodes; ++n) fixed.distance[n] = 5;
  return fixed;
}

constexpr FixedLengths kFixed = make_fixed_lengths();

constexpr TreeKind kLiteralKind = {kLiteralCodes, kFixed.literal, kExtraLengthBits,
                                   kFirstLengthSymbol, kMaxBits};
constexpr TreeKind kDistanceKind = {kDistanceCodes, kFixed.distance, kExtraDistanceBits, 0,
                                    kMaxBits};
constexpr TreeKind kCodeLengthKind = {kCodeLengthCodes, nullptr, kExtraCodeLengthBits, 0, 7};

// Bits each way of writing the block would take (modulo 2^64, as the counts may dip below zero
// on the way, where a build adds an unused leaf).
struct BlockCost {
  std::uint64_t dynamic_bits = 0;
  std::uint64_t fixed_bits = 0;
};

// The fixed codes of a block that uses no trees of its own.
struct FixedCodes {
  Tree literal;
  Tree distance;
  FixedCodes();
};

// Gives the tree's leaves in use their lengths and codes, and adds to `cost` what the block's
// symbols take with them and with the fixed code.
void build_tree(Tree& tree, const TreeKind& kind, BlockCost& cost);

// The code lengths of a tree as the symbols that send them: runs of a length become repeats.
// `emit(symbol, extra value, extra bits)` receives them in order.
template <typename Emit>
void code_length_symbols(const Tree& tree, Emit&& emit) {
  const int max_code = tree.max_code;
  auto length_at = [&](int n) { return n <= max_code ? int{tree.len[n]} : -1; };
  int previous = -1;
  int next = length_at(0);
  int count = 0;
  int max_count = next == 0 ? 138 : 7;
  int min_count = next == 0 ? 3 : 4;
  for (int n = 0; n <= max_code; ++n) {
    const int current = next;
    next = length_at(n + 1);
    if (++count < max_count && current == next) continue;
    if (count < min_count) {
      for (; count > 0; --count) emit(current, 0, 0);
    } else if (current != 0) {
      if (current != previous) {
        emit(current, 0, 0);
        --count;
      }
      emit(kRepeatLength, count - 3, 2);
    } else if (count <= 10) {
      emit(kRepeatZero, count - 3, 3);
    } else {
      emit(kRepeatZeroLong, count - 11, 7);
    }
    count = 0;
    previous = current;
    if (next == 0) {
      max_count = 138;
      min_count = 3;
    } else if (current == next) {
      max_count = 6;
      min_count = 3;
    } else {
      max_count = 7;
      min_count = 4;
    }
  }
}

}  // namespace tessaly::tools::deflate_format
