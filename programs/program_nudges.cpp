#include <iterator>

#include "programs/shared_nudges.h"

namespace tessaly {

namespace {

constexpr graph::CornerNudgeRule kSharedRules[] = {
    {4, 5, 0, 0, true},       {38, 38, 0, -8, false},
    {40, 40, 0, -8, false},   {20, 37, 0, 0, true},
    {42, 45, 0, 0, true},     {1, 3, 0, -3, false},
    {102, 113, 0, -6, false}, {63, 71, 0, -6, false},
    {46, 57, 0, -6, false},   {15, 18, 12, 0, false},
    {119, 119, 0, -2, false}, {75, 75, 0, -2, false},
    {80, 81, 0, -2, false},   {-2147483647 - 1, 2147483647, 0, -6, false},
};

}  // namespace

const graph::CornerNudgeTable shared_corner_nudges = {kSharedRules,
                                                      static_cast<int>(std::size(kSharedRules))};

}  // namespace tessaly
