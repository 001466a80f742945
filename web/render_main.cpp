// tessaly-render for Node: the native renderer's text outputs (trace, trace-print, dat, csv)
// from the same engine built for WebAssembly, byte for byte. The pictures need Qt and stay
// with the native renderer.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "interaction/message_text.h"
#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "interaction/text_outputs.h"
#include "surface/surface.h"

// Inside EM_JS is JavaScript, which the C++ formatter would mangle.
// clang-format off
// The C library's standard output goes through the console line by line, which would mangle
// the bytes of a data file; Node writes them to descriptor 1 as they are, waiting out a full
// pipe.
EM_JS(int, write_standard_output, (const char* data, int size), {
  const fs = require('fs');
  const bytes = HEAPU8.subarray(data, data + size);
  let done = 0;
  while (done < size) {
    try {
      done += fs.writeSync(1, bytes, done, size - done);
    } catch (error) {
      if (error.code !== 'EAGAIN') return 0;
    }
  }
  return 1;
});

// A result file, written whole beside the target and renamed over it, by Node itself: the
// emulated descriptors of this runtime pass their own numbers to Node's fchmod.
EM_JS(char*, write_file_through_node, (const char* path, const char* data, int size), {
  const fs = require('fs');
  const target = UTF8ToString(path);
  const temporary = target + '.' + process.pid + '.part';
  try {
    fs.writeFileSync(temporary, HEAPU8.subarray(data, data + size));
    fs.renameSync(temporary, target);
    return 0;
  } catch (error) {
    try {
      fs.unlinkSync(temporary);
    } catch (ignored) {
    }
    const text = error.message || String(error);
    const length = lengthBytesUTF8(text) + 1;
    const out = _malloc(length);
    stringToUTF8(text, out, length);
    return out;
  }
});
// clang-format on

namespace {

using tessaly::interaction::Format;

constexpr int kWriteFailed = 1;
constexpr int kWrongArguments = 2;

int complain(const std::string& message, int status) {
  std::fprintf(stderr, "tessaly-render: %s\n", message.c_str());
  return status;
}

int write_result(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    if (!write_standard_output(bytes.data(), static_cast<int>(bytes.size()))) {
      return complain("cannot write to standard output", kWriteFailed);
    }
    return 0;
  }
  char* error = write_file_through_node(path.c_str(), bytes.data(), static_cast<int>(bytes.size()));
  if (!error) return 0;
  const std::string reason = error;
  std::free(error);
  return complain("cannot write " + tessaly::interaction::quoted(path) + ": " + reason,
                  kWriteFailed);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::interaction::ParsedArguments parsed =
      tessaly::interaction::parse_render_arguments(arguments);
  if (parsed.outcome == tessaly::interaction::ParsedArguments::Outcome::kHelp) {
    const std::string usage = tessaly::interaction::render_usage();
    write_standard_output(usage.data(), static_cast<int>(usage.size()));
    return 0;
  }
  if (parsed.outcome == tessaly::interaction::ParsedArguments::Outcome::kError) {
    return complain(parsed.error, kWrongArguments);
  }
  const tessaly::interaction::RenderRequest& request = parsed.request;
  if (request.format == Format::kPng || request.format == Format::kSvg ||
      request.format == Format::kPdf) {
    return complain(std::string("format ") + tessaly::interaction::format_name(request.format) +
                        " needs the native renderer; this one writes trace, trace-print, dat "
                        "and csv",
                    kWrongArguments);
  }
  // The window tells the user of a file it cannot read; so does the renderer, before drawing.
  const std::string failed_read =
      tessaly::interaction::plan_repaints(*request.program, request.steps).failed_read;
  if (!failed_read.empty()) return complain("cannot read " + failed_read, kWriteFailed);
  const std::string missing = tessaly::interaction::missing_curve(*request.program, request.steps);
  if (!missing.empty()) return complain(missing, kWrongArguments);
  int code = 0;
  const std::string bytes = tessaly::interaction::text_output(request, &code);
  if (code != 0) {
    std::fprintf(stderr, "tessaly-render: the graph reports error %d: %s\n", code,
                 tessaly::surface::error_message(code));
  }
  return write_result(tessaly::interaction::output_path(request), bytes);
}
