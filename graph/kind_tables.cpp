#include "graph/kind_tables.h"

#include <iterator>

namespace tessaly::graph {

namespace {

using S = GraphSettings;
constexpr RangeFields kInputX{&S::input_x_min, &S::input_x_max};
constexpr RangeFields kOutputY{&S::output_y_min, &S::output_y_max};
constexpr RangeFields kTimeX{&S::time_x_min, &S::time_x_max};
constexpr RangeFields kTimeY{&S::time_y_min, &S::time_y_max};
constexpr RangeFields kLocusX{&S::locus_x_min, &S::locus_x_max};
constexpr RangeFields kLocusY{&S::locus_y_min, &S::locus_y_max};
constexpr RangeFields kFreqX{&S::freq_x_min, &S::freq_x_max};
constexpr RangeFields kMagnitude{&S::magnitude_min, &S::magnitude_max};
constexpr RangeFields kPhase{&S::phase_min, &S::phase_max};
constexpr RangeFields kReactance{&S::reactance_min, &S::reactance_max};
constexpr RangeFields kResistance{&S::resistance_min, &S::resistance_max};
constexpr RangeFields kDelay{&S::delay_min, &S::delay_max};

constexpr SingleFrameKind kSingleFrameKinds[] = {
    {4, 5, 1, 0, 0, 0, true, true, kInputX, kOutputY},
    {6, 6, 1, 1, 1, 0, true, false, kInputX, kOutputY},
    {7, 7, 1, 1, 1, 2, false, false, kInputX, kOutputY},
    {8, 8, 4, 0, 0, 15, false, true, kInputX, kOutputY},
    {9, 9, 1, 3, 3, 0, false, false, kInputX, kOutputY},
    {10, 10, 1, 3, 1, 0, false, false, kInputX, kOutputY},
    {11, 11, 1, 1, 3, 0, false, false, kInputX, kOutputY},
    {12, 12, 1, 3, 3, 2, false, false, kInputX, kOutputY},
    {13, 18, 1, 5, 5, 0, true, true, kInputX, kOutputY},
    {20, 37, 1, 1, 1, 1, false, false, kTimeX, kTimeY},
    {41, 45, 1, 1, 1, 1, false, false, kTimeX, kTimeY},
    {38, 40, 3, 1, 1, 4, false, false, kTimeX, kTimeY},
    {46, 62, 1, 4, 4, 3, false, false, kLocusX, kLocusY},
    {81, 82, 1, 4, 4, 3, false, false, kLocusX, kLocusY},
    {84, 84, 1, 4, 4, 3, false, false, kLocusX, kLocusY},
    {63, 66, 1, 3, 1, 5, false, false, kFreqX, kMagnitude},
    {73, 73, 1, 3, 1, 5, false, false, kFreqX, kMagnitude},
    {85, 86, 1, 1, 1, 5, false, false, kFreqX, kMagnitude},
    {67, 72, 1, 3, 2, 6, false, false, kFreqX, kPhase},
    {74, 74, 1, 3, 2, 6, false, false, kFreqX, kPhase},
    {80, 80, 1, 3, 2, 6, false, false, kFreqX, kPhase},
    {87, 89, 1, 1, 2, 6, false, false, kFreqX, kPhase},
    {75, 76, 1, 3, 3, 7, false, false, kFreqX, kMagnitude},
    {90, 90, 1, 1, 1, 7, false, false, kFreqX, kMagnitude},
    {78, 79, 1, 3, 3, 10, false, false, kFreqX, kReactance},
    {93, 96, 1, 1, 1, 10, false, false, kFreqX, kReactance},
    {100, 100, 1, 1, 1, 11, false, false, kFreqX, kDelay},
};

constexpr StackedKind kStackedKinds[] = {
    {101, 118, 3, 1, 2, 5, false, kMagnitude, kPhase},
    {119, 119, 3, 3, 2, 7, false, kMagnitude, kPhase},
    {121, 130, 3, 3, 2, 7, false, kMagnitude, kPhase},
    {120, 120, 3, 3, 2, 18, true, kMagnitude, kPhase},
    {131, 131, 3, 3, 2, 16, false, kMagnitude, kPhase},
    {132, 132, 3, 3, 3, 9, false, kResistance, kReactance},
    {133, 133, 3, 3, 2, 11, false, kDelay, kPhase},
    {134, 137, 1, 1, 2, 13, false, kMagnitude, kPhase},
    {138, 138, 1, 1, 2, 7, false, kMagnitude, kPhase},
    {140, 141, 1, 1, 2, 7, false, kMagnitude, kPhase},
    {139, 139, 1, 3, 2, 7, false, kMagnitude, kPhase},
    {142, 142, 1, 1, 2, 18, true, kMagnitude, kPhase},
    {143, 143, 1, 1, 2, 16, false, kMagnitude, kPhase},
    {144, 144, 1, 1, 1, 9, false, kResistance, kReactance},
    {145, 145, 1, 1, 2, 11, false, kDelay, kPhase},
};

template <typename Row, std::size_t N>
const Row* find_kind(const Row (&rows)[N], int kind) {
  for (const Row& row : rows) {
    if (kind >= row.first_kind && kind <= row.last_kind) return &row;
  }
  return nullptr;
}

}  // namespace

const SingleFrameKind* find_single_frame_kind(int kind) {
  return find_kind(kSingleFrameKinds, kind);
}

const StackedKind* find_stacked_kind(int kind) {
  return find_kind(kStackedKinds, kind);
}

}  // namespace tessaly::graph
