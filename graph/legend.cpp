// Legends beside a frame, captions at character cells and the program tag at the corner.
#include <cstdio>

#include "core/text.h"
#include "graph/corner_nudge.h"
#include "graph/frame.h"
#include "graph/labels.h"
#include "surface/surface.h"

namespace tessaly::graph {

namespace {

constexpr int kWhite = 7;

const GraphFrame& legend_frame(Context& g, int kind) {
  if (kind >= 101) return g.upper_frame;
  if (kind >= 1 && kind <= 3) return g.channel_frames[0];
  return g.main_frame;
}

const GraphFrame& corner_frame(Context& g, int kind) {
  if (kind >= 101 && kind <= 145) return g.upper_frame;
  if (kind >= 1 && kind <= 3) return g.channel_frames[0];
  return g.main_frame;
}

int right_edge(const GraphFrame& f) {
  return f.left + f.width;
}
int top_edge(const GraphFrame& f) {
  return f.bottom - f.height;
}

// A label on a white box one cell row high, the box reaching 20 units past the text.
void label_on_box(Context& g, int x, int y, const char* label, int colour) {
  g.surface.fill_box(x, y + 1, x + 8 * sjis_length(label) + 20, y + 15, kWhite);
  g.surface.text_at(x, y, label, colour, 0);
}

// Headings go out only with the first row of a legend; the value follows one row lower.
void legend_label(Context& g, int kind, int row, int offset, const char* heading,
                  const char* subheading, const char* label, int colour) {
  const GraphFrame& f = legend_frame(g, kind);
  const int r = right_edge(f);
  const int t = top_edge(f);
  if (g.legend_rows == 0) {
    g.surface.text_at(r + 10, t + 16 * row, heading, 0, 0);
    g.surface.text_at(r + 14, t + 16 * (row + 1), subheading, 0, 0);
  }
  label_on_box(g, r + 16, t + 16 * (row + offset + 1), label, colour);
  if (g.legend_transcript) g.legend_transcript->add(heading, subheading, label);
  ++g.legend_rows;
}

void row_label(Context& g, int column, int row, const char* caption, const char* unit,
               const char* label, int colour) {
  const int y = 16 * row;
  const int caption_bytes = sjis_length(caption);
  g.surface.text_at(8 * column, y, caption, colour, 0);
  g.surface.text_at(8 * (column + caption_bytes) + 4, y, unit, colour, 0);
  const int x = 8 * (column + caption_bytes + sjis_length(unit)) + 20;
  label_on_box(g, x, y, label, colour);
}

void text_on_box(Context& g, int x, int y, const char* text, int text_colour, int box_colour) {
  const int length = 8 * sjis_length(text);
  // Longer texts get a wider margin so the box does not end flush with the last glyph.
  const int width = length < 96 ? length + 4 : length + 26;
  g.surface.fill_box(x, y + 1, x + width, y + 15, box_colour);
  g.surface.text_at(x + 2, y, text, text_colour, 0);
}

}  // namespace

void legend_entry(Context& g, int kind, int row, int offset, const char* heading, const char* text,
                  int colour) {
  const GraphFrame& f = legend_frame(g, kind);
  const int r = right_edge(f);
  const int t = top_edge(f);
  if (g.legend_rows == 0) g.surface.text_at(r + 10, t + 16 * row, heading, 0, 0);
  g.surface.text_at(r + 14, t + 16 * (row + offset), text, colour, 0);
  ++g.legend_rows;
}

void legend_value(Context& g, int kind, int row, int offset, const char* heading,
                  const char* subheading, double value, int colour) {
  char label[kNumberTextCapacity];
  format_legend_value(label, sizeof label, value);
  legend_label(g, kind, row, offset, heading, subheading, label, colour);
}

void legend_integer(Context& g, int kind, int row, int offset, const char* heading,
                    const char* subheading, int value, int colour) {
  char label[kNumberTextCapacity];
  std::snprintf(label, sizeof label, "%d", value);
  legend_label(g, kind, row, offset, heading, subheading, label, colour);
}

void row_value(Context& g, int column, int row, const char* caption, const char* unit, double value,
               int colour) {
  char label[kNumberTextCapacity];
  format_legend_value(label, sizeof label, value);
  row_label(g, column, row, caption, unit, label, colour);
}

void row_integer(Context& g, int column, int row, const char* caption, const char* unit, int value,
                 int colour) {
  char label[kNumberTextCapacity];
  std::snprintf(label, sizeof label, "%d", value);
  row_label(g, column, row, caption, unit, label, colour);
}

void boxed_label(Context& g, int column, int row, const char* text, int text_colour,
                 int box_colour) {
  text_on_box(g, g.upper_frame.left + 8 * column, top_edge(g.upper_frame) + 16 * row - 8, text,
              text_colour, box_colour);
}

void boxed_label_at_cell(Context& g, int column, int row, const char* text, int text_colour,
                         int box_colour) {
  text_on_box(g, 8 * column, 16 * row - 8, text, text_colour, box_colour);
}

void name_column(Context& g, int count, int x, int y, int step, const char* names, int colour) {
  for (int i = 0; i < count; ++i) {
    g.surface.text_at(x + 64, y + step * i + 24, names + kTableTextCapacity * i, colour, 0);
  }
}

void corner_label(Context& g, int kind, const char* text, int colour) {
  const GraphFrame& f = corner_frame(g, kind);
  const int r = right_edge(f);
  const int t = top_edge(f) - ((kind >= 1 && kind <= 3) ? 4 : 0);
  const int bytes = sjis_length(text);
  // An empty tag still leaves a small box, so the corner looks the same on every curve.
  const int length = bytes == 0 ? 3 : 8 * bytes;
  const int nudge = corner_nudge(g.corner_nudges, kind, bytes);
  const int x = r - length + nudge;
  g.surface.fill_box(x - 8, t + 2, x + length - 2, t + 16, kWhite);
  g.surface.text_at(x + nudge, t + 1, text, colour, 0);
}

void reset_legend(Context& g) {
  g.surface.alert();
  g.legend_rows = 0;
  g.frame_setup_count = 0;
}

}  // namespace tessaly::graph
