#include "tools/batch.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
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
    line.parsed = parse_line(text, line.report);
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

int run_batch(std::vector<BatchLine>& lines, int jobs, TemporaryFileWatch* watch) {
  InOrderWriter writer(lines);
  std::atomic<std::size_t> next{0};
  auto work = [&lines, &writer, &next, watch] {
    for (std::size_t i = next++; i < lines.size(); i = next++) {
      BatchLine& line = lines[i];
      if (line.parsed.outcome == ParsedArguments::Outcome::kRender) {
        line.report = render_job(line.parsed.request, watch);
      }
      writer.finished(i);
    }
  };
  const std::size_t threads =
      std::min(static_cast<std::size_t>(std::max(jobs, 1)), std::max<std::size_t>(lines.size(), 1));
  std::vector<std::thread> workers;
  for (std::size_t t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& worker : workers) worker.join();
  int worst = 0;
  for (const BatchLine& line : lines) worst = std::max(worst, line.report.status);
  return worst;
}

}  // namespace tessaly::tools
