// tessaly-render: one graph of Ombra, Velto or Quirn, drawn without a window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <csignal>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "surface/surface.h"
#include "tools/headless_outputs.h"
#include "tools/message_text.h"
#include "tools/output_file.h"
#include "tools/picture_outputs.h"
#include "tools/render_arguments.h"
#include "tools/replay.h"

namespace {

using tessaly::tools::Format;

constexpr int kWriteFailed = 1;
constexpr int kWrongArguments = 2;

int complain(const std::string& message, int status) {
  std::fprintf(stderr, "tessaly-render: %s\n", message.c_str());
  return status;
}

int write_result(const std::string& path, const std::string& bytes) {
  if (path.empty()) {
    const std::string error = tessaly::tools::write_standard_output(bytes);
    if (!error.empty()) return complain("cannot write to standard output: " + error, kWriteFailed);
    return 0;
  }
  const std::string error = tessaly::tools::write_whole_file(path, bytes);
  if (!error.empty()) {
    return complain("cannot write " + tessaly::tools::quoted(path) + ": " + error, kWriteFailed);
  }
  return 0;
}

// Qt's own notes (a missing runtime folder, font fall-backs) are not the renderer's output;
// only its critical messages reach standard error.
void quiet_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "tessaly-render: Qt: %s\n", message.toLocal8Bit().constData());
  }
}

// A scale the graph could not draw is reported the way the window shows it, as a note.
void report_graph_error() {
  int code = 0;
  if (tessaly::surface::take_pending_error(&code)) {
    std::fprintf(stderr, "tessaly-render: the graph reports error %d: %s\n", code,
                 tessaly::surface::error_message(code));
  }
}

int render(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::tools::ParsedArguments parsed = tessaly::tools::parse_render_arguments(arguments);
  if (parsed.outcome == tessaly::tools::ParsedArguments::Outcome::kHelp) {
    return write_result("", tessaly::tools::render_usage());
  }
  if (parsed.outcome == tessaly::tools::ParsedArguments::Outcome::kError) {
    return complain(parsed.error, kWrongArguments);
  }
  const tessaly::tools::RenderRequest& request = parsed.request;
  const std::string path = tessaly::tools::output_path(request);

  // The window tells the user of a file it cannot read; so does the renderer, before drawing.
  const std::string failed_read =
      tessaly::tools::plan_repaints(*request.program, request.steps).failed_read;
  if (!failed_read.empty()) return complain("cannot read " + failed_read, kWriteFailed);

  if (request.format != Format::kPng && request.format != Format::kSvg &&
      request.format != Format::kPdf) {
    const std::string bytes = tessaly::tools::headless_output(request);
    report_graph_error();
    return write_result(path, bytes);
  }

  // Fonts need a GUI application, but never a display: whatever platform the environment
  // names (a missing one would abort), the pictures are drawn on the offscreen one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_qt_messages);
  QGuiApplication application(argc, argv);
  const tessaly::tools::PictureResult picture = tessaly::tools::picture_output(request);
  if (!picture.ok) return complain(picture.error, kWriteFailed);
  report_graph_error();
  return write_result(path, picture.bytes);
}

}  // namespace

int main(int argc, char** argv) {
  // A reader that has gone away is a failed write (exit 1), not a death by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  try {
    return render(argc, argv);
  } catch (const std::bad_alloc&) {
    return complain("out of memory", kWriteFailed);
  }
}
