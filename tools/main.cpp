// tessaly-render: graphs of Ombra, Velto or Quirn, drawn without a window.
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tools/batch.h"
#include "tools/render_arguments.h"
#include "tools/render_job.h"

namespace {

using tessaly::tools::JobReport;
using tessaly::tools::kWrongArguments;

int complain(const std::string& message, int status) {
  std::fprintf(stderr, "tessaly-render: %s\n", message.c_str());
  return status;
}

// Qt's own notes (a missing runtime folder, font fall-backs) are not the renderer's output;
// only its critical messages reach standard error.
void quiet_qt_messages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) {
    std::fprintf(stderr, "tessaly-render: Qt: %s\n", message.toLocal8Bit().constData());
  }
}

// Fonts need a GUI application; without a display it runs on the offscreen platform. Only
// pictures need one: the text formats start faster without.
std::unique_ptr<QGuiApplication> application_for_pictures(int& argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_qt_messages);
  return std::make_unique<QGuiApplication>(argc, argv);
}

int single_run(const tessaly::tools::RenderRequest& request, int& argc, char** argv) {
  std::unique_ptr<QGuiApplication> application;
  if (tessaly::tools::draws_picture(request.format)) {
    application = application_for_pictures(argc, argv);
  }
  JobReport report = tessaly::tools::render_job(request);
  // The graph's notes come before its bytes; a failed write's message after them.
  for (const std::string& message : report.messages) complain(message, report.status);
  report.messages.clear();
  tessaly::tools::write_standard_output(report);
  for (const std::string& message : report.messages) complain(message, report.status);
  return report.status;
}

int batch_run(const tessaly::tools::BatchRequest& batch, int& argc, char** argv) {
  std::vector<tessaly::tools::BatchLine> lines;
  if (batch.file == "-") {
    lines = tessaly::tools::read_batch(std::cin);
  } else {
    std::ifstream in(batch.file);
    if (!in) return complain("cannot read the batch " + batch.file, kWrongArguments);
    lines = tessaly::tools::read_batch(in);
    if (in.bad()) return complain("cannot read the batch " + batch.file, kWrongArguments);
  }
  std::unique_ptr<QGuiApplication> application;
  if (tessaly::tools::batch_draws_pictures(lines)) {
    application = application_for_pictures(argc, argv);
  }
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const int jobs = batch.jobs > 0 ? batch.jobs : (cores > 0 ? cores : 1);
  return tessaly::tools::run_batch(lines, jobs);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::tools::ParsedArguments parsed = tessaly::tools::parse_render_arguments(arguments);
  switch (parsed.outcome) {
    case tessaly::tools::ParsedArguments::Outcome::kHelp:
      std::fputs(tessaly::tools::render_usage(), stdout);
      return 0;
    case tessaly::tools::ParsedArguments::Outcome::kError:
      return complain(parsed.error, kWrongArguments);
    case tessaly::tools::ParsedArguments::Outcome::kBatch:
      return batch_run(parsed.batch, argc, argv);
    case tessaly::tools::ParsedArguments::Outcome::kRender:
      break;
  }
  return single_run(parsed.request, argc, argv);
}
