#include "web/engine_api.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/data_file.h"
#include "core/dialog_values.h"
#include "core/reference_curve.h"
#include "core/session.h"
#include "graph/context.h"
#include "graph/legend_transcript.h"
#include "graph/readout.h"
#include "interaction/class_set.h"
#include "interaction/link.h"
#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "interaction/teaching.h"
#include "programs/descriptor.h"
#include "programs/instance.h"
#include "programs/passes.h"
#include "resources/commands.h"
#include "surface/recording_backend.h"
#include "surface/surface.h"
#include "web/class_set_json.h"
#include "web/program_json.h"

namespace {

using namespace tessaly;

constexpr int kMaxDialogValues = 5;

// The one program a page runs, owned here as the window owns its own.
struct Page : ProgramInstance {
  Page(const ProgramDescriptor& program, const text::Language& language)
      : ProgramInstance(program, language), teaching(*this) {}

  interaction::Teaching teaching;
  surface::RecordingBackend recorder;
  graph::LegendTranscript legend;
  std::string text_out;
  std::string description_out;
  std::string program_json_out;
  unsigned char file_bytes[kDataFileBytes] = {};
  unsigned char saved_bytes[kDataFileBytes] = {};
  char edit_texts[kMaxDialogValues][kEditTextCapacity] = {};
  double magnifications[2] = {};
  // The last class set laid out, whose graphs the page then asks for one by one.
  interaction::RenderRequest class_set;
  std::vector<web::ClassSetGraph> class_set_graphs;
  std::string class_set_out;
};

std::unique_ptr<Page> page;
// The language the page chose; a program started later (a link's) keeps it.
const text::Language* page_language = &text::source_language();
std::string link_notes;
std::string link_out;

int packed(const CommandOutcome& outcome) {
  return (outcome.accepted ? 1 : 0) | static_cast<int>(outcome.repaint) << 1 |
         static_cast<int>(outcome.action) << 4;
}

// The values a dialog edits now: the magnification dialog's two, or the list a program binds.
struct BoundValues {
  double* values = nullptr;
  int count = 0;
};
BoundValues bound_values(int dialog) {
  if (!page || dialog < 0 || dialog > 2) return {};
  const ProgramDescriptor& program = *page->session.program;
  if (!program.dialogs[dialog]) return {};
  if (dialog == 2) {
    page->magnifications[0] = page->session.display_magnification;
    page->magnifications[1] = page->session.print_magnification;
    return {page->magnifications, 2};
  }
  const ValueList& list = dialog == 0 ? program.circuit_constants : program.graph_constants;
  if (!list.row || !list.count) return {};
  const int count = std::clamp(list.count, 0, kMaxDialogValues);
  return {count > 0 ? list.row(page->session) : nullptr, count};
}

int packed(const interaction::TeachingOutcome& outcome) {
  return (outcome.handled ? 1 : 0) | static_cast<int>(outcome.repaint) << 1 |
         (outcome.overlay_changed ? 8 : 0) | (outcome.panel_toggled ? 16 : 0);
}

const char* pass_list() {
  return page->recorder.trace().c_str();
}

// A link's replay: its last pass into the recorder and its legend into the page's words, as a
// window pass of the page would; the passes before it draw nothing and say nothing.
class LinkPassTarget final : public interaction::PassTarget {
 public:
  LinkPassTarget(int last, Page& on) : last_(last), page_(on) {}
  surface::Backend& begin_pass(interaction::HeadlessWindow& window, int index, bool) override {
    page_.legend.clear();
    window.graph.legend_transcript = index == last_ ? &page_.legend : nullptr;
    if (index == last_) return page_.recorder;
    return discard_;
  }

 private:
  int last_;
  Page& page_;
  surface::NullBackend discard_;
};

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int tessaly_start(const char* program_id) {
  const ProgramDescriptor* program = find_program(program_id);
  if (!program) return 0;
  page = std::make_unique<Page>(*program, *page_language);
  page->program_json_out = web::program_json(*program, *page_language);
  return 1;
}

EMSCRIPTEN_KEEPALIVE int tessaly_set_language(const char* code) {
  const text::Language* language = text::find_language(code ? code : "");
  if (language == nullptr) return 0;
  page_language = language;
  return 1;
}

// A text of the page's own in the page's language (the source text itself where there is no
// translation).
EMSCRIPTEN_KEEPALIVE const char* tessaly_localized(const char* source) {
  return text::localized(*page_language, source);
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_program_json() {
  return page ? page->program_json_out.c_str() : "";
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_window_pass() {
  if (!page) return "";
  page->recorder.clear_trace();
  // Only the window's pass speaks: the description is of the picture on the screen.
  page->legend.clear();
  page->graph.legend_transcript = &page->legend;
  window_pass(page->session, page->graph, page->recorder, web::kCssDpi, web::kCssDpi);
  page->graph.legend_transcript = nullptr;
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_print_pass(int dpi) {
  if (!page) return "";
  page->recorder.clear_trace();
  print_pass(page->session, page->graph, page->recorder, dpi, dpi);
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE int tessaly_list_length() {
  return page ? static_cast<int>(page->recorder.trace().size()) : 0;
}

EMSCRIPTEN_KEEPALIVE double tessaly_display_magnification() {
  return page ? drawn_magnification(page->session.display_magnification) : 1.0;
}

EMSCRIPTEN_KEEPALIVE double tessaly_print_magnification() {
  return page ? drawn_magnification(page->session.print_magnification) : 1.0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_command(int command) {
  if (!page) return 0;
  return packed(apply_menu_command(page->session, command));
}

EMSCRIPTEN_KEEPALIVE int tessaly_key(int character) {
  // Only ASCII means anything; every other character still alerts and wipes the window.
  const char typed = character > 0 && character < 0x80 ? static_cast<char>(character) : '\0';
  if (!page) return 0;
  return packed(apply_typed_character(page->session, typed));
}

EMSCRIPTEN_KEEPALIVE int tessaly_dialog_count(int dialog) {
  return bound_values(dialog).count;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_dialog_text(int dialog, int index) {
  const BoundValues bound = bound_values(dialog);
  if (index < 0 || index >= bound.count) return "";
  // The box starts with the value's text: OK stores it again unless the page replaces it.
  format_edit_value(bound.values[index], page->edit_texts[index]);
  return page->edit_texts[index];
}

EMSCRIPTEN_KEEPALIVE void tessaly_dialog_set(int dialog, int index, const char* text) {
  if (index < 0 || index >= bound_values(dialog).count) return;
  // The box hands over what fits; read_edit_value itself sees no more than its limit.
  std::string kept(text);
  kept.resize(std::min(kept.size(), kEditTextCapacity - 1));
  std::copy(kept.begin(), kept.end(), page->edit_texts[index]);
  page->edit_texts[index][kept.size()] = '\0';
}

EMSCRIPTEN_KEEPALIVE void tessaly_dialog_ok(int dialog) {
  const BoundValues bound = bound_values(dialog);
  for (int i = 0; i < bound.count; ++i) bound.values[i] = read_edit_value(page->edit_texts[i]);
  if (dialog == 2 && bound.count == 2) {
    page->session.display_magnification = page->magnifications[0];
    page->session.print_magnification = page->magnifications[1];
  }
}

EMSCRIPTEN_KEEPALIVE unsigned char* tessaly_file_buffer() {
  return page ? page->file_bytes : nullptr;
}

EMSCRIPTEN_KEEPALIVE void tessaly_read_file(int size) {
  if (!page) return;
  const std::size_t used = std::min<std::size_t>(size > 0 ? size : 0, kDataFileBytes);
  decode_plot_values(page->session, page->file_bytes, used);
  keep_reference(page->session, used);
}

EMSCRIPTEN_KEEPALIVE const unsigned char* tessaly_save_file() {
  if (!page) return nullptr;
  encode_plot_values(page->session, page->saved_bytes);
  return page->saved_bytes;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_readout(double x, double y) {
  if (!page) return "";
  char text[256];
  graph::format_readout(text, sizeof text, graph::readout_at(page->graph, x, y),
                        *page->graph.language);
  page->text_out = text;
  return page->text_out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_describe() {
  if (!page) return "";
  page->description_out = page->graph.graph_settings.title;
  const std::string legend = page->legend.text(*page->graph.language);
  if (!legend.empty()) page->description_out += "\n" + legend;
  return page->description_out.c_str();
}

EMSCRIPTEN_KEEPALIVE int tessaly_take_error() {
  int code = 0;
  return page && page->surface.take_pending_error(&code) ? code : 0;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_error_message(int code) {
  const char* message = text::localized(*page_language, surface::error_message(code));
  return message ? message : "";
}

EMSCRIPTEN_KEEPALIVE int tessaly_teaching_command(int command) {
  return page ? packed(page->teaching.command(command)) : 0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_teaching_key(int key, const char* text) {
  using interaction::TeachingKey;
  if (!page || key < 0 || key > 3) return 0;
  const TeachingKey keys[] = {TeachingKey::kEscape, TeachingKey::kEnter, TeachingKey::kBackspace,
                              TeachingKey::kText};
  return packed(page->teaching.key(keys[key], text ? text : ""));
}

EMSCRIPTEN_KEEPALIVE int tessaly_pointer_at(double x, double y) {
  return page ? packed(page->teaching.pointer_at(x, y)) : 0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_pointer_left() {
  return page ? packed(page->teaching.pointer_left()) : 0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_click_at(double x, double y) {
  return page ? packed(page->teaching.click_at(x, y)) : 0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_lock_marker(double frequency, int curve) {
  return page ? packed(page->teaching.lock_marker_at(frequency, curve)) : 0;
}

EMSCRIPTEN_KEEPALIVE int tessaly_predict(const char* text) {
  return page ? packed(page->teaching.predict_text(text ? text : "")) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_overlay_pass() {
  if (!page) return "";
  page->recorder.clear_trace();
  page->teaching.draw_overlay(page->recorder,
                              drawn_magnification(page->session.display_magnification));
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_teaching_status() {
  return page ? page->teaching.status().c_str() : "";
}

EMSCRIPTEN_KEEPALIVE int tessaly_teaching_state() {
  if (!page) return 0;
  const interaction::Teaching& t = page->teaching;
  return (t.panel_shown() ? 1 : 0) | (t.awaits_prediction() ? 2 : 0) | (t.marker_locked() ? 4 : 0);
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_follow_link(const char* query) {
  link_notes.clear();
  const interaction::LinkArguments link = interaction::link_arguments(query ? query : "");
  for (const std::string& note : link.ignored) link_notes += note + "\n";
  const interaction::ParsedArguments parsed = interaction::parse_render_arguments(link.arguments);
  if (parsed.outcome != interaction::ParsedArguments::Outcome::kRender) {
    if (!parsed.error.empty()) link_notes += parsed.error + "\n";
    return "";
  }
  const interaction::RenderRequest& request = parsed.request;
  tessaly_start(request.program->id);
  page->recorder.clear_trace();
  LinkPassTarget target(interaction::plan_repaints(*request.program, request.steps).last_pass(),
                        *page);
  interaction::replay(*page, request.steps, target);
  page->graph.legend_transcript = nullptr;
  // From here on the teaching views draw the marker and the diagram over the kept picture,
  // as they do for a pointer, instead of every pass drawing them.
  const interaction::TeachingOptions& t = request.teaching;
  if (t.phasor_panel) page->teaching.command(commands::kPhasorDiagram);
  if (t.marker) page->teaching.lock_marker_at(t.marker_hz, t.curve - 1);
  page->session.teaching.marker.shown = false;
  page->session.teaching.phasor_panel = false;
  return pass_list();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_link_notes() {
  return link_notes.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_state_link() {
  if (!page) return "";
  link_out = interaction::state_link(page->session, page->teaching);
  return link_out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_class_set(const char* exercise, const char* seeds,
                                                   const char* paper, int questions) {
  if (!page) return "";
  page->class_set_out.clear();
  page->class_set_graphs.clear();
  const interaction::ParsedArguments parsed = interaction::parse_render_arguments(
      {page->session.program->id, "--exercise", exercise ? exercise : "", "--seeds",
       seeds ? seeds : "", "--paper", paper ? paper : "", "--questions", std::to_string(questions),
       "--format", "pdf"});
  if (parsed.outcome != interaction::ParsedArguments::Outcome::kRender) return "";
  page->class_set = parsed.request;
  page->class_set.language = page_language;
  page->class_set_out = web::class_set_json(page->class_set, page->class_set_graphs);
  return page->class_set_out.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* tessaly_class_set_graph(int index, int dpi) {
  if (!page || index < 0 || index >= static_cast<int>(page->class_set_graphs.size())) return "";
  const web::ClassSetGraph& graph = page->class_set_graphs[index];
  interaction::HeadlessWindow window(*page->class_set.program, *page->class_set.language);
  interaction::replay_question(window, page->class_set, graph.question);
  window.session.print_magnification = graph.magnification;
  page->recorder.clear_trace();
  print_pass(window.session, window.graph, page->recorder, dpi, dpi);
  return pass_list();
}
}
