#include "surface/date_stamp.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessaly::surface {

DateText date_stamp_of(const char* build_date) {
  DateText stamp{};
  constexpr char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
  int month = 0;
  for (int i = 0; i < 12; ++i) {
    if (std::strncmp(kMonths + 3 * i, build_date, 3) == 0) {
      month = i + 1;
      break;
    }
  }
  const int day = static_cast<int>(std::strtol(build_date + 4, nullptr, 10));
  std::snprintf(stamp.text, sizeof stamp.text, "%s-%02d-%02d", build_date + 7, month, day);
  return stamp;
}

DateText date_stamp() {
  return date_stamp_of(kBuildDate);
}

}  // namespace tessaly::surface
