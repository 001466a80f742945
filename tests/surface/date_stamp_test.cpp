#include "surface/date_stamp.h"

#include <gtest/gtest.h>

#include <string>

namespace tessaly::surface {
namespace {

TEST(DateStamp, FromTheBuildDate) {
  EXPECT_STREQ(date_stamp().text, "2000-01-29");
  EXPECT_STREQ(date_stamp_of("Feb  3 1999").text, "1999-02-03");
  EXPECT_STREQ(date_stamp_of("Dec 31 2024").text, "2024-12-31");
  // Each call its own value: a later call does not rewrite an earlier result.
  const DateText first = date_stamp_of("Sep  9 2001");
  const DateText second = date_stamp();
  EXPECT_STREQ(first.text, "2001-09-09");
  EXPECT_STREQ(second.text, "2000-01-29");
}

}  // namespace
}  // namespace tessaly::surface
