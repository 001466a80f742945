#include "surface/recording_backend.h"

#include <cstdarg>
#include <cstdio>

namespace tessaly::surface {

RecordingBackend::RecordingBackend() {
  trace_.reserve(1 << 16);
}

std::vector<std::string> RecordingBackend::lines() const {
  std::vector<std::string> result;
  std::string::size_type start = 0;
  while (start < trace_.size()) {
    std::string::size_type end = trace_.find('\n', start);
    if (end == std::string::npos) end = trace_.size();
    result.emplace_back(trace_, start, end - start);
    start = end + 1;
  }
  return result;
}

void RecordingBackend::append_line(const char* format, ...) {
  char buffer[160];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  // Nine integers and a keyword fit the buffer: nothing is ever cut.
  if (n > 0) trace_.append(buffer, static_cast<std::size_t>(n));
  trace_.push_back('\n');
}

// The mapping decides nothing that the trace shows: it is all in logical units already.
void RecordingBackend::logical_screen(int, int, double) {}

void RecordingBackend::line(int x1, int y1, int x2, int y2, int colour, int width, int style,
                            int mode) {
  append_line("line %d %d %d %d %d %d %d %d", x1, y1, x2, y2, colour, width, style, mode);
}

void RecordingBackend::point(int x, int y, int colour, int width, int mode) {
  append_line("point %d %d %d %d %d", x, y, colour, width, mode);
}

void RecordingBackend::fill(int x1, int y1, int x2, int y2, int colour) {
  append_line("fill %d %d %d %d %d", x1, y1, x2, y2, colour);
}

void RecordingBackend::box(int x1, int y1, int x2, int y2, int colour, int width, int style) {
  append_line("box %d %d %d %d %d %d %d", x1, y1, x2, y2, colour, width, style);
}

void RecordingBackend::ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) {
  append_line("ellipse %d %d %d %d %d %d %d", cx, cy, rx, ry, colour, width, style);
}

void RecordingBackend::flood(int x, int y, int fill_colour, int border_colour) {
  append_line("flood %d %d %d %d", x, y, fill_colour, border_colour);
}

void RecordingBackend::text(int x, int y, int colour, int direction, double wf, double hf,
                            const char* text) {
  char buffer[128];
  const int n = std::snprintf(buffer, sizeof buffer, "text %d %d %d %d %g %g ", x, y, colour,
                              direction, wf, hf);
  if (n > 0) trace_.append(buffer, static_cast<std::size_t>(n));
  trace_.append(text);
  trace_.push_back('\n');
}

void RecordingBackend::clip(int left, int top, int right, int bottom) {
  append_line("clip %d %d %d %d", left, top, right, bottom);
}

void RecordingBackend::unclip() {
  trace_.append("unclip\n");
}

void RecordingBackend::alert() {
  trace_.append("alert\n");
}

void RecordingBackend::error(int code) {
  append_line("error %d", code);
}

void RecordingBackend::create_save_bitmaps(int count, int width, int height) {
  append_line("create_bitmaps %d %d %d", count, width, height);
}

void RecordingBackend::delete_save_bitmaps() {
  trace_.append("delete_bitmaps\n");
}

void RecordingBackend::save_area(int index, int x, int y) {
  append_line("save %d %d %d", index, x, y);
}

void RecordingBackend::restore_area(int index, int x, int y, int raster_op) {
  append_line("restore %d %d %d %d", index, x, y, raster_op);
}

void RecordingBackend::clear_screen(int width, int height, Rgb) {
  append_line("clear %d %d", width, height);
}

}  // namespace tessaly::surface
