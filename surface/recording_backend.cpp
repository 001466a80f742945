#include "surface/recording_backend.h"

#include <cstdio>
#include <initializer_list>

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

// The keyword and the integers as "%d" writes them, one blank between. A pass writes some ten
// thousand lines: digits by hand take a fraction of printf's time.
void RecordingBackend::append_line(const char* keyword, std::initializer_list<int> values) {
  char buffer[160];
  char* out = buffer;
  for (const char* k = keyword; *k;) *out++ = *k++;
  for (const int value : values) {
    *out++ = ' ';
    unsigned magnitude = static_cast<unsigned>(value);
    if (value < 0) {
      *out++ = '-';
      magnitude = 0u - magnitude;
    }
    char digits[10];
    int count = 0;
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    while (count > 0) *out++ = digits[--count];
  }
  *out++ = '\n';
  trace_.append(buffer, static_cast<std::size_t>(out - buffer));
}

// The mapping decides nothing that the trace shows: it is all in logical units already.
void RecordingBackend::logical_screen(int, int, double) {}

void RecordingBackend::line(int x1, int y1, int x2, int y2, int colour, int width, int style,
                            int mode) {
  append_line("line", {x1, y1, x2, y2, colour, width, style, mode});
}

void RecordingBackend::point(int x, int y, int colour, int width, int mode) {
  append_line("point", {x, y, colour, width, mode});
}

void RecordingBackend::fill(int x1, int y1, int x2, int y2, int colour) {
  append_line("fill", {x1, y1, x2, y2, colour});
}

void RecordingBackend::box(int x1, int y1, int x2, int y2, int colour, int width, int style) {
  append_line("box", {x1, y1, x2, y2, colour, width, style});
}

void RecordingBackend::ellipse(int cx, int cy, int rx, int ry, int colour, int width, int style) {
  append_line("ellipse", {cx, cy, rx, ry, colour, width, style});
}

void RecordingBackend::flood(int x, int y, int fill_colour, int border_colour) {
  append_line("flood", {x, y, fill_colour, border_colour});
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
  append_line("clip", {left, top, right, bottom});
}

void RecordingBackend::unclip() {
  trace_.append("unclip\n");
}

void RecordingBackend::alert() {
  trace_.append("alert\n");
}

void RecordingBackend::error(int code) {
  append_line("error", {code});
}

void RecordingBackend::create_save_bitmaps(int count, int width, int height) {
  append_line("create_bitmaps", {count, width, height});
}

void RecordingBackend::delete_save_bitmaps() {
  trace_.append("delete_bitmaps\n");
}

void RecordingBackend::save_area(int index, int x, int y) {
  append_line("save", {index, x, y});
}

void RecordingBackend::restore_area(int index, int x, int y, int raster_op) {
  append_line("restore", {index, x, y, raster_op});
}

void RecordingBackend::clear_screen(int width, int height, Rgb) {
  append_line("clear", {width, height});
}

}  // namespace tessaly::surface
