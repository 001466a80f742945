#include "interaction/dialog_settings.h"

#include <algorithm>

#include "core/dialog_values.h"
#include "core/session.h"
#include "programs/descriptor.h"

namespace tessaly::interaction {

namespace {

constexpr int kMaxDialogValues = 5;
constexpr const char* kNames[] = {"circuit_constants", "graph_constants", "display_magnification",
                                  "print_magnification"};

// Which of a dialog's edit boxes a name covers. No list: the two magnifications of "DLG3".
struct Binding {
  const ValueList* list;
  int count;
  int first;
  int span;
};

// The list in force when the setting is stored: graph constants follow the analysis selected.
Binding list_binding(const ValueList& list, bool has_dialog) {
  Binding binding{};
  if (!has_dialog) return binding;
  binding.list = &list;
  binding.count = list.row != nullptr ? std::clamp(list.count, 0, kMaxDialogValues) : 0;
  binding.span = binding.count;
  return binding;
}

Binding magnification_binding(const ProgramDescriptor& program, int which) {
  Binding binding{};
  if (program.dialogs[2] == nullptr) return binding;
  binding.count = 2;
  binding.first = which;
  binding.span = 1;
  return binding;
}

Binding bind(const ProgramDescriptor& program, const std::string& name) {
  if (name == kNames[0]) return list_binding(program.circuit_constants, program.dialogs[0]);
  if (name == kNames[1]) return list_binding(program.graph_constants, program.dialogs[1]);
  if (name == kNames[2]) return magnification_binding(program, 0);
  if (name == kNames[3]) return magnification_binding(program, 1);
  return Binding{};
}

}  // namespace

int setting_capacity(const ProgramDescriptor& program, const std::string& name) {
  return bind(program, name).span;
}

void store_setting(Session& session, const std::string& name,
                   const std::vector<std::string>& texts) {
  const Binding binding = bind(*session.program, name);
  double* values[kMaxDialogValues] = {&session.display_magnification, &session.print_magnification};
  if (binding.list != nullptr && binding.count > 0) {
    double* const row = binding.list->row(session);
    for (int i = 0; i < binding.count; ++i) values[i] = &row[i];
  }
  char shown[kMaxDialogValues][kEditTextCapacity];
  const char* boxes[kMaxDialogValues];
  for (int i = 0; i < binding.count; ++i) {
    format_edit_value(*values[i], shown[i]);
    boxes[i] = shown[i];
  }
  for (std::size_t t = 0; t < texts.size() && static_cast<int>(t) < binding.span; ++t) {
    boxes[binding.first + t] = texts[t].c_str();
  }
  for (int i = 0; i < binding.count; ++i) *values[i] = read_edit_value(boxes[i]);
}

std::string setting_names(const ProgramDescriptor& program) {
  std::string names;
  for (const char* name : kNames) {
    const int capacity = setting_capacity(program, name);
    if (capacity == 0) continue;
    if (!names.empty()) names += ", ";
    names += name;
    names += " (" + std::to_string(capacity) + ")";
  }
  return names;
}

}  // namespace tessaly::interaction
