// The date a PDF writer stamps from the clock, replaced by SOURCE_DATE_EPOCH where that is
// set, so that the same arguments give the same bytes (reproducible builds' convention).
#pragma once

#include <string>

namespace tessaly::tools {

// Rewrites the /CreationDate of `pdf` in place to the UTC time of `epoch` (seconds since
// 1970 as decimal digits), keeping its length so that the cross-reference offsets hold. An
// epoch that is null, empty or not digits leaves the bytes as they are; false then.
bool pin_creation_date(std::string& pdf, const char* epoch);

}  // namespace tessaly::tools
