// Qt's SVG generator writes every primitive in a group of its own, and the window's drawing is
// made of many small ones: a curve is a line segment per point, each followed by its end
// pixel, and a patterned line is a row of single pixels. This joins a run of such groups into
// a few elements: segments that continue each other into one polyline, pixels and dots into
// one path.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tessaly::tools {

class SvgRunJoiner {
 public:
  explicit SvgRunJoiner(std::string& out) : out_(out) {}
  // The generator's text, in pieces of any size.
  void feed(const char* text, std::size_t size);
  // The text that follows is another document of the same size: its prologue and outer group
  // are dropped, and its content goes on inside the first document's.
  void next_document();
  // The end of the text: whatever is held back is written.
  void finish();

 private:
  // A polyline that the next segment may still extend.
  struct OpenPolyline {
    std::string points;
    std::string last_point;
  };
  // One group header of the run and what it has collected.
  struct Joined {
    std::string header;
    bool pixels = false;  // a path of pixels, else polylines
    std::string body;     // the finished polylines' lines, or the path's data
    // A sweep draws the curves of two frames point by point, one segment of each in turn.
    std::vector<OpenPolyline> open;
  };

  void take_line(const std::string& line);
  void take_group();
  void add_segment(const std::string& points);
  void add_pixel(const std::string& data);
  Joined& joined_for(bool pixels);
  static void close_polyline(Joined& joined, std::size_t index);
  void flush_run();

  std::string& out_;
  std::string partial_;  // a line not yet ended
  bool skipping_prologue_ = false;
  // The end of the outer group and of the document, held back until no document follows.
  bool outer_group_closed_ = false;
  bool document_closed_ = false;
  // The group being read: its header lines, then its elements.
  bool in_header_ = false;
  bool in_group_ = false;
  std::string header_;
  std::vector<std::string> elements_;
  // The run: groups of one colour whose order does not change the picture.
  std::string run_colour_;
  std::vector<Joined> run_;
};

}  // namespace tessaly::tools
