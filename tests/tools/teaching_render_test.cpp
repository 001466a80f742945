// The renderer's teaching options: what it accepts, the phasor CSV of the curve
// asked for, and worksheets that come out the same for the same seed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interaction/render_request.h"
#include "interaction/text_outputs.h"
#include "tools/pdf_dates.h"

namespace tessaly::tools {
namespace {

using namespace interaction;

ParsedArguments parse(const std::vector<std::string>& arguments) {
  return parse_render_arguments(arguments);
}

std::string output(const std::vector<std::string>& arguments) {
  const ParsedArguments parsed = parse(arguments);
  EXPECT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  return text_output(parsed.request);
}

int lines_ending(const std::string& trace, const std::string& end) {
  int count = 0;
  std::string::size_type start = 0;
  while (start < trace.size()) {
    const std::string::size_type stop = trace.find('\n', start);
    const std::string line = trace.substr(start, stop - start);
    if (line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0) {
      ++count;
    }
    if (stop == std::string::npos) break;
    start = stop + 1;
  }
  return count;
}

TEST(TeachingRender, OptionsAndTheirStepAfterEveryOther) {
  const ParsedArguments parsed = parse({"ombra", "--marker", "1.5e3", "--do", "302", "--curve=4",
                                        "--phasor", "--format", "phasors"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  const RenderRequest& request = parsed.request;
  EXPECT_EQ(request.format, Format::kPhasors);
  EXPECT_EQ(output_path(request), "");  // standard output
  ASSERT_EQ(request.steps.size(), 2u);
  EXPECT_EQ(request.steps[0].command, 302);
  const Step& last = request.steps[1];
  EXPECT_EQ(last.kind, Step::Kind::kTeaching);
  EXPECT_TRUE(last.teaching.marker);
  EXPECT_EQ(last.teaching.marker_hz, 1500.0);
  EXPECT_EQ(last.teaching.curve, 4);
  EXPECT_TRUE(last.teaching.phasor_panel);
  EXPECT_EQ(logical_picture_width(request), 880);
  EXPECT_EQ(logical_picture_width(parse({"ombra"}).request), 640);
  EXPECT_EQ(parse({"ombra"}).request.steps.size(), 0u);

  const ParsedArguments sheet = parse({"velto", "--exercise", "f0", "--seed", "18446744073709551"});
  ASSERT_EQ(sheet.outcome, ParsedArguments::Outcome::kRender) << sheet.error;
  EXPECT_EQ(sheet.request.teaching.exercise, ExerciseKind::kResonance);
  EXPECT_EQ(sheet.request.teaching.seed, 18446744073709551ULL);
  EXPECT_FALSE(sheet.request.teaching.reveal);

  const ParsedArguments set = parse({"ombra", "--exercise", "q", "--seeds", "3-32", "--paper",
                                     "letter", "--questions", "4", "--thick", "--format", "pdf"});
  ASSERT_EQ(set.outcome, ParsedArguments::Outcome::kRender) << set.error;
  EXPECT_TRUE(set.request.class_set.given);
  EXPECT_EQ(set.request.class_set.first, 3u);
  EXPECT_EQ(set.request.class_set.last, 32u);
  EXPECT_EQ(set.request.class_set.paper, Paper::kLetter);
  EXPECT_EQ(set.request.class_set.questions, 4);
  EXPECT_TRUE(set.request.steps.back().teaching.projector);

  const std::vector<std::vector<std::string>> refused = {
      {"ombra", "--marker", "0"},
      {"ombra", "--marker", "-5"},
      {"ombra", "--marker", "1k"},
      {"ombra", "--marker", "nan"},
      {"ombra", "--marker", "inf"},
      {"ombra", "--marker", "10", "--marker", "20"},
      {"ombra", "--marker", "10", "--curve", "0"},
      {"ombra", "--marker", "10", "--curve", "6"},
      {"ombra", "--curve", "2"},
      {"ombra", "--format", "phasors"},
      {"ombra", "--exercise", "x"},
      {"ombra", "--seed", "3"},
      {"ombra", "--reveal"},
      {"ombra", "--exercise", "q", "--seed", "-1"},
      {"ombra", "--exercise", "q", "--seed", "99999999999999999999"},
      {"velto", "--exercise", "q"},
      {"quirn", "--exercise", "f0"},
      {"--batch", "x", "--phasor"},
      {"--batch", "x", "--thick"},
      {"ombra", "--seeds", "1-30", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-30"},
      {"ombra", "--exercise", "f0", "--seeds", "30-1", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-501", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "7", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-3", "--seed", "2", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-3", "--reveal", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-3", "--questions", "5", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--seeds", "1-3", "--paper", "a3", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--paper", "a4", "--format", "pdf"},
      {"ombra", "--exercise", "f0", "--questions", "2", "--format", "pdf"},
  };
  for (const auto& arguments : refused) {
    const ParsedArguments p = parse(arguments);
    EXPECT_EQ(p.outcome, ParsedArguments::Outcome::kError) << arguments.back();
    EXPECT_FALSE(p.error.empty());
  }
}

TEST(TeachingRender, PhasorsOfTheCurveAskedFor) {
  // Ombra's parallel curves have 10, 30, 100, 300 and 1000 ohm: 1 V drives R /
  // 1 A through it.
  const char* const currents[] = {"0.10000000000000001", "0.033333333333333333", "0.01",
                                  "0.0033333333333333335", "0.001"};
  for (int curve = 1; curve <= 5; ++curve) {
    const std::string csv = output(
        {"ombra", "--marker", "1000", "--curve", std::to_string(curve), "--format", "phasors"});
    EXPECT_EQ(csv.rfind("name,real,imaginary,magnitude,phase_deg\nV,1,0,1,0\nI_R,", 0), 0u) << csv;
    EXPECT_NE(csv.find(std::string("\nI_R,") + currents[curve - 1] + ",0,"), std::string::npos)
        << curve << "\n"
        << csv;
  }
  // The steps come first: the series circuit, then the marker.
  EXPECT_EQ(output({"ombra", "--marker", "1000", "--do", "302", "--format", "phasors"})
                .rfind("name,real,imaginary,magnitude,phase_deg\nI,1,0,1,0\nV_R,", 0),
            0u);
  // A marker outside the sweep has no phasors of the graph: a refusal, not "-nan" rows.
  const char* const outside[][2] = {{"1e308", "1e+308"}, {"9.99", "9.99"}};
  for (const auto& frequency : outside) {
    const ParsedArguments parsed =
        parse({"ombra", "--marker", frequency[0], "--format", "phasors"});
    std::string refusal;
    EXPECT_EQ(text_output(parsed.request, nullptr, &refusal), "");
    EXPECT_EQ(refusal, std::string("the marker at ") + frequency[1] +
                           " Hz is outside the sweep, 10 to 100000 Hz");
  }
  // The panel asks for a frequency on the graph instead of listing "-nan".
  const std::string panel = output({"ombra", "--marker", "1e308", "--phasor", "--format", "trace"});
  EXPECT_NE(panel.find("グラフ上の周波数を指してください"), std::string::npos);
  EXPECT_EQ(panel.find("nan"), std::string::npos);
  EXPECT_NE(output({"ombra", "--marker", "1e3", "--phasor", "--format", "trace"}).find("の位相角"),
            std::string::npos);
  std::string refusal = "unset";
  EXPECT_NE(text_output(parse({"ombra", "--marker", "10", "--format", "phasors"}).request, nullptr,
                        &refusal),
            "");
  EXPECT_EQ(refusal, "") << "the sweep's own ends are inside";
}

TEST(TeachingRender, MarkerInTheTraceAndWorksheetsBySeed) {
  const std::string plain = output({"ombra", "--format", "trace"});
  const std::string marked = output({"ombra", "--marker", "1000", "--format", "trace"});
  EXPECT_EQ(lines_ending(plain, " 13 1 0 13"), 0);
  EXPECT_EQ(lines_ending(marked, " 13 1 0 13"), 2);

  const std::string sheet =
      output({"ombra", "--exercise", "f0", "--seed", "7", "--format", "trace"});
  EXPECT_EQ(sheet, output({"ombra", "--exercise", "f0", "--seed", "7", "--format", "trace"}));
  EXPECT_NE(sheet, output({"ombra", "--exercise", "f0", "--seed", "8", "--format", "trace"}));
  EXPECT_EQ(lines_ending(sheet, " 1 1 0 13"), 0);  // no curve
  const std::string answer =
      output({"ombra", "--exercise", "f0", "--seed", "7", "--reveal", "--format", "trace"});
  EXPECT_GT(lines_ending(answer, " 1 1 0 13"), 400);
  EXPECT_EQ(lines_ending(answer, " 13 1 0 13"), 2);  // f0 through both frames
  EXPECT_NE(answer.find("解答 7："), std::string::npos);
}

// The PDF writer stamps the clock; SOURCE_DATE_EPOCH replaces it with a date of the same
// length, in either of the writer's zone forms, and anything else leaves the bytes alone.
TEST(TeachingRender, CreationDateFromSourceDateEpoch) {
  std::string utc = "<< /CreationDate (D:20261210012007Z) >>\nxref";
  EXPECT_TRUE(pin_creation_date(utc, "949105845"));
  EXPECT_EQ(utc, "<< /CreationDate (D:20000129003045Z) >>\nxref");
  std::string zoned = "/CreationDate (D:20261210102007+09'00')";
  EXPECT_TRUE(pin_creation_date(zoned, "1709251199"));  // the leap day's last second
  EXPECT_EQ(zoned, "/CreationDate (D:20240229235959+00'00')");
  for (const char* epoch : {static_cast<const char*>(nullptr), "", "12x", "-5"}) {
    std::string same = "/CreationDate (D:20261210012007Z)";
    EXPECT_FALSE(pin_creation_date(same, epoch));
    EXPECT_EQ(same, "/CreationDate (D:20261210012007Z)");
  }
}

}  // namespace
}  // namespace tessaly::tools
