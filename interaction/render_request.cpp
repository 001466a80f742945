#include "interaction/render_request.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "interaction/dialog_settings.h"
#include "interaction/link.h"
#include "interaction/message_text.h"
#include "programs/descriptor.h"
#include "programs/exercise.h"
#include "programs/menu.h"
#include "programs/phasor_panel.h"
#include "surface/device_geometry.h"

namespace tessaly::interaction {

namespace {

struct FormatName {
  Format format;
  const char* name;
};

constexpr FormatName kFormats[] = {
    {Format::kPng, "png"},
    {Format::kSvg, "svg"},
    {Format::kPdf, "pdf"},
    {Format::kTrace, "trace"},
    {Format::kTracePrint, "trace-print"},
    {Format::kDat, "dat"},
    {Format::kCsv, "csv"},
    {Format::kPhasors, "phasors"},
};

constexpr int kMostCurves = 5;  // Ombra's five resistances

// The menu commands that only change the state and repaint: the window replays
// them without files, dialogs, printers or message boxes.
bool replayable_command(int command) {
  using namespace commands;
  return (command >= kRedraw && command <= kShowData) ||
         (command >= kFirstCircuit && command <= kLastCircuit) ||
         (command >= kFirstAnalysis && command <= kLastAnalysis) ||
         (command >= kStepUp && command <= kSecondStepDown);
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  for (;;) {
    const std::string::size_type end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

bool all_digits(const std::string& text) {
  if (text.empty() || text.size() > 6) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The steps of one --do, checked against the program's menu once the program is known.
bool parse_steps(const std::string& text, std::vector<Step>& steps, std::string& error) {
  for (const std::string& token : split(text, ',')) {
    Step step;
    if (all_digits(token)) {
      step.kind = Step::Kind::kCommand;
      step.command = std::stoi(token);
      if (!replayable_command(step.command)) {
        error = "step " + quoted(token) +
                " is refused: only menu commands 201-204, 301-309, 401-409 and "
                "501-505 are "
                "replayed";
        return false;
      }
    } else if (token.size() == 2 && token[0] == 'k' && token[1] >= ' ' && token[1] <= '~') {
      step.kind = Step::Kind::kCharacter;
      step.character = token[1];
    } else {
      error = "unknown step " + quoted(token) +
              " in --do (a menu command number, or k and one typed character)";
      return false;
    }
    steps.push_back(step);
  }
  return true;
}

bool parse_setting(const std::string& text, std::vector<Step>& steps, std::string& error) {
  const std::string::size_type equals = text.find('=');
  if (equals == std::string::npos || equals == 0) {
    error = "--set needs NAME=VALUES, not " + quoted(text);
    return false;
  }
  Step step;
  step.kind = Step::Kind::kSetting;
  step.name = text.substr(0, equals);
  step.values = split(text.substr(equals + 1), ',');
  steps.push_back(step);
  return true;
}

bool parse_format(const std::string& text, Format& format, std::string& error) {
  for (const FormatName& f : kFormats) {
    if (text == f.name) {
      format = f.format;
      return true;
    }
  }
  error = "unknown format " + quoted(text) +
          " (png, svg, pdf, trace, trace-print, dat, csv or phasors)";
  return false;
}

// What the program itself would refuse: commands its menu lacks, values its
// dialogs lack.
bool check_against_program(const RenderRequest& request, std::string& error) {
  const ProgramDescriptor& program = *request.program;
  for (const Step& step : request.steps) {
    if (step.kind == Step::Kind::kCommand && !menu_offers(*program.menu, step.command)) {
      error =
          "step " + quoted(std::to_string(step.command)) + " is not in " + program.id + "'s menu";
      return false;
    }
    if (step.kind != Step::Kind::kSetting) continue;
    const int capacity = setting_capacity(program, step.name);
    if (capacity == 0) {
      error = std::string(program.id) + " binds no values to " + quoted(step.name) +
              " (names: " + setting_names(program) + ")";
      return false;
    }
    if (static_cast<int>(step.values.size()) > capacity) {
      error = "too many values for " + step.name + ": " + program.id + "'s dialog holds " +
              std::to_string(capacity);
      return false;
    }
  }
  return true;
}

// "--name value" or "--name=value"; true when argument i names the option.
bool option_value(const std::vector<std::string>& arguments, std::size_t& i, const char* long_name,
                  const char* short_name, std::string& value, std::string& error) {
  const std::string& argument = arguments[i];
  const std::string prefix = std::string(long_name) + "=";
  if (argument.compare(0, prefix.size(), prefix) == 0) {
    value = argument.substr(prefix.size());
    return true;
  }
  if (argument != long_name && (short_name == nullptr || argument != short_name)) return false;
  if (i + 1 >= arguments.size()) {
    error = "option " + argument + " needs a value";
    value.clear();
    return true;
  }
  value = arguments[++i];
  return true;
}

// 1 to kMostJobs, digits only.
constexpr int kMostJobs = 256;
bool parse_jobs(const std::string& text, int& jobs) {
  if (!all_digits(text)) return false;
  jobs = std::stoi(text);
  return jobs >= 1 && jobs <= kMostJobs;
}

// A frequency above 0 Hz, the whole text a number.
bool parse_frequency(const std::string& text, double& hz) {
  if (text.empty()) return false;
  char* end = nullptr;
  hz = std::strtod(text.c_str(), &end);
  return *end == '\0' && std::isfinite(hz) && hz > 0.0;
}

bool parse_seed(const std::string& text, std::uint64_t& seed) {
  if (text.empty() || text.size() > 19) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  seed = std::strtoull(text.c_str(), nullptr, 10);
  return true;
}

// "FIRST-LAST", FIRST <= LAST, at most kMostSheets sheets.
bool parse_seed_range(const std::string& text, ClassSet& set) {
  const std::string::size_type dash = text.find('-');
  if (dash == std::string::npos) return false;
  if (!parse_seed(text.substr(0, dash), set.first) ||
      !parse_seed(text.substr(dash + 1), set.last)) {
    return false;
  }
  return set.first <= set.last && set.last - set.first < kMostSheets;
}

// The teaching options that fit together and fit the program; appends their
// step.
bool check_teaching(RenderRequest& request, bool curve_given, bool seed_given, std::string& error) {
  TeachingOptions& t = request.teaching;
  if (curve_given && !t.marker) {
    error = "--curve needs --marker";
  } else if (t.exercise == ExerciseKind::kNone && (seed_given || t.reveal)) {
    error = "--seed and --reveal need --exercise";
  } else if (request.format == Format::kPhasors && !t.marker) {
    error = "--format phasors needs --marker HZ";
  } else if (t.exercise != ExerciseKind::kNone &&
             !offers_exercise(start_session(*request.program), t.exercise)) {
    error = std::string(request.program->id) + " has no " +
            (t.exercise == ExerciseKind::kQuality ? "Q" : "f0") +
            " exercise (f0: ombra and velto; q: ombra)";
  }
  const ClassSet& set = request.class_set;
  if (error.empty() && set.given) {
    if (t.exercise == ExerciseKind::kNone) {
      error = "--seeds needs --exercise";
    } else if (seed_given || t.reveal) {
      error = "--seeds takes neither --seed nor --reveal: the answer key follows the sheets";
    } else if (request.format != Format::kPdf) {
      error = "--seeds writes a PDF: add --format pdf";
    } else if (t.phasor_panel || t.marker) {
      error = "--seeds draws worksheets without --marker and --phasor";
    }
  }
  if (!error.empty()) return false;
  if (!t.any()) return true;
  Step step;
  step.kind = Step::Kind::kTeaching;
  step.teaching = t;
  request.steps.push_back(step);
  return true;
}

ParsedArguments failure(std::string error) {
  ParsedArguments parsed;
  parsed.outcome = ParsedArguments::Outcome::kError;
  parsed.error = std::move(error);
  return parsed;
}

}  // namespace

ParsedArguments parse_render_arguments(const std::vector<std::string>& given) {
  // A --link stands for the arguments its address names, in its place.
  std::vector<std::string> arguments;
  std::vector<std::string> notes;
  for (std::size_t i = 0; i < given.size(); ++i) {
    if (given[i] != "--link") {
      arguments.push_back(given[i]);
      continue;
    }
    if (i + 1 == given.size()) return failure("--link needs the address of a page");
    const LinkArguments link = link_arguments(given[++i]);
    arguments.insert(arguments.end(), link.arguments.begin(), link.arguments.end());
    notes.insert(notes.end(), link.ignored.begin(), link.ignored.end());
  }
  ParsedArguments parsed;
  parsed.notes = notes;
  RenderRequest& request = parsed.request;
  bool format_given = false;
  bool output_given = false;
  bool batch_given = false;
  bool jobs_given = false;
  bool curve_given = false;
  bool seed_given = false;
  bool exercise_given = false;
  bool paper_given = false;
  bool questions_given = false;
  bool language_given = false;
  std::string error;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string value;
    if (argument == "--help" || argument == "-h") {
      parsed.outcome = ParsedArguments::Outcome::kHelp;
      return parsed;
    }
    if (option_value(arguments, i, "--do", nullptr, value, error)) {
      if (!error.empty() || !parse_steps(value, request.steps, error)) return failure(error);
    } else if (option_value(arguments, i, "--set", nullptr, value, error)) {
      if (!error.empty() || !parse_setting(value, request.steps, error)) return failure(error);
    } else if (option_value(arguments, i, "--read", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (value.empty()) return failure("--read needs a data file");
      Step step;
      step.kind = Step::Kind::kRead;
      step.name = value;
      request.steps.push_back(step);
    } else if (option_value(arguments, i, "--format", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (format_given) return failure("--format given twice");
      if (!parse_format(value, request.format, error)) return failure(error);
      format_given = true;
    } else if (option_value(arguments, i, "--output", "-o", value, error)) {
      if (!error.empty()) return failure(error);
      if (output_given) return failure("--output given twice");
      if (value.empty()) return failure("--output needs a file name (or - for the default)");
      request.output = value;
      output_given = true;
    } else if (option_value(arguments, i, "--marker", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (request.teaching.marker) return failure("--marker given twice");
      if (!parse_frequency(value, request.teaching.marker_hz)) {
        return failure("--marker needs a frequency in Hz above 0, not " + quoted(value));
      }
      request.teaching.marker = true;
    } else if (option_value(arguments, i, "--curve", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (curve_given) return failure("--curve given twice");
      if (!all_digits(value) || std::stoi(value) < 1 || std::stoi(value) > kMostCurves) {
        return failure("--curve needs a curve number from 1 to " + std::to_string(kMostCurves) +
                       ", not " + quoted(value));
      }
      request.teaching.curve = std::stoi(value);
      curve_given = true;
    } else if (argument == "--phasor") {
      request.teaching.phasor_panel = true;
    } else if (argument == "--thick") {
      request.teaching.projector = true;
    } else if (option_value(arguments, i, "--exercise", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (exercise_given) return failure("--exercise given twice");
      if (value == "f0") {
        request.teaching.exercise = ExerciseKind::kResonance;
      } else if (value == "q") {
        request.teaching.exercise = ExerciseKind::kQuality;
      } else {
        return failure("--exercise needs f0 or q, not " + quoted(value));
      }
      exercise_given = true;
    } else if (option_value(arguments, i, "--seed", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (seed_given) return failure("--seed given twice");
      if (!parse_seed(value, request.teaching.seed)) {
        return failure("--seed needs a whole number of up to 19 digits, not " + quoted(value));
      }
      seed_given = true;
    } else if (argument == "--reveal") {
      request.teaching.reveal = true;
    } else if (option_value(arguments, i, "--seeds", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (request.class_set.given) return failure("--seeds given twice");
      if (!parse_seed_range(value, request.class_set)) {
        return failure("--seeds needs FIRST-LAST, whole numbers with FIRST <= LAST and at most " +
                       std::to_string(kMostSheets) + " sheets, not " + quoted(value));
      }
      request.class_set.given = true;
    } else if (option_value(arguments, i, "--paper", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (paper_given) return failure("--paper given twice");
      if (value == "a4") {
        request.class_set.paper = Paper::kA4;
      } else if (value == "letter") {
        request.class_set.paper = Paper::kLetter;
      } else {
        return failure("--paper needs a4 or letter, not " + quoted(value));
      }
      paper_given = true;
    } else if (option_value(arguments, i, "--questions", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (questions_given) return failure("--questions given twice");
      if (!all_digits(value) || std::stoi(value) < 1 || std::stoi(value) > kMostQuestions) {
        return failure("--questions needs 1 to " + std::to_string(kMostQuestions) + ", not " +
                       quoted(value));
      }
      request.class_set.questions = std::stoi(value);
      questions_given = true;
    } else if (option_value(arguments, i, "--lang", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (language_given) return failure("--lang given twice");
      request.language = text::find_language(value);
      if (request.language == nullptr) {
        return failure("--lang needs one of " + text::language_codes() + ", not " + quoted(value));
      }
      language_given = true;
    } else if (option_value(arguments, i, "--batch", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (batch_given) return failure("--batch given twice");
      if (value.empty()) return failure("--batch needs a file (or - for standard input)");
      parsed.batch.file = value;
      batch_given = true;
    } else if (option_value(arguments, i, "--jobs", nullptr, value, error)) {
      if (!error.empty()) return failure(error);
      if (jobs_given) return failure("--jobs given twice");
      if (!parse_jobs(value, parsed.batch.jobs)) {
        return failure("--jobs needs a number from 1 to " + std::to_string(kMostJobs) + ", not " +
                       quoted(value));
      }
      jobs_given = true;
    } else if (argument.size() > 1 && argument[0] == '-') {
      return failure("unknown option " + quoted(argument) + " (see --help)");
    } else if (request.program != nullptr) {
      return failure("unexpected argument " + quoted(argument) + ": one PROGRAM only");
    } else {
      request.program = find_program(argument.c_str());
      if (request.program == nullptr) {
        return failure("unknown program " + quoted(argument) + " (ombra, velto or quirn)");
      }
    }
  }
  if (batch_given) {
    if (request.program != nullptr || !request.steps.empty() || format_given || output_given ||
        request.teaching.any() || curve_given || seed_given || request.teaching.reveal ||
        request.class_set.given || paper_given || questions_given || language_given) {
      return failure(
          "--batch takes no PROGRAM and no options but --jobs: each "
          "line has its own");
    }
    parsed.outcome = ParsedArguments::Outcome::kBatch;
    return parsed;
  }
  if (jobs_given) return failure("--jobs is for --batch only");
  if ((paper_given || questions_given) && !request.class_set.given) {
    return failure("--paper and --questions need --seeds");
  }
  if (request.program == nullptr) return failure("no PROGRAM given (ombra, velto or quirn)");
  if (!check_against_program(request, error)) return failure(error);
  if (!check_teaching(request, curve_given, seed_given, error)) return failure(error);
  parsed.outcome = ParsedArguments::Outcome::kRender;
  return parsed;
}

const char* format_name(Format format) {
  for (const FormatName& f : kFormats) {
    if (f.format == format) return f.name;
  }
  return "";
}

bool draws_picture(Format format) {
  return format == Format::kPng || format == Format::kSvg || format == Format::kPdf;
}

bool writes_to_standard_output(Format format) {
  return format == Format::kTrace || format == Format::kTracePrint || format == Format::kCsv ||
         format == Format::kPhasors;
}

int logical_picture_width(const RenderRequest& request) {
  return surface::kLogicalWidth + (request.teaching.phasor_panel ? kPhasorPanelWidth : 0);
}

std::string output_path(const RenderRequest& request) {
  // Standard output by its device name is written as standard output, never opened as a file.
  if (request.output == "/dev/stdout") return "";
  if (!request.output.empty() && request.output != "-") return request.output;
  if (writes_to_standard_output(request.format)) return "";
  return std::string(request.program->id) + "." + format_name(request.format);
}

const char* render_usage() {
  return R"(Usage: tessaly-render PROGRAM [--do STEPS] [--set NAME=VALUES] [--read FILE]...
                      [--format FORMAT] [--output FILE]
                      [--marker HZ [--curve N] [--phasor]] [--thick]
                      [--exercise f0|q [--seed N] [--reveal]]
                      [--exercise f0|q --seeds FIRST-LAST [--paper a4|letter] [--questions N]]
                      [--lang LANG]
       tessaly-render --link ADDRESS [--format FORMAT] [--output FILE]
       tessaly-render --batch FILE [--jobs N]

Draws a graph of Ombra, Velto or Quirn without a window. It replays what the window does: the
start-up paint, then every step with the repaint that follows it, so curves pile up in overlay
mode and state carries from one paint to the next.

  PROGRAM                ombra, velto or quirn
  --link ADDRESS         the graph a page's link carries: its program, do, set, marker,
                           curve, phasor and thick stand for the options of those names
                           ("...?program=ombra&do=302,502&marker=1200&phasor=1"); what
                           the render cannot take is left out and said so
  --do STEPS             comma-separated steps, applied in order:
                           a menu command that the program's menu offers among
                           201-204 (redraw, overlay, clear, data), 301-309 (circuit),
                           401-409 (analysis) and 501-505 (constant steps);
                           k and one typed character: k1 to k9 choose a circuit,
                           ka, kb, kc set the display magnification to 1.0, 1.2, 1.5,
                           kp, kq, kr the print magnification to 1.2, 1.0, 0.8 (nothing is
                           printed); every other character only repaints
  --set NAME=V1,V2,...   stores values as the settings dialog does on OK: each value read
                           like atof, its absolute value kept; an empty value stores 0,
                           values left out at the end keep their current value.
                           circuit_constants=L,C,R (Ombra, Quirn) or L,C (Velto);
                           graph_constants=START_HZ,STOP_HZ,Y_MIN,Y_MAX,POINTS of the
                             analysis selected at that step (Velto's reactance runs
                             from -Y_MIN to Y_MAX; Quirn's Y is |Z|);
                           display_magnification=M, print_magnification=M (Ombra,
                             Velto). Followed by an erasing repaint.
  --read FILE            reads a data file as the File menu's read does, followed by the
                           read's repaint; its values become the saved curve that step
                           204 draws over every graph (dashed, dark grey) until 203 or
                           the next read. A file that cannot be read leaves none.
  --format FORMAT        png (default)  the window's picture after the last repaint,
                                        640 x 480 pixels times the display magnification
                         svg            the same picture as vectors
                         pdf            one page as printing the final state draws it
                                        (600 dpi, a 96 dpi screen, the print magnification)
                         trace          the drawing primitives of the last window pass
                         trace-print    the drawing primitives of a print of the final
                                        state (600 dpi printer, 96 dpi screen)
                         dat            the data file after the last pass (8016 bytes)
                         csv            the stored points of the last curve:
                                        point,frequency_hz,value_1,value_2
                         phasors        the phasors of the marked curve at the marker:
                                        name,real,imaginary,magnitude,phase_deg
  --output FILE, -o FILE where to write; absent or -: standard output for trace,
                           trace-print, csv and phasors, PROGRAM.FORMAT in the current
                           folder for the others

  --marker HZ            after the steps, a marker at this frequency: a line through the
                           frequency frames, a point on the locus (dark cyan)
  --curve N              the curve of the marker and the diagram, 1 to 5 (default 1):
                           Ombra's five resistances, Velto's curve and its dashed L and C,
                           Quirn's elements in the order drawn
  --phasor               the phasor diagram beside the graph; pictures grow by 240 x the
                           display magnification
  --thick                lines twice as wide and the light colours (green, cyan, yellow)
                           darker, for a projector or a copier, as the window's
                           "投影用の太線"
  --exercise f0|q        a worksheet after the steps: random component values (Ombra,
                           Velto: f0; Ombra: Q of one of the five curves) with frames,
                           axes and legend but no curves, and the question below
  --seeds FIRST-LAST     a class set in one PDF (with --format pdf): a sheet for each seed
                           with a name line, a date line, the sheet's number, the graph
                           and room to work, then the answer key: per sheet the values
                           given, the formula with them put in and the answer
  --paper a4|letter      the class set's paper (default a4)
  --questions N          questions on each sheet, 1 to 4 (default 1); Ombra mixes f0 and Q
  --seed N               the worksheet's number: the same seed gives the same values
                           (default 1)
  --reveal               the answer to the worksheet: the curves, the true f0 (and for Q
                           the half-power frequencies) marked and printed

  --batch FILE           renders many graphs in one process: each line of FILE (- for
                           standard input) holds the arguments of one run, with its own
                           --output; blank lines and lines starting with # are skipped.
                           Words are split as a shell splits them, without expansions:
                           blanks separate, '...' and "..." quote, \ escapes. Each
                           output is what that run alone writes; standard output and
                           messages come in line order, messages as "line N: ...". A bad
                           line does not stop the others. Lines run at the same time: one
                           must not --read a file that another line of the batch writes.
  --jobs N               with --batch: renders at a time (default: one per core)
  --lang LANG            the language of the graph's texts: ja (the default) or en; data
                           files and CSV are the same in every language
  --help, -h             this text

--do, --set and --read may repeat; they apply in the order given.
Exit status: 0 done; 1 the output could not be written; 2 wrong arguments (nothing written).
With --batch, the worst status of its lines (2 also when FILE cannot be read).
)";
}

}  // namespace tessaly::interaction
