#include "surface/date_stamp.h"

#include <gtest/gtest.h>

#include <string>

#include "surface/surface.h"

namespace tessaly::surface {
namespace {

TEST(DateStamp, FromTheBuildDate) {
  EXPECT_STREQ(date_stamp(), "2000-01-29");
  EXPECT_STREQ(date_stamp_of("Feb  3 1999"), "1999-02-03");
  EXPECT_STREQ(date_stamp_of("Dec 31 2024"), "2024-12-31");
  // One static buffer, rewritten by every call.
  const char* first = date_stamp_of("Sep  9 2001");
  EXPECT_EQ(first, date_stamp());
  EXPECT_STREQ(first, "2000-01-29");
}

}  // namespace
}  // namespace tessaly::surface
