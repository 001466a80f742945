// The values of the last data file read, kept apart from the arrays that every sweep
// overwrites, so that a saved curve can be compared with the graph on screen.
#pragma once

#include <string>

#include "core/data_file.h"
#include "core/state.h"

namespace tessaly {

struct ReferenceCurve {
  double values_1[kStoredPoints];
  double values_2[kStoredPoints];
  int count_1;  // entries the file held; the rest is no part of the curve
  int count_2;
  bool shown;  // set by the data command, cleared by Clear and by every read
};

extern ReferenceCurve reference_curve;

// Reads a data file into the arrays as the read command does, and keeps what it held as the
// reference, hidden until the data command. A read that fails leaves no reference.
FileResult load_data_file(const std::string& path);
// The reference from what the arrays hold after a read of `bytes_read` bytes.
void keep_reference(std::size_t bytes_read);

// The data command shows the reference (if a read left one), Clear hides it.
void show_reference();
void hide_reference();

// Draws the reference over the graph that the pass has just drawn, if it is shown.
void draw_shown_reference();

void reset_reference();

}  // namespace tessaly
