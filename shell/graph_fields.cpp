#include "shell/graph_fields.h"

#include <cstring>

#include "programs/descriptor.h"

namespace tessaly::shell {

namespace {

constexpr int kYMinimumField = 2;
constexpr int kYMaximumField = 3;
constexpr int kOmbraPhaseAnalysis = 3;
constexpr int kOmbraLocusAnalysis = 4;

}  // namespace

bool graph_field_used(const Session& session, int field) {
  if (std::strcmp(session.program->id, "ombra") != 0) return true;
  if (field != kYMinimumField && field != kYMaximumField) return true;
  return session.analysis_index != kOmbraPhaseAnalysis &&
         session.analysis_index != kOmbraLocusAnalysis;
}

}  // namespace tessaly::shell
