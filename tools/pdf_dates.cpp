#include "tools/pdf_dates.h"

#include <cstdint>
#include <cstdio>

namespace tessaly::tools {

namespace {

constexpr int kMostEpochDigits = 12;

bool parse_epoch(const char* text, std::int64_t& seconds) {
  if (text == nullptr || *text == '\0') return false;
  seconds = 0;
  int digits = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9' || ++digits > kMostEpochDigits) return false;
    seconds = seconds * 10 + (*p - '0');
  }
  return true;
}

// Year, month and day of a day count since 1970-01-01 (the proleptic Gregorian calendar).
void civil_from_days(std::int64_t days, int& year, int& month, int& day) {
  days += 719468;
  const std::int64_t era = days / 146097;
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t shifted_month = (5 * day_of_year + 2) / 153;
  day = static_cast<int>(day_of_year - (153 * shifted_month + 2) / 5 + 1);
  month = static_cast<int>(shifted_month < 10 ? shifted_month + 3 : shifted_month - 9);
  year = static_cast<int>(year_of_era + era * 400 + (month <= 2 ? 1 : 0));
}

}  // namespace

bool pin_creation_date(std::string& pdf, const char* epoch) {
  std::int64_t seconds = 0;
  if (!parse_epoch(epoch, seconds)) return false;
  const std::string key = "/CreationDate (D:";
  const std::string::size_type start = pdf.find(key);
  if (start == std::string::npos) return false;
  const std::string::size_type from = start + key.size();
  const std::string::size_type end = pdf.find(')', from);
  if (end == std::string::npos) return false;
  int year = 0, month = 0, day = 0;
  civil_from_days(seconds / 86400, year, month, day);
  const int second_of_day = static_cast<int>(seconds % 86400);
  char date[40];
  std::snprintf(date, sizeof date, "%04d%02d%02d%02d%02d%02d", year, month, day,
                second_of_day / 3600, second_of_day / 60 % 60, second_of_day % 60);
  // The writer's own zone suffix ("Z" or "+09'00'") becomes UTC of the same length.
  const std::size_t length = end - from;
  std::string stamp(date);
  if (length == stamp.size() + 1) {
    stamp += "Z";
  } else if (length == stamp.size() + 7) {
    stamp += "+00'00'";
  } else {
    return false;
  }
  pdf.replace(from, length, stamp);
  return true;
}

}  // namespace tessaly::tools
