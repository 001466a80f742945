// A line of a class set's answer key: the values the sheet gives, the formula with those values
// put in, and the answer, all with three significant digits.
#pragma once

#include <cstddef>

#include "core/catalog.h"
#include "core/session.h"

namespace tessaly {

constexpr std::size_t kKeyTextCapacity = 256;

struct AnswerKey {
  char given[kKeyTextCapacity];    // "並列回路　Ｌ＝2.20mH　Ｃ＝2.20uF　Ｒ＝141Ω"
  char working[kKeyTextCapacity];  // "Ｑ＝Ｒ√(Ｃ/Ｌ)＝141×√(2.20u/2.20m)＝4.46"
  double answer;                   // f0 [Hz] or Q, unrounded
};

// The key of the exercise that start_exercise has just set up in the session.
AnswerKey answer_key(const Session& session, const text::Language& language);

}  // namespace tessaly
