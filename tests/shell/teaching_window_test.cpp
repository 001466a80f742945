// The teaching menu in the window: the diagram's panel, the marker that follows
// the pointer until a click locks it, and an exercise scored in the status
// line.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>

#include "graph/mapping.h"
#include "programs/exercise.h"
#include "shell/graph_canvas.h"
#include "shell/main_window.h"
#include "shell_fixture.h"
#include "surface/surface.h"

namespace tessaly::shell {
namespace {

class TeachingWindowTest : public ShellTest {
 protected:
  void open(MainWindow& window) {
    count_alerts(window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    settle(window.canvas());
  }
  static QPoint pixel(double x, double y) { return QPoint(int(x * 1.5), int(y * 1.5)); }
  // Pixels of the marker's colour in the canvas as it shows now.
  static int marker_pixels(GraphCanvas& canvas) {
    settle(canvas);
    const QImage shown = canvas.grab().toImage();
    const surface::Rgb rgb = surface::colour_rgb(13);
    const QRgb wanted = qRgb(rgb.r, rgb.g, rgb.b);
    int count = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < 960 && x < shown.width(); ++x) count += shown.pixel(x, y) == wanted;
    }
    return count;
  }
};

TEST_F(TeachingWindowTest, PanelWidensTheWindowAndTheMarkerFollowsUntilAClick) {
  MainWindow window(ombra_program(), user);
  open(window);
  const int width = window.frameGeometry().width();
  GraphCanvas& canvas = window.canvas();
  window.run_command(801);
  settle(canvas);
  EXPECT_EQ(window.frameGeometry().width(), width + 360);
  EXPECT_EQ(canvas.picture().size(), QSize(960, 720)) << "the graph keeps its size";

  QTest::mouseMove(&canvas, pixel(200, 100));
  EXPECT_GT(marker_pixels(canvas), 100);
  QTest::mouseMove(&canvas, pixel(620, 470));  // off the frames
  EXPECT_EQ(marker_pixels(canvas), 0);
  QTest::mouseClick(&canvas, Qt::LeftButton, {}, pixel(200, 100));
  QTest::mouseMove(&canvas, pixel(620, 470));
  EXPECT_GT(marker_pixels(canvas), 100) << "locked";
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_EQ(marker_pixels(canvas), 0);

  window.run_command(801);
  settle(canvas);
  EXPECT_EQ(window.frameGeometry().width(), width);
}

TEST_F(TeachingWindowTest, ExercisesAreScoredAndEscapeGivesTheValuesBack) {
  MainWindow window(ombra_program(), user);
  open(window);
  GraphCanvas& canvas = window.canvas();
  Session& s = window.state().session;
  window.run_command(811);
  settle(canvas);
  EXPECT_TRUE(window.status_text().startsWith(QStringLiteral("問題 1：")))
      << window.status_text().toStdString();
  const double f0 = resonant_frequency(s.circuit_constants[0], s.circuit_constants[1]);
  const graph::GraphFrame& upper = window.state().graph.readout.drawn_upper;
  QTest::mouseClick(&canvas, Qt::LeftButton, {},
                    pixel(graph::unrounded_x(upper, f0), upper.bottom - upper.height / 2));
  settle(canvas);
  EXPECT_TRUE(s.teaching.exercise.revealed);
  EXPECT_NEAR(s.teaching.exercise.prediction, f0, 0.01 * f0);
  EXPECT_TRUE(window.status_text().contains(QStringLiteral("成績 1／1")))
      << window.status_text().toStdString();

  window.run_command(812);
  settle(canvas);
  EXPECT_TRUE(window.status_text().startsWith(QStringLiteral("問題 2：")))
      << window.status_text().toStdString();
  QTest::keyClicks(&window, "1000");
  QTest::keyClick(&window, Qt::Key_Backspace);
  QTest::keyClick(&window, Qt::Key_Return);
  settle(canvas);
  EXPECT_EQ(s.teaching.exercise.prediction, 100.0);
  EXPECT_TRUE(window.status_text().contains(QStringLiteral("予想 100、")))
      << window.status_text().toStdString();
  EXPECT_TRUE(window.status_text().contains(QStringLiteral("／2")))
      << window.status_text().toStdString();

  QTest::keyClick(&window, Qt::Key_Escape);
  settle(canvas);
  EXPECT_EQ(s.teaching.exercise.kind, ExerciseKind::kNone);
  EXPECT_EQ(s.circuit_constants[0], 0.0025);
  EXPECT_EQ(s.circuit_constants[1], 1e-05);
  EXPECT_FALSE(window.status_text().contains(QStringLiteral("問題")));
}

}  // namespace
}  // namespace tessaly::shell
