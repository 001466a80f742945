#include "web/program_json.h"

#include <cstdio>

#include "resources/program_resources.h"

namespace tessaly::web {

namespace {

using resources::ControlKind;
using resources::DialogControl;
using resources::DialogTemplate;
using resources::Menu;
using resources::MenuPopup;

void append_string(std::string& out, const char* text) {
  out += '"';
  for (const char* p = text ? text : ""; *p; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += *p;
    } else if (c < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += *p;
    }
  }
  out += '"';
}

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

void append_menu(std::string& out, const Menu& menu) {
  out += '[';
  for (int p = 0; p < menu.popup_count; ++p) {
    const MenuPopup& popup = menu.popups[p];
    if (p > 0) out += ',';
    out += "{\"text\":";
    append_string(out, popup.text);
    out += ",\"items\":[";
    for (int i = 0; i < popup.item_count; ++i) {
      if (i > 0) out += ',';
      out += "{\"command\":" + std::to_string(popup.items[i].command) + ",\"text\":";
      append_string(out, popup.items[i].text);
      out += '}';
    }
    out += "]}";
  }
  out += ']';
}

void append_dialog(std::string& out, const DialogTemplate* dialog) {
  if (!dialog) {
    out += "null";
    return;
  }
  out += "{\"name\":";
  append_string(out, dialog->name);
  out += ",\"caption\":";
  append_string(out, dialog->caption);
  out += ",\"width\":" + std::to_string(dialog->width) +
         ",\"height\":" + std::to_string(dialog->height) + ",\"controls\":[";
  for (int i = 0; i < dialog->control_count; ++i) {
    const DialogControl& c = dialog->controls[i];
    if (i > 0) out += ',';
    out += "{\"id\":" + std::to_string(c.id) + ",\"kind\":\"" + kind_name(c.kind) + "\",\"text\":";
    append_string(out, c.text);
    out += ",\"x\":" + std::to_string(c.x) + ",\"y\":" + std::to_string(c.y) +
           ",\"width\":" + std::to_string(c.width) + ",\"height\":" + std::to_string(c.height) +
           '}';
  }
  out += "]}";
}

// The commands of the bar that touch screens show in place of the keys: each constant's
// steps, then redraw, overlay and clear.
bool on_step_bar(int command) {
  return (command >= 501 && command <= 599) || (command >= 201 && command <= 203);
}

void append_step_bar(std::string& out, const Menu& menu) {
  out += '[';
  bool first = true;
  for (const int hundreds : {500, 200}) {
    for (int p = 0; p < menu.popup_count; ++p) {
      for (int i = 0; i < menu.popups[p].item_count; ++i) {
        const int command = menu.popups[p].items[i].command;
        if (command / 100 * 100 != hundreds || !on_step_bar(command)) continue;
        if (!first) out += ',';
        first = false;
        out += std::to_string(command);
      }
    }
  }
  out += ']';
}

}  // namespace

std::string program_json(const ProgramDescriptor& program) {
  std::string out = "{\"id\":";
  append_string(out, program.id);
  out += ",\"name\":";
  append_string(out, program.display_name);
  out += ",\"help\":";
  append_string(out, program.help_text);
  out += ",\"menu\":";
  append_menu(out, *resources::resources_of(program).menu);
  out += ",\"stepBar\":";
  append_step_bar(out, *resources::resources_of(program).menu);
  out += ",\"dialogs\":[";
  for (int d = 0; d < 3; ++d) {
    if (d > 0) out += ',';
    append_dialog(out, resources::resources_of(program).dialogs[d]);
  }
  out += "]}";
  return out;
}

}  // namespace tessaly::web
