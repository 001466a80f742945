#include "programs/exercise_key.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/ombra/driver.h"
#include "programs/phasors.h"
#include "programs/teaching_numbers.h"

namespace tessaly {

namespace {

struct Numbers {
  char l[kTeachingNumberCapacity];
  char c[kTeachingNumberCapacity];
  char r[kTeachingNumberCapacity];
  char answer[kTeachingNumberCapacity];
};

// Inside a formula a number without a prefix takes no blank after it.
void trim(char* text) {
  std::size_t n = std::strlen(text);
  while (n > 0 && text[n - 1] == ' ') text[--n] = '\0';
}

}  // namespace

AnswerKey answer_key(const Session& session, const text::Language& language) {
  AnswerKey key{};
  const Exercise& exercise = session.teaching.exercise;
  const bool parallel =
      circuit_form(*session.program, session.circuit_index).shape == CircuitShape::kParallel;
  const char* shape = text::localized(language, parallel ? N_("並列") : N_("直列"));
  const double l = session.circuit_constants[0];
  const double c = session.circuit_constants[1];
  Numbers n;
  format_with_prefix(n.l, sizeof n.l, l);
  format_with_prefix(n.c, sizeof n.c, c);
  trim(n.l);
  trim(n.c);
  if (exercise.kind != ExerciseKind::kQuality) {
    key.answer = resonant_frequency(l, c);
    format_with_prefix(n.answer, sizeof n.answer, key.answer);
    std::snprintf(key.given, sizeof key.given,
                  text::localized(language, "%s回路　Ｌ＝%sH　Ｃ＝%sF"), shape, n.l, n.c);
    std::snprintf(key.working, sizeof key.working,
                  text::localized(language, "fo＝1/(2π√(ＬＣ))＝1/(2π√(%s×%s))＝%sHz"), n.l, n.c,
                  n.answer);
    return key;
  }
  // Ombra's curves: the asked one's resistance is its share of the base resistance R0.
  const double r = ombra::curve_resistance_factor(session.circuit_index, exercise.curve) *
                   session.circuit_constants[2];
  const double characteristic = std::sqrt(l / c);
  key.answer = parallel ? r / characteristic : characteristic / r;
  format_with_prefix(n.r, sizeof n.r, r);
  trim(n.r);
  format_plain(n.answer, sizeof n.answer, key.answer);
  std::snprintf(key.given, sizeof key.given,
                text::localized(language, "%s回路　Ｌ＝%sH　Ｃ＝%sF　Ｒ＝%sΩ"), shape, n.l, n.c,
                n.r);
  if (parallel) {
    std::snprintf(key.working, sizeof key.working,
                  text::localized(language, "Ｑ＝Ｒ√(Ｃ/Ｌ)＝%s×√(%s/%s)＝%s"), n.r, n.c, n.l,
                  n.answer);
  } else {
    std::snprintf(key.working, sizeof key.working,
                  text::localized(language, "Ｑ＝(1/Ｒ)√(Ｌ/Ｃ)＝(1/%s)×√(%s/%s)＝%s"), n.r, n.l,
                  n.c, n.answer);
  }
  return key;
}

}  // namespace tessaly
