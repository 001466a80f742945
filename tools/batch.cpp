#include "tools/batch.h"

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <thread>

#include "tools/command_words.h"

namespace tessaly::tools {

using interaction::draws_picture;
using interaction::parse_render_arguments;
using interaction::ParsedArguments;

namespace {

JobReport refused(const std::string& message) {
  JobReport report;
  report.status = kWrongArguments;
  report.messages.push_back(message);
  return report;
}

bool command_line(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string::npos && line[first] != '#';
}

ParsedArguments parse_line(const std::string& line, JobReport& report) {
  const CommandWords words = split_command_words(line);
  if (!words.ok) {
    report = refused(words.error);
    return ParsedArguments{};
  }
  ParsedArguments parsed = parse_render_arguments(words.words);
  switch (parsed.outcome) {
    case ParsedArguments::Outcome::kRender:
      break;
    case ParsedArguments::Outcome::kError:
      report = refused(parsed.error);
      break;
    case ParsedArguments::Outcome::kHelp:
      report = refused("--help is no render");
      break;
    case ParsedArguments::Outcome::kBatch:
      report = refused("a batch line cannot run another batch");
      parsed.outcome = ParsedArguments::Outcome::kError;
      break;
  }
  return parsed;
}

// Writes the lines' results as soon as every line before them is written, so that the
// output reads as if the lines had run one after another.
class InOrderWriter {
 public:
  explicit InOrderWriter(std::vector<BatchLine>& lines)
      : lines_(lines), done_(lines.size(), false) {}

  void finished(std::size_t index) {
    const std::lock_guard<std::mutex> lock(mutex_);
    done_[index] = true;
    while (next_ < lines_.size() && done_[next_]) write(lines_[next_++]);
  }

 private:
  static void write(BatchLine& line) {
    JobReport& report = line.report;
    write_standard_output(report);
    report.standard_output.clear();
    for (const std::string& message : report.messages) {
      std::fprintf(stderr, "tessaly-render: line %d: %s\n", line.number, message.c_str());
    }
  }

  std::vector<BatchLine>& lines_;
  std::vector<bool> done_;
  std::size_t next_ = 0;
  std::mutex mutex_;
};

}  // namespace

std::vector<BatchLine> read_batch(std::istream& in) {
  std::vector<BatchLine> lines;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    // A file written on Windows ends its lines with CR LF.
    if (!text.empty() && text.back() == '\r') text.pop_back();
    if (!command_line(text)) continue;
    BatchLine line{number, ParsedArguments{}, JobReport{}};
    // Words end at a NUL on their way to the system: a name would be cut short there.
    if (text.find('\0') != std::string::npos) {
      line.report = refused("a NUL byte in the line");
    } else {
      line.parsed = parse_line(text, line.report);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

bool batch_draws_pictures(const std::vector<BatchLine>& lines) {
  for (const BatchLine& line : lines) {
    if (line.parsed.outcome == ParsedArguments::Outcome::kRender &&
        draws_picture(line.parsed.request.format)) {
      return true;
    }
  }
  return false;
}

namespace {

// One line's render; whatever it throws is that line's failure, not the batch's end.
void run_line(BatchLine& line, TemporaryFileWatch* watch) {
  if (line.parsed.outcome != ParsedArguments::Outcome::kRender) return;
  try {
    line.report = render_job(line.parsed.request, watch);
  } catch (const std::bad_alloc&) {
    line.report = JobReport{};
    line.report.status = kWriteFailed;
    line.report.messages.emplace_back("out of memory");
  } catch (const std::exception& error) {
    line.report = JobReport{};
    line.report.status = kWriteFailed;
    line.report.messages.emplace_back(error.what());
  }
}

// The address space the process uses now, from /proc; 0 where it cannot tell.
std::size_t address_space_in_use() {
  std::size_t kib = 0;
  if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      if (std::sscanf(line, "VmSize: %zu kB", &kib) == 1) break;
    }
    std::fclose(status);
  }
  return kib << 10;
}

// Each thread reserves its stack and draws in some MiB of its own, and the first picture loads
// the font database all threads share. Under a limit on the address space (ulimit -v) more
// threads than fit would starve each other, and the font library crashes where an allocation
// fails instead of reporting it: the limit caps the threads, with room to spare.
std::size_t threads_that_fit(std::size_t wanted) {
  rlimit space{};
  if (::getrlimit(RLIMIT_AS, &space) != 0 || space.rlim_cur == RLIM_INFINITY) return wanted;
  rlimit stack{};
  std::size_t stack_bytes = 8u << 20;
  if (::getrlimit(RLIMIT_STACK, &stack) == 0 && stack.rlim_cur != RLIM_INFINITY) {
    stack_bytes = stack.rlim_cur;
  }
  const std::size_t per_thread = stack_bytes + (48u << 20);
  const std::size_t fonts = 64u << 20;
  const std::size_t used = address_space_in_use() + fonts;
  const std::size_t room = space.rlim_cur > used ? space.rlim_cur - used : 0;
  return std::clamp<std::size_t>(room / per_thread, 1, wanted);
}

}  // namespace

int run_batch(std::vector<BatchLine>& lines, int jobs, TemporaryFileWatch* watch) {
  InOrderWriter writer(lines);
  std::atomic<std::size_t> next{0};
  auto work = [&lines, &writer, &next, watch] {
    for (std::size_t i = next++; i < lines.size(); i = next++) {
      // A signal ends the process: no line starts meanwhile.
      if (watch != nullptr && watch->stopping()) return;
      run_line(lines[i], watch);
      writer.finished(i);
    }
  };
  const std::size_t threads = threads_that_fit(std::min(static_cast<std::size_t>(std::max(jobs, 1)),
                                                        std::max<std::size_t>(lines.size(), 1)));
  std::vector<std::thread> workers;
  // A thread the system will not start (a limit on threads or memory) leaves fewer threads.
  try {
    workers.reserve(threads);
    for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  } catch (const std::system_error&) {
  } catch (const std::bad_alloc&) {
  }
  work();
  for (std::thread& worker : workers) worker.join();
  int worst = 0;
  for (const BatchLine& line : lines) worst = std::max(worst, line.report.status);
  return worst;
}

}  // namespace tessaly::tools
