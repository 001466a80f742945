// Reads a fuzzer's bytes as the few kinds of values the targets need. Past the end every read
// gives zero, so any input, the empty one included, decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tessaly::fuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool empty() const { return position_ >= size_; }
  std::size_t remaining() const { return empty() ? 0 : size_ - position_; }
  const std::uint8_t* rest() const { return data_ + position_; }

  std::uint8_t byte() { return empty() ? 0 : data_[position_++]; }
  std::uint16_t word() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
  std::uint32_t dword() { return word() | static_cast<std::uint32_t>(word()) << 16; }

  // A value in [low, high], high - low below 65536.
  int in_range(int low, int high) {
    const unsigned span = static_cast<unsigned>(high - low) + 1;
    return low + static_cast<int>((span <= 256 ? byte() : word()) % span);
  }

  // Any bit pattern: NaNs with payloads, infinities, subnormals, negative zero.
  double raw_double();
  // Mostly values that matter to a graph (0, signs, small integers, powers of ten, the ends of
  // the double range, NaN, infinities), sometimes any bit pattern.
  double telling_double();

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

// A failed property: report it and abort, which the fuzzer and the replay both count as a crash.
[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "fuzz property failed: %s\n", what);
  std::abort();
}

inline void check(bool holds, const char* what) {
  if (!holds) fail(what);
}

}  // namespace tessaly::fuzz
