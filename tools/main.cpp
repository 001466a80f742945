// tessaly-render: one graph of Ombra, Velto or Quirn, drawn without a window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <string>
#include <vector>

#include "surface/surface.h"
#include "tools/headless_outputs.h"
#include "tools/output_file.h"
#include "tools/picture_outputs.h"
#include "tools/render_arguments.h"

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
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
        std::fflush(stdout) != 0) {
      return complain("cannot write to standard output", kWriteFailed);
    }
    return 0;
  }
  const std::string error = tessaly::tools::write_whole_file(path, bytes);
  if (!error.empty()) return complain("cannot write " + path + ": " + error, kWriteFailed);
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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::tools::ParsedArguments parsed = tessaly::tools::parse_render_arguments(arguments);
  if (parsed.outcome == tessaly::tools::ParsedArguments::Outcome::kHelp) {
    std::fputs(tessaly::tools::render_usage(), stdout);
    return 0;
  }
  if (parsed.outcome == tessaly::tools::ParsedArguments::Outcome::kError) {
    return complain(parsed.error, kWrongArguments);
  }
  const tessaly::tools::RenderRequest& request = parsed.request;
  const std::string path = tessaly::tools::output_path(request);

  if (request.format != Format::kPng && request.format != Format::kSvg &&
      request.format != Format::kPdf) {
    const std::string bytes = tessaly::tools::headless_output(request);
    report_graph_error();
    return write_result(path, bytes);
  }

  // Fonts need a GUI application; without a display it runs on the offscreen platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_qt_messages);
  QGuiApplication application(argc, argv);
  const tessaly::tools::PictureResult picture = tessaly::tools::picture_output(request);
  if (!picture.ok) return complain(picture.error, kWrongArguments);
  report_graph_error();
  return write_result(path, picture.bytes);
}
