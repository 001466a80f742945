#include "interaction/render_request.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaly::interaction {
namespace {

ParsedArguments parse(const std::vector<std::string>& arguments) {
  return parse_render_arguments(arguments);
}

std::string error_of(const std::vector<std::string>& arguments) {
  const ParsedArguments parsed = parse(arguments);
  EXPECT_EQ(parsed.outcome, ParsedArguments::Outcome::kError);
  return parsed.error;
}

TEST(RenderArguments, StepsAndSettingsKeepTheirOrder) {
  const ParsedArguments parsed =
      parse({"--do", "202,302", "ombra", "--set", "circuit_constants=0.005,,3", "--do=k3,kp,501",
             "--format", "csv", "-o", "out.csv"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  const RenderRequest& request = parsed.request;
  EXPECT_EQ(request.program, &ombra_program());
  EXPECT_EQ(request.format, Format::kCsv);
  EXPECT_EQ(request.output, "out.csv");
  ASSERT_EQ(request.steps.size(), 6u);
  EXPECT_EQ(request.steps[0].command, 202);
  EXPECT_EQ(request.steps[1].command, 302);
  EXPECT_EQ(request.steps[2].kind, Step::Kind::kSetting);
  EXPECT_EQ(request.steps[2].name, "circuit_constants");
  EXPECT_EQ(request.steps[2].values, (std::vector<std::string>{"0.005", "", "3"}));
  EXPECT_EQ(request.steps[3].kind, Step::Kind::kCharacter);
  EXPECT_EQ(request.steps[3].character, '3');
  EXPECT_EQ(request.steps[4].character, 'p');
  EXPECT_EQ(request.steps[5].kind, Step::Kind::kCommand);
  EXPECT_EQ(request.steps[5].command, 501);
}

TEST(RenderArguments, OutputGoesToProgramDotFormatOrStandardOutput) {
  RenderRequest request = parse({"velto"}).request;
  EXPECT_EQ(request.format, Format::kPng);
  EXPECT_EQ(output_path(request), "velto.png");
  request.output = "-";
  EXPECT_EQ(output_path(request), "velto.png");
  const char* const to_files[] = {"svg", "pdf", "dat"};
  for (const char* format : to_files) {
    EXPECT_EQ(output_path(parse({"quirn", "--format", format}).request),
              std::string("quirn.") + format);
  }
  const char* const to_standard_output[] = {"trace", "trace-print", "csv"};
  for (const char* format : to_standard_output) {
    EXPECT_EQ(output_path(parse({"quirn", "--format", format}).request), "") << format;
    EXPECT_EQ(output_path(parse({"quirn", "--format", format, "-o", "-"}).request), "");
    EXPECT_EQ(output_path(parse({"quirn", "--format", format, "--output=t.txt"}).request), "t.txt");
  }
}

TEST(RenderArguments, HelpEndsTheArguments) {
  EXPECT_EQ(parse({"--help"}).outcome, ParsedArguments::Outcome::kHelp);
  EXPECT_EQ(parse({"nope", "-h"}).outcome, ParsedArguments::Outcome::kError)
      << "arguments are read in order";
  EXPECT_EQ(parse({"ombra", "-h", "--bogus"}).outcome, ParsedArguments::Outcome::kHelp);
  const std::string usage = render_usage();
  EXPECT_EQ(usage.rfind("Usage: tessaly-render PROGRAM [--do STEPS] [--set NAME=VALUES] "
                        "[--read FILE]...\n",
                        0),
            0u);
}

TEST(RenderArguments, WrongArgumentsNameWhatWasWrong) {
  EXPECT_EQ(error_of({}), "no PROGRAM given (ombra, velto or quirn)");
  EXPECT_EQ(error_of({"Ombra"}), "unknown program \"Ombra\" (ombra, velto or quirn)");
  EXPECT_EQ(error_of({"ombra", "velto"}), "unexpected argument \"velto\": one PROGRAM only");
  EXPECT_EQ(error_of({"ombra", "--bogus"}), "unknown option \"--bogus\" (see --help)");
  EXPECT_EQ(error_of({"ombra", "--do"}), "option --do needs a value");
  EXPECT_EQ(error_of({"ombra", "-o"}), "option -o needs a value");
  EXPECT_EQ(error_of({"ombra", "--format", "jpg"}),
            "unknown format \"jpg\" (png, svg, pdf, trace, trace-print, dat, csv or phasors)");
  EXPECT_EQ(error_of({"ombra", "--format", "png", "--format", "svg"}), "--format given twice");
  EXPECT_EQ(error_of({"ombra", "-o", "a", "--output", "b"}), "--output given twice");
  EXPECT_EQ(error_of({"ombra", "--output="}), "--output needs a file name (or - for the default)");
  EXPECT_EQ(error_of({"ombra", "--read"}), "option --read needs a value");
  EXPECT_EQ(error_of({"ombra", "--read="}), "--read needs a data file");
  EXPECT_EQ(error_of({"ombra", "--lang", "fr"}), "--lang needs one of ja, en, not \"fr\"");
  EXPECT_EQ(error_of({"ombra", "--lang", "en", "--lang", "ja"}), "--lang given twice");
}

TEST(RenderArguments, ReadsTakeTheirPlaceAmongTheSteps) {
  const ParsedArguments parsed =
      parse({"velto", "--do", "501", "--read", "saved.dat", "--do=204", "--read=b.dat"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  const std::vector<Step>& steps = parsed.request.steps;
  ASSERT_EQ(steps.size(), 4u);
  EXPECT_EQ(steps[1].kind, Step::Kind::kRead);
  EXPECT_EQ(steps[1].name, "saved.dat");
  EXPECT_EQ(steps[2].command, 204);
  EXPECT_EQ(steps[3].kind, Step::Kind::kRead);
  EXPECT_EQ(steps[3].name, "b.dat");
}

TEST(RenderArguments, OnlyStateCommandsOfTheProgramsMenuAreReplayed) {
  for (const char* refused : {"101", "102", "103", "104", "601", "602", "603", "701", "702", "200",
                              "205", "310", "410", "506", "0"}) {
    EXPECT_EQ(error_of({"ombra", "--do", refused}),
              std::string("step \"") + refused +
                  "\" is refused: only menu commands 201-204, 301-309, 401-409 and 501-505 "
                  "are replayed");
  }
  EXPECT_EQ(error_of({"ombra", "--do", "303"}), "step \"303\" is not in ombra's menu");
  EXPECT_EQ(error_of({"ombra", "--do", "504"}), "step \"504\" is not in ombra's menu");
  EXPECT_EQ(error_of({"velto", "--do", "404"}), "step \"404\" is not in velto's menu");
  EXPECT_EQ(error_of({"quirn", "--do", "403"}), "step \"403\" is not in quirn's menu");
  EXPECT_EQ(parse({"velto", "--do", "304,403,505"}).outcome, ParsedArguments::Outcome::kRender);
  EXPECT_EQ(parse({"quirn", "--do", "204,304,402,503"}).outcome, ParsedArguments::Outcome::kRender);
  const char* const unknown[] = {"k", "k12", "K3", "x", "3a", "", " 301", "-301", "1e3"};
  for (const char* step : unknown) {
    EXPECT_EQ(error_of({"ombra", "--do", step}),
              std::string("unknown step \"") + step +
                  "\" in --do (a menu command number, or k and one typed character)");
  }
  EXPECT_EQ(error_of({"ombra", "--do", "301,,302"}),
            "unknown step \"\" in --do (a menu command number, or k and one typed character)");
  EXPECT_EQ(parse({"ombra", "--do", "k ,k0,kA,k~"}).outcome, ParsedArguments::Outcome::kRender);
}

TEST(RenderArguments, SettingsMustFitTheProgramsDialogs) {
  EXPECT_EQ(error_of({"ombra", "--set", "circuit_constants"}),
            "--set needs NAME=VALUES, not \"circuit_constants\"");
  EXPECT_EQ(error_of({"ombra", "--set", "=1"}), "--set needs NAME=VALUES, not \"=1\"");
  EXPECT_EQ(error_of({"ombra", "--set", "circuit_constants=1,2,3,4"}),
            "too many values for circuit_constants: ombra's dialog holds 3");
  EXPECT_EQ(error_of({"ombra", "--set", "display_magnification=1,1.2"}),
            "too many values for display_magnification: ombra's dialog holds 1");
  EXPECT_EQ(error_of({"ombra", "--set", "colour=1"}),
            "ombra binds no values to \"colour\" (names: circuit_constants (3), graph_constants "
            "(5), display_magnification (1), print_magnification (1))");
  EXPECT_EQ(error_of({"velto", "--set", "circuit_constants=1,2,3"}),
            "too many values for circuit_constants: velto's dialog holds 2")
      << "L and C only";
  EXPECT_EQ(error_of({"quirn", "--set", "display_magnification=1"}),
            "quirn binds no values to \"display_magnification\" (names: circuit_constants (3), "
            "graph_constants (5))");
  EXPECT_EQ(parse({"ombra", "--set", "graph_constants=1,2,3,4,5"}).outcome,
            ParsedArguments::Outcome::kRender);
  EXPECT_EQ(parse({"velto", "--set", "print_magnification=0.8"}).outcome,
            ParsedArguments::Outcome::kRender);
  EXPECT_EQ(
      parse({"quirn", "--set", "graph_constants=1,2,3,4,5", "--set", "circuit_constants=1,2,3"})
          .outcome,
      ParsedArguments::Outcome::kRender);
}

}  // namespace
}  // namespace tessaly::interaction
