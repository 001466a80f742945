// tessaly-render: graphs of Ombra, Velto or Quirn, drawn without a window.
#include <fcntl.h>
#include <unistd.h>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "core/error_text.h"
#include "interaction/message_text.h"
#include "interaction/render_request.h"
#include "process/signal_cleanup.h"
#include "tools/batch.h"
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

// Fonts need a GUI application, but never a display: whatever platform the environment names
// (a missing one would abort), the pictures are drawn on the offscreen one. Only pictures need
// the application: the text formats start faster without.
std::unique_ptr<QGuiApplication> application_for_pictures(int& argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quiet_qt_messages);
  return std::make_unique<QGuiApplication>(argc, argv);
}

int single_run(const tessaly::interaction::RenderRequest& request, int& argc, char** argv,
               tessaly::TemporaryFileWatch& watch) {
  std::unique_ptr<QGuiApplication> application;
  if (tessaly::interaction::draws_picture(request.format)) {
    application = application_for_pictures(argc, argv);
  }
  JobReport report = tessaly::tools::render_job(request, &watch);
  // The graph's notes come before its bytes; a failed write's message after them.
  for (const std::string& message : report.messages) complain(message, report.status);
  report.messages.clear();
  tessaly::tools::write_standard_output(report);
  for (const std::string& message : report.messages) complain(message, report.status);
  return report.status;
}

// The whole of a file or of standard input; false with errno set when reading fails (a
// folder as standard input is EISDIR, not an empty batch).
bool read_all(int fd, std::string& text) {
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    text.append(buffer, static_cast<std::size_t>(n));
  }
}

int batch_run(const tessaly::interaction::BatchRequest& batch, int& argc, char** argv,
              tessaly::TemporaryFileWatch& watch) {
  const bool from_input = batch.file == "-";
  const std::string source =
      from_input ? std::string("from standard input") : tessaly::interaction::quoted(batch.file);
  const int fd = from_input ? STDIN_FILENO : ::open(batch.file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int error_number = errno;
    return complain("cannot read the batch " + source + ": " + tessaly::error_text(error_number),
                    kWrongArguments);
  }
  std::string text;
  const bool read = read_all(fd, text);
  const int error_number = errno;
  if (!from_input) ::close(fd);
  if (!read) {
    return complain("cannot read the batch " + source + ": " + tessaly::error_text(error_number),
                    tessaly::tools::kWriteFailed);
  }
  std::istringstream in(text);
  std::vector<tessaly::tools::BatchLine> lines = tessaly::tools::read_batch(in);
  std::unique_ptr<QGuiApplication> application;
  if (tessaly::tools::batch_draws_pictures(lines)) {
    application = application_for_pictures(argc, argv);
  }
  const int cores = static_cast<int>(std::thread::hardware_concurrency());
  const int jobs = batch.jobs > 0 ? batch.jobs : (cores > 0 ? cores : 1);
  return tessaly::tools::run_batch(lines, jobs, &watch);
}

int render(int argc, char** argv) {
  // A signal during a write removes the file half written.
  tessaly::process::SignalCleanup cleanup;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const tessaly::interaction::ParsedArguments parsed =
      tessaly::interaction::parse_render_arguments(arguments);
  for (const std::string& note : parsed.notes) complain("--link: left out " + note, 0);
  switch (parsed.outcome) {
    case tessaly::interaction::ParsedArguments::Outcome::kHelp:
      std::fputs(tessaly::interaction::render_usage(), stdout);
      return 0;
    case tessaly::interaction::ParsedArguments::Outcome::kError:
      return complain(parsed.error, kWrongArguments);
    case tessaly::interaction::ParsedArguments::Outcome::kBatch:
      return batch_run(parsed.batch, argc, argv, cleanup);
    case tessaly::interaction::ParsedArguments::Outcome::kRender:
      break;
  }
  return single_run(parsed.request, argc, argv, cleanup);
}

}  // namespace

int main(int argc, char** argv) {
  // A reader that has gone away is a failed write (exit 1), not a death by SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  try {
    return render(argc, argv);
  } catch (const std::bad_alloc&) {
    return complain("out of memory", tessaly::tools::kWriteFailed);
  }
}
