// The system's reason for an error number, worded alike in every build: the C library of the
// WebAssembly build words some reasons its own way, and the Node renderer's messages must
// equal the native renderer's.
#pragma once

namespace tessaly {

const char* error_text(int error_number);

}  // namespace tessaly
