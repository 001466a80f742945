// A class set laid out on paper: which seed each question of each sheet takes, the sheet's
// header (a name line, a date line, its number), the graphs at the largest magnification that
// fits, the working space, then the answer key's pages. Positions are in units of 1/96 inch
// from the page's top left corner, the graph's own logical units at magnification 1 (and CSS
// pixels). The renderer's PDF and the page's print draw the same layout through a painter.
#pragma once

#include <cstdint>

#include "interaction/render_request.h"
#include "interaction/replay.h"

namespace tessaly::interaction {

struct PaperSize {
  double width, height;  // units
};

PaperSize paper_size(Paper paper);

struct ClassSetQuestion {
  ExerciseKind kind;
  std::uint64_t seed;
};

// What a text of the layout is, for a painter that marks its texts (the page does).
enum class ClassSetText {
  kHeader,       // "名前", "日付"
  kSheetNumber,  // "No. 7"
  kWorking,      // "計算"
  kKeyTitle,     // "解答"
  kKeyNumber,    // "No. 7-2": sheet and question
  kKeyGiven,     // the circuit and its values
  kKeyWorking,   // the formula with the values put in, and the answer
};

enum class ClassSetPage { kSheet, kKey };

class ClassSetPainter {
 public:
  virtual ~ClassSetPainter() = default;
  // Before every page, the first one too.
  virtual void begin_page(ClassSetPage page) = 0;
  virtual void text(double x, double y, const char* text, ClassSetText what) = 0;
  virtual void line(double x1, double y1, double x2, double y2) = 0;
  // The question's worksheet, replayed in `window` with the print magnification set to the
  // layout's, its top left corner at (x, y).
  virtual void graph(HeadlessWindow& window, const ClassSetQuestion& question, double x,
                     double y) = 0;
};

// Draws the class set of a request that gives one (--seeds with --exercise) page by page.
void draw_class_set(const RenderRequest& request, ClassSetPainter& painter);

// Replays the request's steps into `window` (at its start-up state, in the request's language)
// with the exercise set to the question, as a sheet shows it.
void replay_question(HeadlessWindow& window, const RenderRequest& request,
                     const ClassSetQuestion& question);

}  // namespace tessaly::interaction
