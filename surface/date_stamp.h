// The build-date stamp beside each graph.
#pragma once

namespace tessaly::surface {

// The date that every program carries as its build date, in the compiler's "Mmm dd yyyy" form.
constexpr const char kBuildDate[] = "Jan 29 2000";

// YYYY-MM-DD, held by value.
struct DateText {
  char text[11];
};

DateText date_stamp_of(const char* build_date);
DateText date_stamp();

}  // namespace tessaly::surface
