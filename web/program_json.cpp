#include "web/program_json.h"

#include "core/data_file.h"
#include "interaction/render_request.h"
#include "programs/descriptor.h"
#include "programs/phasor_panel.h"
#include "resources/commands.h"
#include "surface/surface.h"
#include "web/json_text.h"

namespace tessaly::web {

namespace {

const char* kind_name(ControlKind kind) {
  switch (kind) {
    case ControlKind::kDefaultButton:
      return "default";
    case ControlKind::kButton:
      return "button";
    case ControlKind::kStatic:
      return "static";
    case ControlKind::kEdit:
      return "edit";
    case ControlKind::kGroupBox:
      return "group";
  }
  return "";
}

void append_popup(std::string& out, const MenuPopup& popup, const text::Language& language) {
  out += "{\"text\":";
  append_json_string(out, text::localized(language, popup.text));
  out += ",\"items\":[";
  for (int i = 0; i < popup.item_count; ++i) {
    if (i > 0) out += ',';
    out += "{\"command\":" + std::to_string(popup.items[i].command) + ",\"text\":";
    append_json_string(out, text::localized(language, popup.items[i].text));
    out += '}';
  }
  out += "]}";
}

void append_menu(std::string& out, const Menu& menu, const text::Language& language) {
  out += '[';
  for (int p = 0; p < menu.popup_count; ++p) {
    if (p > 0) out += ',';
    append_popup(out, menu.popups[p], language);
  }
  out += ']';
}

template <typename Value>
struct Named {
  const char* name;
  Value value;
};

template <typename Value, std::size_t N>
void append_names(std::string& out, const Named<Value> (&names)[N]) {
  out += '{';
  for (std::size_t i = 0; i < N; ++i) {
    if (i > 0) out += ',';
    append_json_string(out, names[i].name);
    out += ':' + std::to_string(static_cast<int>(names[i].value));
  }
  out += '}';
}

// What the page would otherwise keep a second copy of: the screen, the palette, the file
// size, the class set's limits and the numbers of commands, actions and repaints.
void append_engine(std::string& out) {
  using namespace commands;
  constexpr Named<int> kCommands[] = {{"readFile", kReadFile},
                                      {"phasorDiagram", kPhasorDiagram},
                                      {"exerciseResonance", kExerciseResonance},
                                      {"exerciseQuality", kExerciseQuality},
                                      {"leaveExercise", kLeaveExercise}};
  constexpr Named<ShellAction> kActions[] = {
      {"NONE", ShellAction::kNone},           {"READ", ShellAction::kReadFile},
      {"SAVE", ShellAction::kSaveFile},       {"PRINT", ShellAction::kPrint},
      {"QUIT", ShellAction::kQuit},           {"DIALOG1", ShellAction::kCircuitDialog},
      {"DIALOG2", ShellAction::kGraphDialog}, {"DIALOG3", ShellAction::kMagnificationDialog},
      {"HELP", ShellAction::kHelp},           {"VERSION", ShellAction::kVersion}};
  constexpr Named<Repaint> kRepaints[] = {
      {"NONE", Repaint::kNone}, {"ERASE", Repaint::kErase}, {"OVERLAY", Repaint::kOverlay}};
  out += "{\"logicalWidth\":" + std::to_string(surface::kLogicalWidth) +
         ",\"logicalHeight\":" + std::to_string(surface::kLogicalHeight) +
         ",\"panelWidth\":" + std::to_string(kPhasorPanelWidth) +
         ",\"screenDpi\":" + std::to_string(kCssDpi) +
         ",\"dataFileBytes\":" + std::to_string(kDataFileBytes) +
         ",\"mostSheets\":" + std::to_string(interaction::kMostSheets) +
         ",\"mostQuestions\":" + std::to_string(interaction::kMostQuestions) + ",\"palette\":[";
  for (int c = 0; c < 16; ++c) {
    const surface::Rgb rgb = surface::kPaletteRgb[c];
    if (c > 0) out += ',';
    out += '[' + std::to_string(rgb.r) + ',' + std::to_string(rgb.g) + ',' + std::to_string(rgb.b) +
           ']';
  }
  out += "],\"commands\":";
  append_names(out, kCommands);
  out += ",\"actions\":";
  append_names(out, kActions);
  out += ",\"repaints\":";
  append_names(out, kRepaints);
  out += '}';
}

void append_dialog(std::string& out, const DialogTemplate* dialog, const text::Language& language) {
  if (!dialog) {
    out += "null";
    return;
  }
  out += "{\"name\":";
  append_json_string(out, dialog->name);
  out += ",\"caption\":";
  append_json_string(out, text::localized(language, dialog->caption));
  out += ",\"width\":" + std::to_string(dialog->width) +
         ",\"height\":" + std::to_string(dialog->height) + ",\"controls\":[";
  for (int i = 0; i < dialog->control_count; ++i) {
    const DialogControl& c = dialog->controls[i];
    if (i > 0) out += ',';
    out += "{\"id\":" + std::to_string(c.id) + ",\"kind\":\"" + kind_name(c.kind) + "\",\"text\":";
    append_json_string(out, text::localized(language, c.text));
    out += ",\"x\":" + std::to_string(c.x) + ",\"y\":" + std::to_string(c.y) +
           ",\"width\":" + std::to_string(c.width) + ",\"height\":" + std::to_string(c.height) +
           '}';
  }
  out += "]}";
}

// The commands of the bar that touch screens show in place of the keys: each constant's
// steps, then redraw, overlay and clear, in the menu's own order within each group.
void append_step_bar(std::string& out, const Menu& menu) {
  using namespace commands;
  constexpr struct { int first, last; } kGroups[] = {{kStepUp, kSecondStepDown}, {kRedraw, kClear}};
  out += '[';
  bool first = true;
  for (const auto& group : kGroups) {
    for (int p = 0; p < menu.popup_count; ++p) {
      for (int i = 0; i < menu.popups[p].item_count; ++i) {
        const int command = menu.popups[p].items[i].command;
        if (command < group.first || command > group.last) continue;
        if (!first) out += ',';
        first = false;
        out += std::to_string(command);
      }
    }
  }
  out += ']';
}

void append_languages(std::string& out) {
  out += '[';
  for (int i = 0; i < text::language_count(); ++i) {
    if (i > 0) out += ',';
    out += "{\"code\":";
    append_json_string(out, text::language_at(i).code);
    out += ",\"name\":";
    append_json_string(out, text::language_at(i).name);
    out += '}';
  }
  out += ']';
}

}  // namespace

std::string program_json(const ProgramDescriptor& program, const text::Language& language) {
  std::string out = "{\"id\":";
  append_json_string(out, program.id);
  out += ",\"name\":";
  append_json_string(out, program.display_name);
  out += ",\"help\":";
  append_json_string(out, text::localized(language, program.help_text));
  out += ",\"menu\":";
  append_menu(out, *program.menu, language);
  out += ",\"teaching\":";
  append_popup(out, *program.teaching_popup, language);
  out += ",\"stepBar\":";
  append_step_bar(out, *program.menu);
  out += ",\"engine\":";
  append_engine(out);
  out += ",\"dialogs\":[";
  for (int d = 0; d < 3; ++d) {
    if (d > 0) out += ',';
    append_dialog(out, program.dialogs[d], language);
  }
  out += "],\"language\":";
  append_json_string(out, language.code);
  out += ",\"languages\":";
  append_languages(out);
  out += '}';
  return out;
}

}  // namespace tessaly::web
