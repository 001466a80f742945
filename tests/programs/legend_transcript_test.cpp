#include "graph/legend_transcript.h"

#include <gtest/gtest.h>

#include <string>

#include "program_fixture.h"
#include "programs/descriptor.h"
#include "programs/passes.h"
#include "surface/recording_backend.h"

namespace tessaly {
namespace {

using testing::command;
using testing::key;

class LegendTranscriptTest : public testing::ProgramTest {
 protected:
  // The legend of one more window pass of the state the steps left, as the page reads it.
  std::string transcript() {
    graph::LegendTranscript transcript;
    context().legend_transcript = &transcript;
    surface::RecordingBackend recorder;
    window_pass(session(), context(), recorder, 96, 96);
    context().legend_transcript = nullptr;
    return transcript.text(text::source_language());
  }
};

// Ombra draws Q and the resistance curve by curve, by turns: each heading still gathers its
// own five values, in the legend's own forms. Stepped up once, C is 15 uF and the series
// circuit's Q = sqrt(L / C) / R is 12.9 / R.
TEST_F(LegendTranscriptTest, EachHeadingWithTheValuesItsLegendShows) {
  render(ombra_program());
  EXPECT_EQ(transcript(),
            "Ｑ：0.63、1.90、6.32、19.0、63.2\n"
            "抵抗［Ω］：10.0、30.0、100、300、1.00k\n"
            "ｲﾝﾀﾞｸﾀﾝｽ[H]：2.50m\n"
            "容量 [F]：10.0u");
  render(ombra_program(), {command(302), command(501)});
  EXPECT_EQ(transcript(),
            "Ｑ：43.0、12.9、4.30、1.29、0.43\n"
            "抵抗［Ω］：0.30、1.00、3.00、10.0、30.0\n"
            "ｲﾝﾀﾞｸﾀﾝｽ[H]：2.50m\n"
            "容量 [F]：15.0u");
  render(velto_program(), {key('3')});
  EXPECT_EQ(transcript(), "Ｌ［Ｈ］：2.53m\nＣ［Ｆ］：10.0u\n共振周波数 fo［Ｈｚ］：1.00k");
}

}  // namespace
}  // namespace tessaly
