#include "interaction/class_set.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "programs/exercise.h"
#include "programs/exercise_key.h"

namespace tessaly::interaction {

namespace {

constexpr double kUnitsPerInch = kScreenDpi;
constexpr double kMargin = 48.0;
constexpr double kHeaderHeight = 72.0;
constexpr double kLeastWorkingSpace = 200.0;
constexpr double kGap = 16.0;
constexpr double kKeyRow = 20.0;
constexpr int kGraphWidth = 640;
constexpr int kGraphHeight = 480;

// Question k of sheet i takes seed FIRST + i + k x (number of sheets), so that every question
// of the class has a seed of its own, in a row for each kind.
std::vector<ClassSetQuestion> sheet_questions(const RenderRequest& request, std::uint64_t sheet) {
  const ClassSet& set = request.class_set;
  const std::uint64_t count = set.last - set.first + 1;
  const ExerciseKind asked = request.teaching.exercise;
  const ExerciseKind other =
      asked == ExerciseKind::kResonance ? ExerciseKind::kQuality : ExerciseKind::kResonance;
  const bool mixes = offers_exercise(start_session(*request.program), other);
  std::vector<ClassSetQuestion> questions;
  for (int k = 0; k < set.questions; ++k) {
    questions.push_back({mixes && k % 2 == 1 ? other : asked, set.first + sheet + k * count});
  }
  return questions;
}

// Where the graphs of a sheet go: one across the page, two stacked, three or four in a grid.
struct Cells {
  int columns, rows;
  double magnification;
};

Cells cells_for(int questions, const PaperSize& page) {
  const int columns = questions > 2 ? 2 : 1;
  const int rows = questions == 1 ? 1 : 2;
  const double width = (page.width - 2 * kMargin - (columns - 1) * kGap) / columns;
  const double height =
      (page.height - 2 * kMargin - kHeaderHeight - kLeastWorkingSpace - (rows - 1) * kGap) / rows;
  const double fits = std::min(width / kGraphWidth, height / kGraphHeight);
  return {columns, rows, std::floor(fits * 100.0) / 100.0};
}

void draw_header(ClassSetPainter& painter, const text::Language& language, const PaperSize& size,
                 std::uint64_t number) {
  char text[64];
  std::snprintf(text, sizeof text, "No. %llu", static_cast<unsigned long long>(number));
  painter.text(kMargin, kMargin, text::localized(language, "名前"), ClassSetText::kHeader);
  painter.line(kMargin + 40, kMargin + 18, kMargin + 320, kMargin + 18);
  painter.text(kMargin, kMargin + 32, text::localized(language, "日付"), ClassSetText::kHeader);
  painter.line(kMargin + 40, kMargin + 50, kMargin + 320, kMargin + 50);
  painter.text(size.width - kMargin - 8 * 12, kMargin, text, ClassSetText::kSheetNumber);
}

struct KeyEntry {
  std::uint64_t sheet;
  int question;
  AnswerKey key;
};

void draw_key_pages(ClassSetPainter& painter, const text::Language& language, const PaperSize& size,
                    const std::vector<KeyEntry>& entries) {
  double y = size.height;  // a new page before the first line
  char heading[64];
  for (const KeyEntry& e : entries) {
    if (y + 2 * kKeyRow > size.height - kMargin) {
      painter.begin_page(ClassSetPage::kKey);
      painter.text(kMargin, kMargin, text::localized(language, "解答"), ClassSetText::kKeyTitle);
      y = kMargin + 2 * kKeyRow;
    }
    std::snprintf(heading, sizeof heading, "No. %llu-%d", static_cast<unsigned long long>(e.sheet),
                  e.question);
    painter.text(kMargin, y, heading, ClassSetText::kKeyNumber);
    painter.text(kMargin + 96, y, e.key.given, ClassSetText::kKeyGiven);
    painter.text(kMargin + 96, y + kKeyRow, e.key.working, ClassSetText::kKeyWorking);
    y += 2 * kKeyRow + 4;
  }
}

}  // namespace

PaperSize paper_size(Paper paper) {
  return paper == Paper::kLetter
             ? PaperSize{8.5 * kUnitsPerInch, 11.0 * kUnitsPerInch}
             : PaperSize{210.0 / 25.4 * kUnitsPerInch, 297.0 / 25.4 * kUnitsPerInch};
}

void replay_question(HeadlessWindow& window, const RenderRequest& request,
                     const ClassSetQuestion& question) {
  std::vector<Step> steps = request.steps;
  Step& teaching = steps.back();
  teaching.teaching.exercise = question.kind;
  teaching.teaching.seed = question.seed;
  teaching.teaching.reveal = false;
  DiscardingTarget on_screen;
  replay(window, steps, on_screen);
}

void draw_class_set(const RenderRequest& request, ClassSetPainter& painter) {
  const ClassSet& set = request.class_set;
  const PaperSize size = paper_size(set.paper);
  const Cells cells = cells_for(set.questions, size);
  const double cell_width = kGraphWidth * cells.magnification;
  const double cell_height = kGraphHeight * cells.magnification;
  std::vector<KeyEntry> entries;
  const std::uint64_t count = set.last - set.first + 1;
  for (std::uint64_t sheet = 0; sheet < count; ++sheet) {
    painter.begin_page(ClassSetPage::kSheet);
    draw_header(painter, *request.language, size, set.first + sheet);
    const std::vector<ClassSetQuestion> questions = sheet_questions(request, sheet);
    for (int k = 0; k < static_cast<int>(questions.size()); ++k) {
      const double x = kMargin + (k % cells.columns) * (cell_width + kGap);
      const double y = kMargin + kHeaderHeight + (k / cells.columns) * (cell_height + kGap);
      HeadlessWindow window(*request.program, *request.language);
      replay_question(window, request, questions[k]);
      entries.push_back({set.first + sheet, k + 1, answer_key(window.session, *request.language)});
      window.session.print_magnification = cells.magnification;
      painter.graph(window, questions[k], x, y);
    }
    const double working_top = kMargin + kHeaderHeight + cells.rows * (cell_height + kGap);
    painter.text(kMargin, working_top, text::localized(*request.language, "計算"),
                 ClassSetText::kWorking);
    painter.line(kMargin, working_top - 4, size.width - kMargin, working_top - 4);
  }
  draw_key_pages(painter, *request.language, size, entries);
}

}  // namespace tessaly::interaction
