#include "tools/render_job.h"

#include <algorithm>
#include <cstdio>

#include "surface/surface.h"
#include "tools/headless_outputs.h"
#include "tools/output_file.h"
#include "tools/picture_outputs.h"

namespace tessaly::tools {

JobReport render_job(const RenderRequest& request) {
  JobReport report;
  std::string bytes;
  int graph_error = 0;
  if (draws_picture(request.format)) {
    PictureResult picture = picture_output(request);
    if (!picture.ok) {
      report.status = kWrongArguments;
      report.messages.push_back(picture.error);
      return report;
    }
    bytes = std::move(picture.bytes);
    graph_error = picture.graph_error;
  } else {
    bytes = headless_output(request, &graph_error);
  }
  // A scale the graph could not draw is reported the way the window shows it, as a note.
  if (graph_error != 0) {
    const char* const text = surface::error_message(graph_error);
    report.messages.push_back("the graph reports error " + std::to_string(graph_error) + ": " +
                              (text != nullptr ? text : "(no message)"));
  }
  const std::string path = output_path(request);
  if (path.empty()) {
    report.to_standard_output = true;
    report.standard_output = std::move(bytes);
    return report;
  }
  const std::string error = write_whole_file(path, bytes);
  if (!error.empty()) {
    report.status = kWriteFailed;
    report.messages.push_back("cannot write " + path + ": " + error);
  }
  return report;
}

void write_standard_output(JobReport& report) {
  if (!report.to_standard_output) return;
  const std::string& bytes = report.standard_output;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() ||
      std::fflush(stdout) != 0) {
    report.status = std::max(report.status, kWriteFailed);
    report.messages.push_back("cannot write to standard output");
  }
}

}  // namespace tessaly::tools
