// The build-date stamp beside each graph.
#pragma once

namespace tessaly::surface {

// The date that every program carries as its build date, in the compiler's "Mmm dd yyyy" form.
constexpr const char kBuildDate[] = "Jan 29 2000";

// YYYY-MM-DD of a date in the "Mmm dd yyyy" form; the result lives in one static buffer that
// this call and date_stamp() rewrite.
const char* date_stamp_of(const char* build_date);

}  // namespace tessaly::surface
