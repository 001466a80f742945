#include "interaction/class_set.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tessaly::interaction {
namespace {

// Notes the layout as lines of text, the graphs by their question and magnification.
class NotingPainter final : public ClassSetPainter {
 public:
  std::vector<std::vector<std::string>> pages;

  void begin_page(ClassSetPage page) override {
    pages.push_back({page == ClassSetPage::kKey ? "key" : "sheet"});
  }
  void text(double x, double y, const char* text, ClassSetText what) override {
    note("text %g %g %d %s", x, y, static_cast<int>(what), text);
  }
  void line(double x1, double y1, double x2, double y2) override {
    note("line %g %g %g %g", x1, y1, x2, y2);
  }
  void graph(HeadlessWindow& window, const ClassSetQuestion& question, double x,
             double y) override {
    note("graph %s %d %g %g %g", question.kind == ExerciseKind::kQuality ? "q" : "f0",
         static_cast<int>(question.seed), x, y, window.session.print_magnification);
  }

 private:
  template <typename... Values>
  void note(const char* format, Values... values) {
    char text[512];
    std::snprintf(text, sizeof text, format, values...);
    pages.back().push_back(text);
  }
};

// Twelve sheets of two questions on A4: each sheet's questions and places, and the answer key
// over two pages, as the renderer's PDF has drawn them from the start.
TEST(ClassSet, SheetsTakeTheirSeedsAndTheKeyRunsOnToASecondPage) {
  const ParsedArguments parsed = parse_render_arguments(
      {"ombra", "--exercise", "f0", "--seeds", "1-12", "--questions", "2", "--format", "pdf"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  NotingPainter painter;
  draw_class_set(parsed.request, painter);
  ASSERT_EQ(painter.pages.size(), 14u);
  const std::vector<std::string> first = {"sheet",
                                          "text 48 48 0 名前",
                                          "line 88 66 368 66",
                                          "text 48 80 0 日付",
                                          "line 88 98 368 98",
                                          "text 649.701 48 1 No. 1",
                                          "graph f0 1 48 120 0.76",
                                          "graph q 13 48 500.8 0.76",
                                          "text 48 881.6 2 計算",
                                          "line 48 877.6 745.701 877.6"};
  EXPECT_EQ(painter.pages[0], first);
  // Question k of sheet i takes seed 1 + i + 12k; Ombra asks f0, then Q.
  EXPECT_EQ(painter.pages[11][6], "graph f0 12 48 120 0.76");
  EXPECT_EQ(painter.pages[11][7], "graph q 24 48 500.8 0.76");
  // Three texts a question, under the title; 22 questions fill the first page of the key.
  const std::vector<std::string>& key = painter.pages[12];
  ASSERT_EQ(key.size(), 2u + 22 * 3);
  EXPECT_EQ(key[1], "text 48 48 3 解答");
  EXPECT_EQ(key[2], "text 48 88 4 No. 1-1");
  EXPECT_EQ(key[3].rfind("text 144 88 5 並列回路　Ｌ＝", 0), 0u) << key[3];
  EXPECT_EQ(key[4].rfind("text 144 108 6 fo＝1/(2π√(ＬＣ))＝", 0), 0u) << key[4];
  const std::vector<std::string>& rest = painter.pages[13];
  ASSERT_EQ(rest.size(), 2u + 2 * 3);
  EXPECT_EQ(rest[2], "text 48 88 4 No. 12-1");
  EXPECT_EQ(rest[5], "text 48 132 4 No. 12-2");
  EXPECT_EQ(rest[7].rfind("text 144 152 6 Ｑ＝", 0), 0u) << rest[7];
}

}  // namespace
}  // namespace tessaly::interaction
