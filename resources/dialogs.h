// The dialog templates "DLG1" to "DLG3" (geometry in dialog units, controls in tab order).
#pragma once

#include "models/program.h"

namespace tessaly::resources {

constexpr int kFirstEditId = 3000;

extern const DialogTemplate circuit_constants_dialog;  // "DLG1"
// Velto's "DLG1": the L and C rows only.
extern const DialogTemplate lc_circuit_constants_dialog;
extern const DialogTemplate graph_constants_dialog;  // "DLG2"
extern const DialogTemplate magnification_dialog;    // "DLG3"

}  // namespace tessaly::resources
