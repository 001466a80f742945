// A graph as a link: the page's address in the renderer's own words. "?program=ombra&do=302,
// 502&set=circuit_constants=0.0025,1e-5,10&marker=1200&phasor=1" stands for the arguments
// `ombra --do 302,502 --set circuit_constants=0.0025,1e-5,10 --marker 1200 --phasor`, so a
// teacher's handout figure (tessaly-render --link) and the student's page draw the same graph.
#pragma once

#include <string>
#include <vector>

#include "core/session.h"
#include "interaction/teaching.h"

namespace tessaly::interaction {

struct LinkArguments {
  std::vector<std::string> arguments;  // for parse_render_arguments
  std::vector<std::string> ignored;    // one line for each parameter left out, and why
};

// The arguments the address's query stands for (whatever comes before "?" and after "#" is
// not looked at). Parameters the renderer would refuse, or does not know, are left out and
// said why; "embed" is the page's own and is left out silently.
LinkArguments link_arguments(const std::string& address);

// The query of a link that draws the session's graph again: the program, the circuit and
// analysis, the steps, the overlay mode, the values the dialogs hold for this graph, and the
// marker and diagram as the teaching views show them, and the language when it is not the
// source language.
std::string state_link(const Session& session, const Teaching& teaching);

}  // namespace tessaly::interaction
