// One render of a parsed command line, from the replay to the written file, with what it has
// to say kept for the caller: a single run prints it at once, a batch in line order.
#pragma once

#include <string>
#include <vector>

#include "core/safe_write.h"
#include "interaction/render_request.h"

namespace tessaly::tools {

constexpr int kWriteFailed = 1;
constexpr int kWrongArguments = 2;

struct JobReport {
  int status = 0;                     // 0 done, kWriteFailed or kWrongArguments
  std::vector<std::string> messages;  // lines for standard error, without the program's name
  bool to_standard_output = false;
  std::string standard_output;  // the result, when it goes to standard output
};

// Draws the request and writes its file (a result for standard output is left in the report).
// Safe on any thread; picture formats need a QGuiApplication.
// `watch`, where given, removes a half-written file if a signal ends the process.
JobReport render_job(const interaction::RenderRequest& request,
                     TemporaryFileWatch* watch = nullptr);

// Writes the report's standard output, if it has one; a failure makes the report's status
// kWriteFailed and adds its message.
void write_standard_output(JobReport& report);

}  // namespace tessaly::tools
