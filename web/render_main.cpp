// tessaly-render for Node: the native renderer's text outputs (trace, trace-print, dat, csv)
// from the same engine built for WebAssembly, byte for byte. The pictures need Qt and stay
// with the native renderer.
#include <cerrno>
#include <string>
#include <vector>

#include "core/error_text.h"
#include "core/file_system.h"
#include "interaction/message_text.h"
#include "interaction/output_file.h"
#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "interaction/text_outputs.h"
#include "surface/surface.h"

namespace {

using tessaly::interaction::Format;

constexpr int kWriteFailed = 1;
constexpr int kWrongArguments = 2;

// Writes to descriptor 1 or 2 through Node, as they are: the C library's streams go through
// the console line by line, which would mangle the bytes of a data file. Returns 0 or errno.
int write_descriptor(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const long n = tessaly::file_system::write_some(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

int complain(const std::string& message, int status) {
  write_descriptor(2, "tessaly-render: " + message + "\n");
  return status;
}

int write_result(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    const int error_number = write_descriptor(1, bytes);
    if (error_number == 0) return 0;
    return complain(
        std::string("cannot write to standard output: write: ") + tessaly::error_text(error_number),
        kWriteFailed);
  }
  // A FIFO is waited on, as the native renderer waits on it.
  const std::string error = tessaly::interaction::write_whole_file(path, bytes);
  if (error.empty()) return 0;
  return complain("cannot write " + tessaly::interaction::quoted(path) + ": " + error,
                  kWriteFailed);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::interaction::ParsedArguments parsed =
      tessaly::interaction::parse_render_arguments(arguments);
  for (const std::string& note : parsed.notes) complain("--link: left out " + note, 0);
  if (parsed.outcome == tessaly::interaction::ParsedArguments::Outcome::kHelp) {
    write_descriptor(1, tessaly::interaction::render_usage());
    return 0;
  }
  if (parsed.outcome == tessaly::interaction::ParsedArguments::Outcome::kError) {
    return complain(parsed.error, kWrongArguments);
  }
  if (parsed.outcome == tessaly::interaction::ParsedArguments::Outcome::kBatch) {
    return complain("--batch needs the native renderer; this one renders one command line",
                    kWrongArguments);
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
  std::string refusal;
  const std::string bytes = tessaly::interaction::text_output(request, &code, &refusal);
  if (!refusal.empty()) return complain(refusal, kWriteFailed);
  if (code != 0) {
    const char* const text =
        tessaly::text::localized(*request.language, tessaly::surface::error_message(code));
    complain("the graph reports error " + std::to_string(code) + ": " +
                 (text != nullptr ? text : "(no message)"),
             0);
  }
  return write_result(tessaly::interaction::output_path(request), bytes);
}
