#include "interaction/link.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "interaction/dialog_settings.h"
#include "interaction/message_text.h"
#include "interaction/render_request.h"
#include "programs/descriptor.h"
#include "programs/menu.h"

namespace tessaly::interaction {

namespace {

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Form decoding: "+" is a space, "%HH" a byte; a "%" without two hex digits stands for itself.
std::string decoded(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool escape = text[i] == '%' && i + 2 < text.size() && hex_digit(text[i + 1]) >= 0 &&
                        hex_digit(text[i + 2]) >= 0;
    if (escape) {
      out += static_cast<char>(hex_digit(text[i + 1]) * 16 + hex_digit(text[i + 2]));
      i += 2;
    } else {
      out += text[i] == '+' ? ' ' : text[i];
    }
  }
  return out;
}

bool switched_on(const std::string& value) {
  return value.empty() || value == "1" || value == "true" || value == "on";
}

// The renderer's words for one parameter; false for one it has none for.
bool words_for(const std::string& name, const std::string& value, std::vector<std::string>& words) {
  if (name == "program") {
    words = {value};
  } else if (name == "do" || name == "set" || name == "marker" || name == "curve" ||
             name == "exercise" || name == "seed" || name == "lang") {
    words = {"--" + name, value};
  } else if (name == "phasor" || name == "thick" || name == "reveal") {
    words.clear();
    if (switched_on(value)) words = {"--" + name};
  } else {
    return false;
  }
  return true;
}

}  // namespace

LinkArguments link_arguments(const std::string& address) {
  const std::size_t question = address.find('?');
  std::string query = question == std::string::npos ? address : address.substr(question + 1);
  query = query.substr(0, query.find('#'));
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t start = 0; start <= query.size();) {
    const std::size_t end = std::min(query.find('&', start), query.size());
    const std::string pair = query.substr(start, end - start);
    start = end + 1;
    if (pair.empty()) continue;
    const std::size_t equals = pair.find('=');
    pairs.emplace_back(decoded(pair.substr(0, equals)),
                       equals == std::string::npos ? "" : decoded(pair.substr(equals + 1)));
  }
  LinkArguments link;
  for (const auto& [name, value] : pairs) {
    if (name == "program") link.arguments = {value};
  }
  // Each parameter in turn, tried with those kept so far: one the renderer refuses is left out
  // alone and the rest still draw. One that needs another (--curve needs --marker) waits for
  // the whole to be read.
  std::vector<std::size_t> kept_at;  // where each kept parameter's words begin
  for (const auto& [name, value] : pairs) {
    if (name == "program" || name == "embed") continue;
    std::vector<std::string> words;
    if (!words_for(name, value, words)) {
      link.ignored.push_back("unknown parameter " + quoted(name));
      continue;
    }
    std::vector<std::string> trial = link.arguments;
    trial.insert(trial.end(), words.begin(), words.end());
    const ParsedArguments parsed = parse_render_arguments(trial);
    if (parsed.outcome == ParsedArguments::Outcome::kError &&
        parsed.error.find(" needs --") == std::string::npos) {
      link.ignored.push_back(name + "=" + quoted(value) + ": " + parsed.error);
      continue;
    }
    kept_at.push_back(link.arguments.size());
    link.arguments = trial;
  }
  while (!kept_at.empty()) {
    const ParsedArguments parsed = parse_render_arguments(link.arguments);
    if (parsed.outcome != ParsedArguments::Outcome::kError) break;
    link.ignored.push_back(parsed.error);
    link.arguments.resize(kept_at.back());
    kept_at.pop_back();
  }
  return link;
}

namespace {

// The shortest "%g" text that reads back as the same double, with the "+" of an exponent
// written so that it survives form decoding.
std::string exact(double value) {
  char text[40];
  for (int digits = 15; digits <= 17; ++digits) {
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::strtod(text, nullptr) == value) break;
  }
  std::string out;
  for (const char* p = text; *p; ++p) out += *p == '+' ? std::string("%2B") : std::string(1, *p);
  return out;
}

void append_steps(std::vector<int>& steps, double count, int up, int down) {
  const double whole = std::round(count);
  for (double n = 0; n < std::fabs(whole) && n < 1000; ++n) steps.push_back(whole > 0 ? up : down);
}

// "&set=NAME=V1,V2" where the values differ from the program's own at start-up.
void append_setting(std::string& link, const char* name, const ValueList& list, Session& now,
                    Session& start) {
  if (list.row == nullptr || list.count <= 0) return;
  const double* values = list.row(now);
  const double* defaults = list.row(start);
  bool changed = false;
  std::string text;
  for (int i = 0; i < list.count; ++i) {
    changed = changed || values[i] != defaults[i];
    text += (i ? "," : "") + exact(values[i]);
  }
  if (changed) link += std::string("&set=") + name + "=" + text;
}

}  // namespace

std::string state_link(const Session& session, const Teaching& teaching) {
  using namespace commands;
  const ProgramDescriptor& program = *session.program;
  Session now = session;
  Session start = start_session(program);
  std::vector<int> steps;
  if (now.circuit_index >= 1 && now.circuit_index <= kLastCircuit - kFirstCircuit + 1) {
    steps.push_back(kFirstCircuit + now.circuit_index - 1);
  }
  if (now.analysis_index >= 1 && now.analysis_index <= kLastAnalysis - kFirstAnalysis + 1) {
    steps.push_back(kFirstAnalysis + now.analysis_index - 1);
  }
  append_steps(steps, now.step_count, kStepUp, kStepDown);
  if (menu_offers(*program.menu, kSecondStepUp)) {
    append_steps(steps, now.step_count2, kSecondStepUp, kSecondStepDown);
  }
  std::string link = std::string("program=") + program.id + "&do=";
  for (std::size_t i = 0; i < steps.size(); ++i) link += (i ? "," : "") + std::to_string(steps[i]);
  // The graph constants in force are the analysis's row, as the dialog would show them now.
  start.analysis_index = now.analysis_index;
  append_setting(link, "circuit_constants", program.circuit_constants, now, start);
  append_setting(link, "graph_constants", program.graph_constants, now, start);
  if (program.dialogs[2] != nullptr && now.display_magnification != start.display_magnification) {
    link += "&set=display_magnification=" + exact(now.display_magnification);
  }
  const FrequencyMarker& marker = teaching.marker();
  if (teaching.marker_locked() && marker.shown) {
    link += "&marker=" + exact(marker.frequency) + "&curve=" + std::to_string(marker.curve + 1);
  }
  if (teaching.panel_shown()) link += "&phasor=1";
  if (now.teaching.projector) link += "&thick=1";
  const text::Language& language = teaching.language();
  if (&language != &text::source_language()) link += std::string("&lang=") + language.code;
  return link;
}

}  // namespace tessaly::interaction
