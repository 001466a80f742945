#include "fuzz/session.h"

#include "core/reference_curve.h"
#include "programs/passes.h"
#include "resources/commands.h"

namespace tessaly::fuzz {

namespace {

constexpr int kDialogValues = 5;
constexpr int kPointCountIndex = 4;

int menu_command(FuzzInput& in) {
  static const int kCommands[] = {101, 102, 103, 104, 201, 202, 203, 204, 301, 302, 303, 304,
                                  305, 306, 307, 308, 309, 401, 402, 403, 404, 405, 406, 407,
                                  408, 409, 501, 502, 503, 504, 505, 601, 602, 603, 701, 702};
  constexpr int kCount = sizeof kCommands / sizeof kCommands[0];
  const int pick = in.byte();
  return pick < kCount * 7 ? kCommands[pick % kCount] : static_cast<int>(in.dword());
}

// The digit keys and menus reach 1 to 9; the tables must also survive what lies around them.
int index_value(FuzzInput& in) {
  const int pick = in.byte();
  return pick < 240 ? pick % 12 - 1 : static_cast<int>(in.dword());
}

// The menus step by one from 0; a counter far out makes powers and factors overflow.
double step_value(FuzzInput& in) {
  const int pick = in.byte();
  return pick < 200 ? pick % 61 - 30 : in.telling_double();
}

double magnification(FuzzInput& in) {
  static const double kKeys[] = {1.0, 1.2, 1.5};
  const int pick = in.byte();
  return pick < 192 ? kKeys[pick % 3] : in.telling_double();
}

// A sweep costs a model call per point: mostly a handful of points, sometimes the value as it
// stands, sometimes anything.
double point_count(FuzzInput& in, double current) {
  const int pick = in.byte();
  if (pick < 32) return current;
  return pick < 224 ? pick % 44 - 3 : in.telling_double();
}

void set_dialog_value(FuzzInput& in, Session& session) {
  const int pick = in.byte();
  const ProgramDescriptor& program = *session.program;
  const ValueList& list = pick & 1 ? program.graph_constants : program.circuit_constants;
  const int index = (pick >> 1) % kDialogValues;
  double& value = list.row(session)[index];
  value = (pick & 1) && index == kPointCountIndex ? point_count(in, value) : in.telling_double();
}

// The read command's file, made of telling values: a saved curve may hold anything, and may
// end anywhere.
void read_file_from(FuzzInput& in, Session& session) {
  const int entries = in.in_range(0, 2 * kStoredPoints);
  for (int i = 0; i < 2 * kStoredPoints; ++i) {
    const double value = i < entries ? in.telling_double() : 0.0;
    if (i < kStoredPoints) {
      session.plot_values_1[i] = value;
    } else {
      session.plot_values_2[i - kStoredPoints] = value;
    }
  }
  keep_reference(session, static_cast<std::size_t>(entries) * sizeof(double));
}

// Resolutions as platforms report them: screens of 72 to 288 dpi, printers up to 2400.
void draw(FuzzInput& in, FuzzWindow& window, surface::Backend& backend) {
  if (in.byte() & 1) {
    const int dpi = in.byte() < 224 ? 96 : in.in_range(72, 288);
    window_pass(window.session, window.graph, backend, dpi, dpi);
  } else {
    static const int kPrinterDpi[] = {300, 600, 360, 1200};
    const int pick = in.byte();
    const int dpi_x = pick < 224 ? kPrinterDpi[pick % 4] : in.in_range(72, 2400);
    const int dpi_y = pick < 224 ? dpi_x : in.in_range(72, 2400);
    print_pass(window.session, window.graph, backend, dpi_x, dpi_y);
  }
}

}  // namespace

const ProgramDescriptor& pick_program(FuzzInput& in) {
  switch (in.byte() % 3) {
    case 0:
      return ombra_program();
    case 1:
      return velto_program();
    default:
      return quirn_program();
  }
}

void play_session(FuzzInput& in, FuzzWindow& window, surface::Backend& backend, int max_passes,
                  PassCheck after_pass) {
  Session& session = window.session;
  const ProgramDescriptor& program = *session.program;
  const ValueList& graph_constants = program.graph_constants;
  if (graph_constants.count > kPointCountIndex) {
    double& points = graph_constants.row(session)[kPointCountIndex];
    points = point_count(in, points);
  }
  int passes = 0;
  while (!in.empty() && passes < max_passes) {
    switch (in.byte() % 10) {
      case 0:
        if (apply_menu_command(session, menu_command(in)).action == ShellAction::kReadFile) {
          read_file_from(in, session);
        }
        break;
      case 1:
        apply_typed_character(session, static_cast<char>(in.byte()));
        break;
      case 2:
        session.circuit_index = index_value(in);
        break;
      case 3:
        session.analysis_index = index_value(in);
        break;
      case 4:
        session.step_count = step_value(in);
        break;
      case 5:
        session.step_count2 = step_value(in);
        break;
      case 6:
        set_dialog_value(in, session);
        break;
      case 7:
        session.display_magnification = magnification(in);
        break;
      case 8:
        session.print_magnification = magnification(in);
        break;
      default:
        draw(in, window, backend);
        after_pass(session, backend);
        ++passes;
        break;
    }
  }
  if (passes == 0) {
    window_pass(session, window.graph, backend, 96, 96);
    after_pass(session, backend);
  }
}

}  // namespace tessaly::fuzz
