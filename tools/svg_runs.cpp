#include "tools/svg_runs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tessaly::tools {

namespace {

// The value of `name="..."` in a tag or header, or "" when absent.
std::string attribute(const std::string& text, const char* name) {
  const std::string key = std::string(" ") + name + "=\"";
  const std::size_t at = text.find(key);
  if (at == std::string::npos) return std::string();
  const std::size_t start = at + key.size();
  const std::size_t end = text.find('"', start);
  return end == std::string::npos ? std::string() : text.substr(start, end - start);
}

bool starts_with(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

constexpr char kPolyline[] = "<polyline fill=\"none\" vector-effect=\"none\" points=\"";
constexpr char kPolylineEnd[] = "\" />";

// "x1,y1 x2,y2 " of a two-point polyline element, or "" for any other element.
std::string segment_points(const std::string& element) {
  if (!starts_with(element, kPolyline)) return std::string();
  const std::size_t end = element.find('"', sizeof kPolyline - 1);
  if (end == std::string::npos || element.compare(end, std::string::npos, kPolylineEnd) != 0) {
    return std::string();
  }
  return element.substr(sizeof kPolyline - 1, end - (sizeof kPolyline - 1));
}

// "Mx yhwvhh-wz" of a rectangle element, or "" for any other element.
std::string rectangle_path(const std::string& element) {
  if (!starts_with(element, "<rect ") || element.compare(element.size() - 2, 2, "/>") != 0) {
    return std::string();
  }
  const std::string x = attribute(element, "x");
  const std::string y = attribute(element, "y");
  const std::string w = attribute(element, "width");
  const std::string h = attribute(element, "height");
  if (x.empty() || y.empty() || w.empty() || h.empty()) return std::string();
  return "M" + x + " " + y + "h" + w + "v" + h + "h-" + w + "z";
}

std::string number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", value);
  return text;
}

// The same disc as a path: two half arcs from its left end.
std::string circle_path(const std::string& element) {
  if (!starts_with(element, "<circle ") || element.compare(element.size() - 2, 2, "/>") != 0) {
    return std::string();
  }
  const std::string cx = attribute(element, "cx");
  const std::string cy = attribute(element, "cy");
  const std::string r = attribute(element, "r");
  if (cx.empty() || cy.empty() || r.empty()) return std::string();
  const double radius = std::atof(r.c_str());
  return "M" + number(std::atof(cx.c_str()) - radius) + " " + cy + "a" + r + " " + r + " 0 1 0 " +
         number(2 * radius) + " 0a" + r + " " + r + " 0 1 0 " + number(-2 * radius) + " 0z";
}

}  // namespace

void SvgRunJoiner::feed(const char* text, std::size_t size) {
  const char* const end = text + size;
  while (text < end) {
    const char* newline = static_cast<const char*>(std::memchr(text, '\n', end - text));
    if (newline == nullptr) {
      partial_.append(text, end);
      return;
    }
    partial_.append(text, newline);
    take_line(partial_);
    partial_.clear();
    text = newline + 1;
  }
}

void SvgRunJoiner::next_document() {
  if (!partial_.empty()) take_line(partial_);
  partial_.clear();
  flush_run();
  outer_group_closed_ = false;
  document_closed_ = false;
  skipping_prologue_ = true;
}

void SvgRunJoiner::finish() {
  if (!partial_.empty()) take_line(partial_);
  partial_.clear();
  flush_run();
  if (outer_group_closed_) out_ += "</g>\n";
  if (document_closed_) out_ += "</svg>\n";
  // A group cut short by the end of the text is written as it came.
  if (in_header_ || in_group_) {
    out_ += header_;
    for (const std::string& element : elements_) out_ += element + "\n";
  }
}

void SvgRunJoiner::take_line(const std::string& line) {
  if (in_header_) {
    header_ += line + "\n";
    if (line == ">") {
      in_header_ = false;
      in_group_ = true;
    }
    return;
  }
  if (in_group_) {
    if (line == "</g>") {
      in_group_ = false;
      take_group();
    } else {
      elements_.push_back(line);
    }
    return;
  }
  // An inner group's header runs over several lines up to a lone ">"; the outer group's is
  // one line. Blank lines between groups carry nothing.
  if (!skipping_prologue_ && starts_with(line, "<g ") && line.back() != '>') {
    in_header_ = true;
    header_ = line + "\n";
    elements_.clear();
    return;
  }
  if (skipping_prologue_) {
    skipping_prologue_ = !(starts_with(line, "<g ") && !line.empty() && line.back() == '>');
    return;
  }
  if (line.empty() && !run_.empty()) return;
  flush_run();
  if (line == "</g>" && !outer_group_closed_) {
    outer_group_closed_ = true;
    return;
  }
  if (line == "</svg>") {
    document_closed_ = true;
    return;
  }
  if (outer_group_closed_) {
    out_ += "</g>\n";
    outer_group_closed_ = false;
  }
  out_ += line + "\n";
}

void SvgRunJoiner::take_group() {
  // A state change with nothing drawn: the generator writes it as an empty group.
  if (elements_.empty()) return;
  // Dashes restart with every segment: such segments are left apart.
  const bool dashed = header_.find("stroke-dasharray") != std::string::npos;
  const std::string points =
      elements_.size() == 1 && !dashed && attribute(header_, "fill") == "none"
          ? segment_points(elements_[0])
          : std::string();
  std::string pixel;
  if (elements_.size() == 1 && attribute(header_, "stroke") == "none") {
    pixel = rectangle_path(elements_[0]);
    if (pixel.empty()) pixel = circle_path(elements_[0]);
  }
  const std::string colour = !points.empty()  ? attribute(header_, "stroke")
                             : !pixel.empty() ? attribute(header_, "fill")
                                              : std::string();
  // Opaque primitives of one colour may be drawn in any order; anything else ends the run.
  const bool opaque = attribute(header_, "stroke-opacity") != "0" &&
                      (points.empty() ? attribute(header_, "fill-opacity") == "1"
                                      : attribute(header_, "stroke-opacity") == "1");
  if (colour.empty() || !opaque) {
    flush_run();
    out_ += header_;
    for (const std::string& element : elements_) out_ += element + "\n";
    out_ += "</g>\n\n";
    return;
  }
  if (colour != run_colour_) flush_run();
  run_colour_ = colour;
  if (!points.empty()) {
    add_segment(points);
  } else {
    add_pixel(pixel);
  }
}

SvgRunJoiner::Joined& SvgRunJoiner::joined_for(bool pixels) {
  for (Joined& joined : run_) {
    if (joined.pixels == pixels && joined.header == header_) return joined;
  }
  run_.push_back(Joined{header_, pixels, std::string(), {}});
  return run_.back();
}

// Points come as "x1,y1 x2,y2 "; a segment from where an open polyline ends extends it.
void SvgRunJoiner::add_segment(const std::string& points) {
  constexpr std::size_t kMostOpen = 8;
  Joined& joined = joined_for(false);
  const std::size_t space = points.find(' ');
  const std::string first = points.substr(0, space);
  const std::string trimmed = points.substr(0, points.size() - 1);
  const std::string last = trimmed.substr(trimmed.rfind(' ') + 1);
  for (OpenPolyline& open : joined.open) {
    if (open.last_point == first) {
      open.points += points.substr(space + 1);
      open.last_point = last;
      return;
    }
  }
  if (joined.open.size() == kMostOpen) close_polyline(joined, 0);
  joined.open.push_back(OpenPolyline{points, last});
}

void SvgRunJoiner::add_pixel(const std::string& data) {
  joined_for(true).body += data;
}

void SvgRunJoiner::close_polyline(Joined& joined, std::size_t index) {
  joined.body += kPolyline + joined.open[index].points + kPolylineEnd + "\n";
  joined.open.erase(joined.open.begin() + static_cast<long>(index));
}

void SvgRunJoiner::flush_run() {
  for (Joined& joined : run_) {
    while (!joined.open.empty()) close_polyline(joined, 0);
    out_ += joined.header;
    if (joined.pixels) {
      // Nonzero: pixels drawn twice must not cancel out as they would under even-odd.
      out_ += "<path vector-effect=\"none\" fill-rule=\"nonzero\" d=\"" + joined.body + "\"/>\n";
    } else {
      out_ += joined.body;
    }
    out_ += "</g>\n\n";
  }
  run_.clear();
  run_colour_.clear();
}

}  // namespace tessaly::tools
