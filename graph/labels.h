// Numbers with SI prefixes, legends beside a frame and captions at character cells.
#pragma once

#include <cstddef>

namespace tessaly::graph {

// Legend rows drawn since the last reset; 0 makes the next legend call draw its headings.
extern int legend_rows;
// Curves drawn since the last reset; 0 makes the next sweep set up the graph first.
extern int frame_setup_count;

constexpr std::size_t kNumberTextCapacity = 64;

double prefix_factor(char prefix);
// Scales value (given in `prefix`) into [0.1, 1000) and names the prefix of the result.
double normalize_si(double value, char prefix, char* out_prefix);

// "%g%c" of the normalized value: the text of every axis number. Returns its length.
int format_si(char* out, std::size_t capacity, double value, char prefix);
// The legend's fixed-width forms of a value given in base units. Returns its length.
int format_legend_value(char* out, std::size_t capacity, double value);

void draw_number(int x, int y, double value, double wf, double hf, int colour, char prefix);
void draw_int_number(int x, int y, int value, double wf, double hf, int colour, char prefix);
// "→ Ｘ： ..." or "→ Ｙ： ..." (axis 0 or 1) with the value of one division.
void draw_scale_per_div(int x, int y, double value, int colour, char prefix, char unit, int axis);

void legend_entry(int kind, int row, int offset, const char* heading, const char* text, int colour);
void legend_value(int kind, int row, int offset, const char* heading, const char* subheading,
                  double value, int colour);
void legend_integer(int kind, int row, int offset, const char* heading, const char* subheading,
                    int value, int colour);
void row_value(int column, int row, const char* caption, const char* unit, double value,
               int colour);
void row_integer(int column, int row, const char* caption, const char* unit, int value, int colour);
// Text on a box at a cell relative to upper_frame's top-left corner.
void boxed_label(int column, int row, const char* text, int text_colour, int box_colour);
void boxed_label_at_cell(int column, int row, const char* text, int text_colour, int box_colour);
// names holds `count` entries of kTableTextCapacity bytes each.
void name_column(int count, int x, int y, int step, const char* names, int colour);
// Text on a white box at the top-right corner of the kind's frame, nudged by the active table.
void corner_label(int kind, const char* text, int colour);
// Ends a graph: alert, and both counters back to 0.
void reset_legend();

}  // namespace tessaly::graph
