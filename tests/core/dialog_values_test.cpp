#include "core/dialog_values.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace tessaly {
namespace {

std::string shown(double value) {
  char text[kEditTextCapacity];
  format_edit_value(value, text);
  return text;
}

TEST(DialogValues, EditBoxesShowPercentG) {
  EXPECT_EQ(shown(0.0025), "0.0025");
  EXPECT_EQ(shown(1e-05), "1e-05");
  EXPECT_EQ(shown(1000.0), "1000");
  EXPECT_EQ(shown(100000.0), "100000");
  EXPECT_EQ(shown(1.5), "1.5");
  EXPECT_EQ(shown(1234567.0), "1.23457e+06") << "six significant digits";
}

TEST(DialogValues, OkReadsLikeAtofAndKeepsTheAbsoluteValue) {
  EXPECT_EQ(read_edit_value("-0.005"), 0.005);
  EXPECT_EQ(read_edit_value("2e-3x"), 0.002);
  EXPECT_EQ(read_edit_value("  \t+12.5"), 12.5);
  EXPECT_EQ(read_edit_value(".5"), 0.5);
  EXPECT_EQ(read_edit_value("7."), 7.0);
  EXPECT_EQ(read_edit_value("3e"), 3.0) << "an exponent without digits is not read";
  EXPECT_EQ(read_edit_value("3e+"), 3.0);
  EXPECT_EQ(read_edit_value("1,5"), 1.0) << "a comma ends the number";
  EXPECT_EQ(read_edit_value("abc"), 0.0);
  EXPECT_EQ(read_edit_value(""), 0.0);
  EXPECT_EQ(read_edit_value("-"), 0.0);
  EXPECT_EQ(read_edit_value("."), 0.0);
  EXPECT_EQ(read_edit_value("inf"), 0.0) << "only digits make a number";
  EXPECT_EQ(read_edit_value("0x10"), 0.0);
  EXPECT_TRUE(std::isinf(read_edit_value("1e999")));
}

TEST(DialogValues, OnlyTheFirstFortyNineCharactersAreSeen) {
  const std::string zeros(48, '0');
  EXPECT_EQ(read_edit_value((zeros + "7").c_str()), 7.0);
  EXPECT_EQ(read_edit_value((zeros + "07").c_str()), 0.0);
}

TEST(DialogValues, ShownValuesReadBackToSixDigits) {
  EXPECT_EQ(read_edit_value(shown(0.0025).c_str()), 0.0025);
  EXPECT_EQ(read_edit_value(shown(1.0 / 3.0).c_str()), 0.333333);
}

TEST(DialogValues, NumbersIgnoreTheProcessLocale) {
  const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
    GTEST_SKIP() << "no locale with a decimal comma installed";
  }
  const double value = read_edit_value("1.5");
  const std::string text = shown(0.0025);
  std::setlocale(LC_NUMERIC, previous.c_str());
  EXPECT_EQ(value, 1.5);
  EXPECT_EQ(text, "0.0025");
}

}  // namespace
}  // namespace tessaly
