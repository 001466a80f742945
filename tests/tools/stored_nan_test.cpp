// Values a sweep cannot compute are saved with one NaN bit pattern, whatever sign the
// processor gave them, so that every build writes the same file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "interaction/render_request.h"
#include "interaction/text_outputs.h"

namespace tessaly::tools {
namespace {

using namespace interaction;

TEST(StoredNan, EveryNanOfADataFileIsTheQuietPositiveOne) {
  // No components at all: 0/0 in every point of both blocks.
  const ParsedArguments parsed =
      parse_render_arguments({"ombra", "--set", "circuit_constants=0,0,0", "--format", "dat"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  const std::string bytes = text_output(parsed.request);
  ASSERT_EQ(bytes.size(), 8016u);
  int nans = 0;
  for (std::size_t at = 0; at < bytes.size(); at += 8) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, bytes.data() + at, 8);
    double value = 0.0;
    std::memcpy(&value, &bits, 8);
    if (value != value) {
      ++nans;
      EXPECT_EQ(bits, 0x7FF8000000000000u) << "entry " << at / 8;
    }
  }
  EXPECT_GT(nans, 900);
}

}  // namespace
}  // namespace tessaly::tools
