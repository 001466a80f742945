#include "tools/deflate_codes.h"

#include <algorithm>
#include <iterator>

namespace tessaly::tools::deflate_format {

namespace {

std::uint16_t reversed(unsigned code, int length) {
  unsigned result = 0;
  for (int i = 0; i < length; ++i, code >>= 1) result = (result << 1) | (code & 1);
  return static_cast<std::uint16_t>(result);
}

// Canonical codes, bit-reversed for sending, from the lengths and the count of each length.
void assign_codes(Tree& tree, int max_code, const std::uint16_t (&count)[kMaxBits + 1]) {
  std::uint16_t next[kMaxBits + 1] = {};
  unsigned code = 0;
  for (int bits = 1; bits <= kMaxBits; ++bits) {
    code = (code + count[bits - 1]) << 1;
    next[bits] = static_cast<std::uint16_t>(code);
  }
  for (int n = 0; n <= max_code; ++n) {
    const int length = tree.len[n];
    if (length != 0) tree.code[n] = reversed(next[length]++, length);
  }
}

// zlib's tree builder: a heap of leaves and inner nodes, the least frequent (then the shallowest)
// on top.
class TreeBuilder {
 public:
  void build(Tree& tree, const TreeKind& kind, BlockCost& cost) {
    heap_len_ = 0;
    heap_max_ = kHeapSize;
    int max_code = -1;
    for (int n = 0; n < kind.elements; ++n) {
      if (tree.freq[n] != 0) {
        heap_[++heap_len_] = max_code = n;
        depth_[n] = 0;
      } else {
        tree.len[n] = 0;
      }
    }
    // Every tree gets at least two codes, so that a lone symbol still takes a bit.
    while (heap_len_ < 2) {
      const int node = heap_[++heap_len_] = max_code < 2 ? ++max_code : 0;
      tree.freq[node] = 1;
      depth_[node] = 0;
      --cost.dynamic_bits;
      if (kind.fixed_lengths != nullptr) cost.fixed_bits -= kind.fixed_lengths[node];
    }
    tree.max_code = max_code;
    for (int n = heap_len_ / 2; n >= 1; --n) sift_down(tree, n);

    int node = kind.elements;
    do {
      const int least = heap_[1];
      heap_[1] = heap_[heap_len_--];
      sift_down(tree, 1);
      const int next = heap_[1];
      heap_[--heap_max_] = least;
      heap_[--heap_max_] = next;
      tree.freq[node] = tree.freq[least] + tree.freq[next];
      depth_[node] = static_cast<std::uint8_t>(std::max(depth_[least], depth_[next]) + 1);
      tree.dad[least] = tree.dad[next] = static_cast<std::uint16_t>(node);
      heap_[1] = node++;
      sift_down(tree, 1);
    } while (heap_len_ >= 2);
    heap_[--heap_max_] = heap_[1];

    assign_lengths(tree, kind, cost);
    assign_codes(tree, max_code, count_);
  }

 private:
  bool smaller(const Tree& tree, int n, int m) const {
    return tree.freq[n] < tree.freq[m] || (tree.freq[n] == tree.freq[m] && depth_[n] <= depth_[m]);
  }

  void sift_down(const Tree& tree, int k) {
    const int v = heap_[k];
    int j = k << 1;
    while (j <= heap_len_) {
      if (j < heap_len_ && smaller(tree, heap_[j + 1], heap_[j])) ++j;
      if (smaller(tree, v, heap_[j])) break;
      heap_[k] = heap_[j];
      k = j;
      j <<= 1;
    }
    heap_[k] = v;
  }

  // Depths from the root down the nodes in heap order, cut at the limit; the cut leaves are then
  // given lengths again, the least frequent the longest, until the code is complete.
  void assign_lengths(Tree& tree, const TreeKind& kind, BlockCost& cost) {
    std::fill(std::begin(count_), std::end(count_), 0);
    tree.len[heap_[heap_max_]] = 0;
    int overflow = 0;
    for (int h = heap_max_ + 1; h < kHeapSize; ++h) {
      const int n = heap_[h];
      int bits = tree.len[tree.dad[n]] + 1;
      if (bits > kind.max_length) {
        bits = kind.max_length;
        ++overflow;
      }
      tree.len[n] = static_cast<std::uint16_t>(bits);
      if (n > tree.max_code) continue;
      ++count_[bits];
      const int extra = n >= kind.extra_base ? kind.extra_bits[n - kind.extra_base] : 0;
      const std::uint64_t freq = tree.freq[n];
      cost.dynamic_bits += freq * static_cast<unsigned>(bits + extra);
      if (kind.fixed_lengths != nullptr) {
        cost.fixed_bits += freq * static_cast<unsigned>(kind.fixed_lengths[n] + extra);
      }
    }
    if (overflow == 0) return;

    do {
      int bits = kind.max_length - 1;
      while (count_[bits] == 0) --bits;
      --count_[bits];
      count_[bits + 1] += 2;
      --count_[kind.max_length];
      overflow -= 2;
    } while (overflow > 0);
    int h = kHeapSize;
    for (int bits = kind.max_length; bits != 0; --bits) {
      for (int n = count_[bits]; n != 0;) {
        const int m = heap_[--h];
        if (m > tree.max_code) continue;
        if (tree.len[m] != bits) {
          cost.dynamic_bits += (static_cast<std::uint64_t>(bits) - tree.len[m]) * tree.freq[m];
          tree.len[m] = static_cast<std::uint16_t>(bits);
        }
        --n;
      }
    }
  }

  int heap_[kHeapSize] = {};
  std::uint8_t depth_[kHeapSize] = {};
  int heap_len_ = 0;
  int heap_max_ = kHeapSize;
  std::uint16_t count_[kMaxBits + 1] = {};
};

}  // namespace

FixedCodes::FixedCodes() {
  std::uint16_t count[kMaxBits + 1] = {};
  for (int n = 0; n < kLiteralCodes + 2; ++n) {
    literal.len[n] = kFixed.literal[n];
    ++count[kFixed.literal[n]];
  }
  assign_codes(literal, kLiteralCodes + 1, count);
  for (int n = 0; n < kDistanceCodes; ++n) {
    distance.len[n] = 5;
    distance.code[n] = reversed(static_cast<unsigned>(n), 5);
  }
}

void build_tree(Tree& tree, const TreeKind& kind, BlockCost& cost) {
  TreeBuilder().build(tree, kind, cost);
}

}  // namespace tessaly::tools::deflate_format
