#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "surface/surface.h"
#include "surface_fixture.h"

namespace tessaly::surface {
namespace {

using Lines = std::vector<std::string>;

class ErrorMessages : public testing::SurfaceTest {};

TEST_F(ErrorMessages, TheFiveTexts) {
  EXPECT_STREQ(error_message(1), "ゼロまたは負は不可！！");
  EXPECT_STREQ(error_message(2), "スケールオーバー\x20\x20！！");
  EXPECT_STREQ(error_message(3), "２分法の変数範囲を変える！！");
  EXPECT_STREQ(error_message(4), "グラフＸ軸スケールの設定不能\u3000！！");
  EXPECT_STREQ(error_message(5), "グラフＹ軸スケールの設定不能\u3000！！");
  EXPECT_EQ(sjis_length(error_message(2)), 22);
  EXPECT_EQ(sjis_length(error_message(4)), 34);
  EXPECT_EQ(error_message(0), nullptr);
  EXPECT_EQ(error_message(6), nullptr);
}

TEST_F(ErrorMessages, ShowErrorAlertsThreeTimesAndLeavesTheCodeToTheShell) {
  int rung = 0;
  surface_.set_alert_hook([](void* count) { ++*static_cast<int*>(count); }, &rung);
  int code = 0;
  EXPECT_FALSE(surface_.take_pending_error(&code));
  EXPECT_EQ(surface_.show_error(2), -1);
  surface_.set_alert_hook(nullptr, nullptr);
  EXPECT_EQ(trace(), (Lines{"error 2", "alert", "alert", "alert"}));
  EXPECT_EQ(rung, 3);
  EXPECT_EQ(surface_.last_error_code(), 2);
  EXPECT_TRUE(surface_.take_pending_error(&code));
  EXPECT_EQ(code, 2);
  EXPECT_FALSE(surface_.take_pending_error(&code));
  EXPECT_EQ(surface_.last_error_code(), 2);

  surface_.show_error(4);
  surface_.show_error(9);  // no message of its own, shown all the same
  EXPECT_TRUE(surface_.take_pending_error(&code));
  EXPECT_EQ(code, 9);
  // Another surface has shown nothing.
  Surface other;
  EXPECT_EQ(other.last_error_code(), 0);
  EXPECT_FALSE(other.take_pending_error(&code));
}

}  // namespace
}  // namespace tessaly::surface
