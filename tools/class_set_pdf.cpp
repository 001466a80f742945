#include "tools/class_set_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "interaction/replay.h"
#include "programs/exercise.h"
#include "programs/exercise_key.h"
#include "programs/passes.h"
#include "surface/qpainter_backend.h"
#include "tools/pdf_dates.h"

namespace tessaly::tools {

using interaction::ClassSet;
using interaction::DiscardingTarget;
using interaction::HeadlessWindow;
using interaction::kPrinterDpi;
using interaction::kScreenDpi;
using interaction::Paper;
using interaction::RenderRequest;
using interaction::replay;
using interaction::Step;

namespace {

// The page in units of 1/96 inch, as the graph's logical units at magnification 1.
constexpr double kUnitsPerInch = kScreenDpi;
constexpr double kDevicePerUnit = static_cast<double>(kPrinterDpi) / kScreenDpi;
constexpr double kMargin = 48.0;
constexpr double kHeaderHeight = 72.0;
constexpr double kLeastWorkingSpace = 200.0;
constexpr double kGap = 16.0;
constexpr double kKeyRow = 20.0;
constexpr int kGraphWidth = 640;
constexpr int kGraphHeight = 480;

struct PageSize {
  double width, height;  // units
};

PageSize page_size(Paper paper) {
  return paper == Paper::kLetter
             ? PageSize{8.5 * kUnitsPerInch, 11.0 * kUnitsPerInch}
             : PageSize{210.0 / 25.4 * kUnitsPerInch, 297.0 / 25.4 * kUnitsPerInch};
}

// One question of a sheet: its kind and seed. Question k of sheet i takes seed FIRST + i +
// k x (number of sheets), so that every question of the class has a seed of its own, in a row
// for each kind.
struct Question {
  ExerciseKind kind;
  std::uint64_t seed;
};

std::vector<Question> sheet_questions(const RenderRequest& request, std::uint64_t sheet) {
  const ClassSet& set = request.class_set;
  const std::uint64_t count = set.last - set.first + 1;
  const ExerciseKind asked = request.teaching.exercise;
  const ExerciseKind other =
      asked == ExerciseKind::kResonance ? ExerciseKind::kQuality : ExerciseKind::kResonance;
  const bool mixes = offers_exercise(start_session(*request.program), other);
  std::vector<Question> questions;
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

Cells cells_for(int questions, const PageSize& page) {
  const int columns = questions > 2 ? 2 : 1;
  const int rows = questions == 1 ? 1 : 2;
  const double width = (page.width - 2 * kMargin - (columns - 1) * kGap) / columns;
  const double height =
      (page.height - 2 * kMargin - kHeaderHeight - kLeastWorkingSpace - (rows - 1) * kGap) / rows;
  const double fits = std::min(width / kGraphWidth, height / kGraphHeight);
  return {columns, rows, std::floor(fits * 100.0) / 100.0};
}

// The steps of the request with its exercise set to one question.
std::vector<Step> question_steps(const RenderRequest& request, const Question& question) {
  std::vector<Step> steps = request.steps;
  Step& teaching = steps.back();
  teaching.teaching.exercise = question.kind;
  teaching.teaching.seed = question.seed;
  teaching.teaching.reveal = false;
  return steps;
}

// Draws texts and lines on the page through a window's surface at magnification 1, so that
// they use the graphs' own fonts.
class PageText {
 public:
  PageText(QPainter& painter, HeadlessWindow& window)
      : window_(window), backend_(painter, window.surface) {}
  // `text` in the language of the window's graphs.
  void text(double x, double y, const char* text) {
    prepare();
    const surface::TargetBinding binding(window_.surface, backend_);
    window_.surface.text_at(static_cast<int>(x), static_cast<int>(y),
                            localized(window_.graph, text), 0, 0);
  }
  void line(double x1, double y1, double x2, double y2) {
    prepare();
    const surface::TargetBinding binding(window_.surface, backend_);
    window_.surface.draw_line(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                              static_cast<int>(y2), 0, 1, 0);
  }

 private:
  void prepare() {
    window_.surface.output_target = 1;
    window_.surface.device_scale_x = kDevicePerUnit;
    window_.surface.device_scale_y = kDevicePerUnit;
  }
  HeadlessWindow& window_;
  surface::QPainterBackend backend_;
};

void draw_graph(QPainter& painter, const RenderRequest& request, const Question& question, double x,
                double y, double magnification, AnswerKey& key) {
  HeadlessWindow window(*request.program);
  window.graph.language = request.language;
  const std::vector<Step> steps = question_steps(request, question);
  DiscardingTarget on_screen;
  replay(window, steps, on_screen);
  key = answer_key(window.session, *request.language);
  window.session.print_magnification = magnification;
  painter.save();
  painter.translate(x * kDevicePerUnit, y * kDevicePerUnit);
  {
    surface::QPainterBackend backend(painter, window.surface);
    print_pass(window.session, window.graph, backend, kPrinterDpi, kPrinterDpi);
  }
  painter.restore();
}

void draw_header(PageText& page, const PageSize& size, std::uint64_t number) {
  char text[64];
  std::snprintf(text, sizeof text, "No. %llu", static_cast<unsigned long long>(number));
  page.text(kMargin, kMargin, N_("名前"));
  page.line(kMargin + 40, kMargin + 18, kMargin + 320, kMargin + 18);
  page.text(kMargin, kMargin + 32, N_("日付"));
  page.line(kMargin + 40, kMargin + 50, kMargin + 320, kMargin + 50);
  page.text(size.width - kMargin - 8 * 12, kMargin, text);
}

struct KeyEntry {
  std::uint64_t sheet;
  int question;
  AnswerKey key;
};

void draw_key_pages(QPdfWriter& pdf, PageText& page, const PageSize& size,
                    const std::vector<KeyEntry>& entries) {
  double y = size.height;  // a new page before the first line
  char heading[64];
  for (const KeyEntry& e : entries) {
    if (y + 2 * kKeyRow > size.height - kMargin) {
      pdf.newPage();
      page.text(kMargin, kMargin, N_("解答"));
      y = kMargin + 2 * kKeyRow;
    }
    std::snprintf(heading, sizeof heading, "No. %llu-%d", static_cast<unsigned long long>(e.sheet),
                  e.question);
    page.text(kMargin, y, heading);
    page.text(kMargin + 96, y, e.key.given);
    page.text(kMargin + 96, y + kKeyRow, e.key.working);
    y += 2 * kKeyRow + 4;
  }
}

}  // namespace

PictureResult class_set_pdf(const RenderRequest& request) {
  PictureResult result;
  const ClassSet& set = request.class_set;
  const PageSize size = page_size(set.paper);
  const Cells cells = cells_for(set.questions, size);
  const double cell_width = kGraphWidth * cells.magnification;
  const double cell_height = kGraphHeight * cells.magnification;
  std::vector<KeyEntry> entries;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    start_printed_document(
        pdf, *request.program,
        QPageSize(set.paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4));
    QPainter painter(&pdf);
    HeadlessWindow text_window(*request.program);
    text_window.graph.language = request.language;
    PageText page(painter, text_window);
    const std::uint64_t count = set.last - set.first + 1;
    for (std::uint64_t sheet = 0; sheet < count; ++sheet) {
      if (sheet > 0) pdf.newPage();
      draw_header(page, size, set.first + sheet);
      const std::vector<Question> questions = sheet_questions(request, sheet);
      for (int k = 0; k < static_cast<int>(questions.size()); ++k) {
        const double x = kMargin + (k % cells.columns) * (cell_width + kGap);
        const double y = kMargin + kHeaderHeight + (k / cells.columns) * (cell_height + kGap);
        KeyEntry entry{set.first + sheet, k + 1, {}};
        draw_graph(painter, request, questions[k], x, y, cells.magnification, entry.key);
        entries.push_back(entry);
      }
      const double working_top = kMargin + kHeaderHeight + cells.rows * (cell_height + kGap);
      page.text(kMargin, working_top, N_("計算"));
      page.line(kMargin, working_top - 4, size.width - kMargin, working_top - 4);
    }
    draw_key_pages(pdf, page, size, entries);
  }
  result.bytes = bytes.toStdString();
  pin_creation_date(result.bytes, std::getenv("SOURCE_DATE_EPOCH"));
  result.ok = true;
  return result;
}

}  // namespace tessaly::tools
