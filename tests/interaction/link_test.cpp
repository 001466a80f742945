#include "interaction/link.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "programs/descriptor.h"
#include "surface/backend.h"

namespace tessaly::interaction {
namespace {

using Words = std::vector<std::string>;

TEST(Link, SpeaksTheRenderersWords) {
  EXPECT_EQ(link_arguments("https://example.org/tessaly/?program=ombra&do=302,502,502"
                           "&set=circuit_constants=0.0025,1e-5,10&marker=1200&phasor=1#top")
                .arguments,
            (Words{"ombra", "--do", "302,502,502", "--set", "circuit_constants=0.0025,1e-5,10",
                   "--marker", "1200", "--phasor"}));
  // Form encoding as a browser writes it; the program may come last; embed is the page's own;
  // lang is the renderer's --lang; phasor=0 switches nothing on.
  const LinkArguments encoded = link_arguments(
      "?do=302%2C502&set=circuit_constants%3D2.5e%2B3&embed=1&lang=en&phasor=0&program=ombra");
  EXPECT_EQ(encoded.arguments, (Words{"ombra", "--do", "302,502", "--set",
                                      "circuit_constants=2.5e+3", "--lang", "en"}));
  EXPECT_TRUE(encoded.ignored.empty());
  EXPECT_EQ(link_arguments("?program=velto&lang=fr").ignored,
            Words{"lang=\"fr\": --lang needs one of ja, en, not \"fr\""});
}

TEST(Link, LeavesOutWhatTheRendererRefusesAndSaysWhy) {
  const LinkArguments link =
      link_arguments("?program=velto&do=999&colour=red&marker=abc&do=303&curve=2&set=nothing=1");
  EXPECT_EQ(link.arguments, (Words{"velto", "--do", "303"}));
  ASSERT_EQ(link.ignored.size(), 5u);
  EXPECT_EQ(link.ignored[0].rfind("do=\"999\": ", 0), 0u) << link.ignored[0];
  EXPECT_EQ(link.ignored[1], "unknown parameter \"colour\"");
  EXPECT_EQ(link.ignored[2].rfind("marker=\"abc\": ", 0), 0u) << link.ignored[2];
  EXPECT_EQ(link.ignored[3].rfind("set=\"nothing=1\": ", 0), 0u) << link.ignored[3];
  EXPECT_EQ(link.ignored[4], "--curve needs --marker");
  // Nothing in the address runs as anything but the renderer's own words.
  EXPECT_EQ(link_arguments("?program=%3Cscript%3E").arguments, Words{"<script>"});
}

TEST(Link, TheRenderersLinkIsItsArguments) {
  const ParsedArguments linked = parse_render_arguments(
      {"--link", "?program=quirn&do=304,502&marker=500&curve=1", "--format", "trace"});
  const ParsedArguments spelled = parse_render_arguments(
      {"quirn", "--do", "304,502", "--marker", "500", "--curve", "1", "--format", "trace"});
  ASSERT_EQ(linked.outcome, ParsedArguments::Outcome::kRender) << linked.error;
  EXPECT_EQ(linked.request.steps.size(), spelled.request.steps.size());
  EXPECT_EQ(linked.request.teaching.marker_hz, 500.0);
  EXPECT_TRUE(linked.notes.empty());
  EXPECT_EQ(parse_render_arguments({"--link"}).error, "--link needs the address of a page");
  EXPECT_EQ(parse_render_arguments({"--link", "?program=ombra&x=1"}).notes,
            Words{"unknown parameter \"x\""});
}

// A copied link draws the graph on show again: the same state after its replay.
TEST(Link, TheStateComesBackFromItsOwnLink) {
  HeadlessWindow window(velto_program());
  const ParsedArguments asked = parse_render_arguments(
      {"velto", "--do", "304,402,504,504,502", "--set", "circuit_constants=0.004,2.5e-6", "--set",
       "graph_constants=100,2000,1,5000,300", "--set", "display_magnification=1.2"});
  ASSERT_EQ(asked.outcome, ParsedArguments::Outcome::kRender) << asked.error;
  DiscardingTarget discard;
  replay(window, asked.request.steps, discard);
  Teaching teaching(window);
  teaching.command(commands::kPhasorDiagram);
  teaching.lock_marker_at(1234.5, 0);
  const std::string link = state_link(window.session, teaching);
  const ParsedArguments again = parse_render_arguments(link_arguments(link).arguments);
  ASSERT_EQ(again.outcome, ParsedArguments::Outcome::kRender) << link << ": " << again.error;
  HeadlessWindow copy(velto_program());
  replay(copy, again.request.steps, discard);
  const Session& a = window.session;
  const Session& b = copy.session;
  EXPECT_EQ(b.circuit_index, a.circuit_index) << link;
  EXPECT_EQ(b.analysis_index, a.analysis_index) << link;
  EXPECT_EQ(b.step_count, a.step_count) << link;
  EXPECT_EQ(b.step_count2, a.step_count2) << link;
  EXPECT_EQ(b.display_magnification, a.display_magnification) << link;
  for (int i = 0; i < kEditableValues; ++i) {
    EXPECT_EQ(b.circuit_constants[i], a.circuit_constants[i]) << link;
    EXPECT_EQ(b.graph_constants[2][i], a.graph_constants[2][i]) << link;
  }
  EXPECT_TRUE(b.teaching.phasor_panel);
  EXPECT_TRUE(b.teaching.marker.shown);
  EXPECT_EQ(b.teaching.marker.frequency, 1234.5);
}

}  // namespace
}  // namespace tessaly::interaction
