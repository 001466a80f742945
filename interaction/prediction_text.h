// A student's prediction as typed: a number, perhaps with an SI prefix and the unit, in
// half-width or full-width characters ("1200", "1.2k", "1.2 kHz", "１２００").
#pragma once

#include <string>

namespace tessaly::interaction {

// The positive, finite value the text states; false for anything else (no number, text left
// over, zero, negative, overflow).
bool read_prediction(const std::string& text, const char* unit, double* value);

}  // namespace tessaly::interaction
