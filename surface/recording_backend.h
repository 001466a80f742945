// A backend that draws nothing and writes one text line per primitive instead. Tests of every
// room read the trace, and the command-line renderer prints it. Line formats (fields separated
// by one blank, logical coordinates before any device scaling):
//   line X1 Y1 X2 Y2 COLOUR WIDTH STYLE MODE    point X Y COLOUR WIDTH MODE
//   fill X1 Y1 X2 Y2 COLOUR                     box X1 Y1 X2 Y2 COLOUR WIDTH STYLE
//   ellipse CX CY RX RY COLOUR WIDTH STYLE      flood X Y FILL BORDER
//   text X Y COLOUR DIRECTION WF HF TEXT        clip LEFT TOP RIGHT BOTTOM
//   unclip    alert    error CODE
//   create_bitmaps N W H    delete_bitmaps    save I X Y    restore I X Y ROP    clear W H
// WF and HF print with "%g"; TEXT is the rest of the line, UTF-8, trailing blanks kept.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "surface/backend.h"

namespace tessaly::surface {

class RecordingBackend final : public Backend {
 public:
  RecordingBackend();

  const std::string& trace() const { return trace_; }
  // Empties the trace but keeps its storage for the next pass.
  void clear_trace() { trace_.clear(); }
  // The trace split at its line ends, for tests.
  std::vector<std::string> lines() const;

  void logical_screen(int width, int height, double magnification) override;
  void line(int x1, int y1, int x2, int y2, int colour, int width, int style, int mode) override;
  void point(int x, int y, int colour, int width, int mode) override;
  void fill(int x1, int y1, int x2, int y2, int colour) override;
  void box(int x1, int y1, int x2, int y2, int colour, int width, int style) override;
  void ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) override;
  void flood(int x, int y, int fill_colour, int border_colour) override;
  void text(int x, int y, int colour, int direction, double wf, double hf,
            const char* text) override;
  void clip(int left, int top, int right, int bottom) override;
  void unclip() override;
  void alert() override;
  void error(int code) override;
  void create_save_bitmaps(int count, int width, int height) override;
  void delete_save_bitmaps() override;
  void save_area(int index, int x, int y) override;
  void restore_area(int index, int x, int y, int raster_op) override;
  void clear_screen(int width, int height, Rgb colour) override;

 private:
  void append_line(const char* keyword, std::initializer_list<int> values);

  std::string trace_;
};

}  // namespace tessaly::surface
