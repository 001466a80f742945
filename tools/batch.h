// tessaly-render --batch: many renders in one process, one command line per line, on several
// threads. Every render owns its window state, so the results are those of single runs.
#pragma once

#include <istream>
#include <vector>

#include "interaction/render_request.h"
#include "tools/render_job.h"

namespace tessaly::tools {

struct BatchLine {
  int number;  // in the file, from 1
  interaction::ParsedArguments parsed;
  JobReport report;  // filled by the run; a line that does not parse has its complaint here
};

// The lines that hold a command: blank lines and lines starting with # are left out.
std::vector<BatchLine> read_batch(std::istream& in);
bool batch_draws_pictures(const std::vector<BatchLine>& lines);

// Renders every line that parsed, `jobs` at a time, and writes what goes to standard output
// and standard error in line order. Returns the worst status of the lines.
int run_batch(std::vector<BatchLine>& lines, int jobs, TemporaryFileWatch* watch = nullptr);

}  // namespace tessaly::tools
