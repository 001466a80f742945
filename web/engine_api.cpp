#include "web/engine_api.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <string>

#include "graph/readout.h"
#include "models/commands.h"
#include "models/data_file.h"
#include "models/dialog_values.h"
#include "models/passes.h"
#include "models/program.h"
#include "models/reference.h"
#include "models/state.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"
#include "web/program_json.h"

namespace {

using namespace tessaly;

// CSS pixels: a browser has 96 to the inch whatever the screen.
constexpr int kCssDpi = 96;
constexpr int kMaxDialogValues = 5;

const ProgramDescriptor* running = nullptr;
surface::RecordingBackend recorder;
std::string text_out;
std::string program_json_out;
unsigned char file_bytes[kDataFileBytes];
unsigned char saved_bytes[kDataFileBytes];
char edit_texts[kMaxDialogValues][kEditTextCapacity];

int packed(const CommandOutcome& outcome) {
  return (outcome.accepted ? 1 : 0) | static_cast<int>(outcome.repaint) << 1 |
         static_cast<int>(outcome.action) << 4;
}

// The values a dialog edits now: the magnification dialog's two, or the list a program binds.
struct BoundValues {
  double* values = nullptr;
  int count = 0;
};
double magnifications[2];

BoundValues bound_values(int dialog) {
  if (!running || dialog < 0 || dialog > 2 || !running->dialogs[dialog]) return {};
  if (dialog == 2) {
    magnifications[0] = display_magnification;
    magnifications[1] = print_magnification;
    return {magnifications, 2};
  }
  const ValueList& list = dialog == 0 ? running->circuit_constants : running->graph_constants;
  if (!list.row || !list.count) return {};
  const int count = std::clamp(*list.count, 0, kMaxDialogValues);
  return {count > 0 ? list.row() : nullptr, count};
}

const char* pass_list() {
  return recorder.trace().c_str();
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tessaly_start(const char* program_id) {
  const ProgramDescriptor* program = find_program(program_id);
  if (!program) return 0;
  running = program;
  activate_program(*program);
  program_json_out = web::program_json(*program);
  return 1;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_program_json() {
  return program_json_out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_window_pass() {
  recorder.clear_trace();
  surface::Backend* const idle = surface::current_dc;
  window_pass(recorder, kCssDpi, kCssDpi);
  surface::current_dc = idle;
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_print_pass(int dpi) {
  recorder.clear_trace();
  print_pass(recorder, dpi, dpi);
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE int tessaly_list_length() {
  return static_cast<int>(recorder.trace().size());
}

EMSCRIPTEN_KEEPALIVE double tessaly_display_magnification() {
  return drawn_magnification(display_magnification);
}

EMSCRIPTEN_KEEPALIVE double tessaly_print_magnification() {
  return drawn_magnification(print_magnification);
}

EMSCRIPTEN_KEEPALIVE int tessaly_command(int command) {
  if (!running) return 0;
  return packed(apply_menu_command(*running, command));
}

EMSCRIPTEN_KEEPALIVE int tessaly_key(int character) {
  // Only ASCII means anything; every other character still alerts and wipes the window.
  const char typed = character > 0 && character < 0x80 ? static_cast<char>(character) : '\0';
  return packed(apply_typed_character(typed));
}

EMSCRIPTEN_KEEPALIVE int tessaly_dialog_count(int dialog) {
  return bound_values(dialog).count;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_dialog_text(int dialog, int index) {
  const BoundValues bound = bound_values(dialog);
  if (index < 0 || index >= bound.count) return "";
  // The box starts with the value's text: OK stores it again unless the page replaces it.
  format_edit_value(bound.values[index], edit_texts[index]);
  return edit_texts[index];
}

EMSCRIPTEN_KEEPALIVE void tessaly_dialog_set(int dialog, int index, const char* text) {
  if (index < 0 || index >= bound_values(dialog).count) return;
  // The box hands over what fits; read_edit_value itself sees no more than its limit.
  std::string kept(text);
  kept.resize(std::min(kept.size(), kEditTextCapacity - 1));
  std::copy(kept.begin(), kept.end(), edit_texts[index]);
  edit_texts[index][kept.size()] = '\0';
}

EMSCRIPTEN_KEEPALIVE void tessaly_dialog_ok(int dialog) {
  const BoundValues bound = bound_values(dialog);
  for (int i = 0; i < bound.count; ++i) bound.values[i] = read_edit_value(edit_texts[i]);
  if (dialog == 2 && bound.count == 2) {
    display_magnification = magnifications[0];
    print_magnification = magnifications[1];
  }
}

EMSCRIPTEN_KEEPALIVE unsigned char* tessaly_file_buffer() {
  return file_bytes;
}

EMSCRIPTEN_KEEPALIVE void tessaly_read_file(int size) {
  const std::size_t used = std::min<std::size_t>(size > 0 ? size : 0, kDataFileBytes);
  decode_plot_values(file_bytes, used);
  keep_reference(used);
}

EMSCRIPTEN_KEEPALIVE const unsigned char* tessaly_save_file() {
  encode_plot_values(saved_bytes);
  return saved_bytes;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_readout(double x, double y) {
  char text[256];
  graph::format_readout(text, sizeof text, graph::readout_at(x, y));
  text_out = text;
  return text_out.c_str();
}

EMSCRIPTEN_KEEPALIVE int tessaly_take_error() {
  int code = 0;
  return surface::take_pending_error(&code) ? code : 0;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_error_message(int code) {
  const char* message = surface::error_message(code);
  return message ? message : "";
}
}
