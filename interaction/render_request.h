// The command line of tessaly-render:
//   tessaly-render PROGRAM [--do STEPS] [--set NAME=VALUES] [--read FILE]...
//   [--format FORMAT]
//                  [--output FILE] [--marker HZ [--curve N] [--phasor]]
//                  [--exercise f0|q [--seed N] [--reveal]]
//                  [--exercise f0|q --seeds FIRST-LAST [--paper a4|letter] [--questions N]]
//                  [--lang LANG]
//   tessaly-render --batch FILE [--jobs N]
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/catalog.h"
#include "interaction/steps.h"
#include "programs/descriptor.h"

namespace tessaly::interaction {

enum class Format { kPng, kSvg, kPdf, kTrace, kTracePrint, kDat, kCsv, kPhasors };

enum class Paper { kA4, kLetter };

constexpr std::uint64_t kMostSheets = 500;
constexpr int kMostQuestions = 4;

// A class set: one sheet per seed, then the answer key, in one PDF.
struct ClassSet {
  bool given = false;
  std::uint64_t first = 1, last = 1;  // at most kMostSheets
  Paper paper = Paper::kA4;
  int questions = 1;  // on each sheet, 1 to kMostQuestions
};

struct RenderRequest {
  const ProgramDescriptor* program = nullptr;
  std::vector<Step> steps;
  Format format = Format::kPng;
  std::string output;  // as given; empty when absent
  TeachingOptions teaching;
  ClassSet class_set;
  // The language of the picture's texts; data files and CSV are the same in every language.
  const text::Language* language = &text::source_language();
};

// Logical width of the request's pictures: the graph, and the phasor panel
// beside it.
int logical_picture_width(const RenderRequest& request);

// Many renders in one process: one command line per line of a file ("-":
// standard input).
struct BatchRequest {
  std::string file;
  int jobs = 0;  // renders at a time; 0: one per core
};

struct ParsedArguments {
  enum class Outcome { kRender, kBatch, kHelp, kError };
  Outcome outcome = Outcome::kError;
  RenderRequest request;
  BatchRequest batch;
  std::string error;  // kError: one line naming what was wrong
  // What a --link asked for and the render leaves out, one line each; the render goes on.
  std::vector<std::string> notes;
};

// Reads the arguments after the executable's name. Nothing is applied yet:
// steps and settings are checked against the program's menu and dialogs only.
ParsedArguments parse_render_arguments(const std::vector<std::string>& arguments);

const char* render_usage();
const char* format_name(Format format);

// Formats drawn through Qt, which need a QGuiApplication (fonts).
bool draws_picture(Format format);
// Formats that go to standard output when no file (or "-") is given.
bool writes_to_standard_output(Format format);
// The file to write: the --output value, PROGRAM.FORMAT in the current folder,
// or "" for standard output.
std::string output_path(const RenderRequest& request);

}  // namespace tessaly::interaction
