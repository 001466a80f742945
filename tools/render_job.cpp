#include "tools/render_job.h"

#include <algorithm>

#include "interaction/message_text.h"
#include "interaction/output_file.h"
#include "interaction/replay.h"
#include "interaction/text_outputs.h"
#include "surface/surface.h"
#include "tools/picture_outputs.h"

namespace tessaly::tools {

using interaction::draws_picture;
using interaction::output_path;
using interaction::plan_repaints;
using interaction::quoted;
using interaction::RenderRequest;
using interaction::text_output;
using interaction::write_whole_file;

JobReport render_job(const RenderRequest& request, TemporaryFileWatch* watch) {
  JobReport report;
  // The window tells the user of a file it cannot read; so does the renderer, before drawing.
  const std::string failed_read = plan_repaints(*request.program, request.steps).failed_read;
  if (!failed_read.empty()) {
    report.status = kWriteFailed;
    report.messages.push_back("cannot read " + failed_read);
    return report;
  }
  const std::string missing = interaction::missing_curve(*request.program, request.steps);
  if (!missing.empty()) {
    report.status = kWrongArguments;
    report.messages.push_back(missing);
    return report;
  }
  std::string bytes;
  int graph_error = 0;
  if (draws_picture(request.format)) {
    PictureResult picture = picture_output(request);
    if (!picture.ok) {
      report.status = kWriteFailed;
      report.messages.push_back(picture.error);
      return report;
    }
    bytes = std::move(picture.bytes);
    graph_error = picture.graph_error;
  } else {
    std::string refusal;
    bytes = text_output(request, &graph_error, &refusal);
    if (!refusal.empty()) {
      report.status = kWriteFailed;
      report.messages.push_back(refusal);
      return report;
    }
  }
  // A scale the graph could not draw is reported the way the window shows it, as a note.
  if (graph_error != 0) {
    const char* const text =
        text::localized(*request.language, surface::error_message(graph_error));
    report.messages.push_back("the graph reports error " + std::to_string(graph_error) + ": " +
                              (text != nullptr ? text : "(no message)"));
  }
  const std::string path = output_path(request);
  if (path.empty()) {
    report.to_standard_output = true;
    report.standard_output = std::move(bytes);
    return report;
  }
  const std::string error = write_whole_file(path, bytes, watch);
  if (!error.empty()) {
    report.status = kWriteFailed;
    report.messages.push_back("cannot write " + quoted(path) + ": " + error);
  }
  return report;
}

void write_standard_output(JobReport& report) {
  if (!report.to_standard_output) return;
  const std::string error = interaction::write_standard_output(report.standard_output);
  if (!error.empty()) {
    report.status = std::max(report.status, kWriteFailed);
    report.messages.push_back("cannot write to standard output: " + error);
  }
}

}  // namespace tessaly::tools
