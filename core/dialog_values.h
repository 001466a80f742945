// Numbers in the settings dialogs' edit boxes: how a value is shown and how the text that OK
// finds is stored. The dialogs of the shell and the renderer's --set share it.
#pragma once

#include <cstddef>

namespace tessaly {

// An edit box hands over at most this many characters; the rest is not seen.
constexpr std::size_t kEditTextLimit = 49;
constexpr std::size_t kEditTextCapacity = 64;

// The text an edit box shows for a value: "%g".
void format_edit_value(double value, char (&out)[kEditTextCapacity]);

// The value OK stores for an edit box's text: its first kEditTextLimit characters read like
// atof in the C locale (white space, sign, digits, point, exponent; no number gives 0), then
// made positive.
double read_edit_value(const char* text);

}  // namespace tessaly
