// Numbers with SI prefixes, legends beside a frame and captions at character cells.
#pragma once

#include <cstddef>

#include "graph/context.h"

namespace tessaly::graph {

constexpr std::size_t kNumberTextCapacity = 64;

double prefix_factor(char prefix);
// Scales value (given in `prefix`) into [0.1, 1000) and names the prefix of the result.
double normalize_si(double value, char prefix, char* out_prefix);

// "%g%c" of the normalized value: the text of every axis number. Returns its length.
int format_si(char* out, std::size_t capacity, double value, char prefix);
// The legend's fixed-width forms of a value given in base units. Returns its length.
int format_legend_value(char* out, std::size_t capacity, double value);

void draw_number(Context& g, int x, int y, double value, double wf, double hf, int colour,
                 char prefix);
void draw_int_number(Context& g, int x, int y, int value, double wf, double hf, int colour,
                     char prefix);
// "→ Ｘ： ..." or "→ Ｙ： ..." (axis 0 or 1) with the value of one division.
void draw_scale_per_div(Context& g, int x, int y, double value, int colour, char prefix, char unit,
                        int axis);

void legend_entry(Context& g, int kind, int row, int offset, const char* heading, const char* text,
                  int colour);
void legend_value(Context& g, int kind, int row, int offset, const char* heading,
                  const char* subheading, double value, int colour);
void legend_integer(Context& g, int kind, int row, int offset, const char* heading,
                    const char* subheading, int value, int colour);
void row_value(Context& g, int column, int row, const char* caption, const char* unit, double value,
               int colour);
void row_integer(Context& g, int column, int row, const char* caption, const char* unit, int value,
                 int colour);
// Text on a box at a cell relative to upper_frame's top-left corner.
void boxed_label(Context& g, int column, int row, const char* text, int text_colour,
                 int box_colour);
void boxed_label_at_cell(Context& g, int column, int row, const char* text, int text_colour,
                         int box_colour);
// names holds `count` entries of kTableTextCapacity bytes each.
void name_column(Context& g, int count, int x, int y, int step, const char* names, int colour);
// Text on a white box at the top-right corner of the kind's frame, nudged by the active table.
void corner_label(Context& g, int kind, const char* text, int colour);
// Ends a graph: alert, and both counters back to 0.
void reset_legend(Context& g);

}  // namespace tessaly::graph
