// The dialog templates "DLG1" to "DLG3" (geometry in dialog units, controls in tab order); each
// program's descriptor names the ones it has.
#pragma once

#include "core/catalog.h"

namespace tessaly {

enum class ControlKind { kDefaultButton, kButton, kStatic, kEdit, kGroupBox };

struct DialogControl {
  int id;
  ControlKind kind;
  const char* text;
  int x, y, width, height;  // dialog units
  bool tab_stop;
};

struct DialogTemplate {
  const char* name;  // "DLG1"
  const char* caption;
  const char* font;
  int font_size;
  int x, y, width, height;  // dialog units, relative to the owner's client area
  const DialogControl* controls;
  int control_count;
};

constexpr int kFirstEditId = 3000;

extern const DialogTemplate circuit_constants_dialog;  // "DLG1"
// Velto's "DLG1": the L and C rows only.
extern const DialogTemplate lc_circuit_constants_dialog;
extern const DialogTemplate graph_constants_dialog;  // "DLG2"
extern const DialogTemplate magnification_dialog;    // "DLG3"

}  // namespace tessaly
