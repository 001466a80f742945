// Every English graph keeps the layout rules of the Japanese one: a translated text takes its
// half-width cells where the source text took its cells, so a translation that is too long
// runs into a frame, off the picture or into another text. Checked on the trace, for every
// circuit and analysis of every program, with the teaching views and the worksheets.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/catalog.h"
#include "core/text.h"
#include "graph/kind_traits.h"
#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "programs/phasor_panel.h"
#include "surface/device_geometry.h"
#include "surface/recording_backend.h"

namespace tessaly {
namespace {

struct InkedText {
  std::string text;
  double left, top, right, bottom;  // logical units, the blank cells at either end left out
};

bool overlaps(const InkedText& a, const InkedText& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// "text X Y COLOUR DIRECTION WF HF TEXT" as the cells its characters take: half-width ones 8
// units wide and full-width ones 16, 16 high; a vertical text runs upwards from Y.
bool inked(const std::string& line, InkedText& out) {
  int x = 0, y = 0, colour = 0, direction = 0, used = 0;
  double wf = 0.0, hf = 0.0;
  if (std::sscanf(line.c_str(), "text %d %d %d %d %lf %lf %n", &x, &y, &colour, &direction, &wf,
                  &hf, &used) < 6) {
    return false;
  }
  out.text = line.substr(static_cast<std::size_t>(used));
  int cell = 0, first = -1, last = 0;
  for (std::size_t i = 0; i < out.text.size();) {
    std::size_t length = 1;
    const unsigned char lead = static_cast<unsigned char>(out.text[i]);
    if (lead >= 0xF0)
      length = 4;
    else if (lead >= 0xE0)
      length = 3;
    else if (lead >= 0xC0)
      length = 2;
    const std::string character = out.text.substr(i, length);
    const int cells = sjis_length(character.c_str());
    if (character != " " && character != "\u3000") {
      if (first < 0) first = cell;
      last = cell + cells;
    }
    cell += cells;
    i += length;
  }
  if (first < 0) return false;
  if (direction == 0) {
    out.left = x + 8 * wf * first;
    out.right = x + 8 * wf * last;
    out.top = y;
    out.bottom = y + 16 * hf;
  } else {
    out.left = x;
    out.right = x + 16 * hf;
    out.top = y - 8 * wf * last;
    out.bottom = y - 8 * wf * first;
  }
  return true;
}

// Whether the text's cells straddle one of the frame's four edges.
bool crosses(const InkedText& t, const graph::GraphFrame& f) {
  if (f.width <= 0 || f.height <= 0) return false;
  const double top = f.bottom - f.height, right = f.left + f.width;
  const bool rows = t.top < f.bottom && top < t.bottom;
  const bool columns = t.left < right && f.left < t.right;
  return (rows && ((t.left < f.left && f.left < t.right) || (t.left < right && right < t.right))) ||
         (columns &&
          ((t.top < top && top < t.bottom) || (t.top < f.bottom && f.bottom < t.bottom)));
}

struct Drawn {
  std::vector<InkedText> texts;
  std::vector<graph::GraphFrame> frames;
  int width = 0;
};

Drawn draw(std::vector<std::string> arguments, const char* language) {
  arguments.insert(arguments.end(), {"--lang", language});
  const interaction::ParsedArguments parsed = interaction::parse_render_arguments(arguments);
  EXPECT_EQ(parsed.outcome, interaction::ParsedArguments::Outcome::kRender) << parsed.error;
  const interaction::RenderRequest& request = parsed.request;
  interaction::HeadlessWindow window(*request.program, *request.language);
  surface::RecordingBackend recorder;
  interaction::LastPassTarget target(
      interaction::plan_repaints(*request.program, request.steps).last_pass(), recorder);
  interaction::replay(window, request.steps, target);
  Drawn drawn;
  for (const std::string& line : recorder.lines()) {
    InkedText t;
    if (inked(line, t)) drawn.texts.push_back(t);
  }
  // The frames this graph drew; the others keep an earlier graph's.
  const graph::ReadoutMemory& m = window.graph.readout;
  if (graph::stacked(graph::kind_traits(window.session.current_kind))) {
    drawn.frames = {m.drawn_upper, m.drawn_lower};
  } else {
    drawn.frames = {m.drawn_main};
  }
  drawn.width = surface::kLogicalWidth + (request.teaching.phasor_panel ? kPhasorPanelWidth : 0);
  return drawn;
}

// What is wrong with the layout, one line each. A text that crosses a frame or another text in
// the source language as well (an axis number at a frame's corner, the "fo" box) is where the
// layout puts it and is not counted.
std::vector<std::string> layout_faults(const std::vector<std::string>& arguments) {
  const Drawn english = draw(arguments, "en");
  const Drawn source = draw(arguments, "ja");
  std::vector<std::string> faults;
  for (std::size_t i = 0; i < english.texts.size(); ++i) {
    const InkedText& t = english.texts[i];
    if (t.left < 0 || t.top < 0 || t.right > english.width || t.bottom > surface::kLogicalHeight) {
      faults.push_back("\"" + t.text + "\" runs off the picture");
    }
    const bool same_texts = source.texts.size() == english.texts.size();
    for (std::size_t k = 0; k < english.frames.size(); ++k) {
      if (crosses(t, english.frames[k]) &&
          !(same_texts && crosses(source.texts[i], source.frames[k]))) {
        faults.push_back("\"" + t.text + "\" crosses a frame");
      }
    }
    for (std::size_t j = i + 1; j < english.texts.size(); ++j) {
      if (!overlaps(t, english.texts[j])) continue;
      const bool also_in_source = same_texts && overlaps(source.texts[i], source.texts[j]);
      if (!also_in_source)
        faults.push_back("\"" + t.text + "\" overlaps \"" + english.texts[j].text + "\"");
    }
  }
  return faults;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += "\n  " + line;
  return out;
}

TEST(TranslatedLayout, NoEnglishTextRunsIntoAFrameOrAnotherText) {
  const std::vector<std::vector<std::string>> graphs = {
      {"ombra", "--do", "301,401"},
      {"ombra", "--do", "301,402"},
      {"ombra", "--do", "301,403"},
      {"ombra", "--do", "301,404"},
      {"ombra", "--do", "302,401"},
      {"ombra", "--do", "302,404"},
      {"velto", "--do", "301,401"},
      {"velto", "--do", "302,402"},
      {"velto", "--do", "303,401"},
      {"velto", "--do", "304,402"},
      {"velto", "--do", "303,403"},
      {"velto", "--do", "304,403"},
      {"quirn", "--do", "301,401"},
      {"quirn", "--do", "302,402"},
      {"quirn", "--do", "303,401"},
      {"quirn", "--do", "304,401"},
      {"quirn", "--do", "304,402"},
      // The teaching views: the marker and the diagram, a worksheet and its answer.
      {"ombra", "--marker", "1000", "--phasor"},
      {"ombra", "--do", "302,404", "--marker", "1000", "--curve", "3", "--phasor"},
      {"velto", "--do", "303", "--marker", "800", "--phasor"},
      {"quirn", "--do", "304", "--marker", "50", "--curve", "3", "--phasor"},
      {"ombra", "--exercise", "f0", "--seed", "7"},
      {"ombra", "--exercise", "q", "--seed", "7", "--reveal"},
      {"velto", "--exercise", "f0", "--seed", "12", "--reveal"},
  };
  for (const auto& arguments : graphs) {
    std::string named;
    for (const std::string& a : arguments) named += a + " ";
    EXPECT_EQ(joined(layout_faults(arguments)), "") << named;
  }
}

}  // namespace
}  // namespace tessaly
