#include "shell/graph_canvas.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <limits>
#include <memory>

#include "shell_fixture.h"
#include "surface/surface.h"

namespace tessaly::shell {
namespace {

class GraphCanvasTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    canvas = std::make_unique<GraphCanvas>(*state);
    canvas->resize(960, 720);
    canvas->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(canvas.get()));
    settle(*canvas);  // the resize's own pass
  }

  std::unique_ptr<GraphCanvas> canvas;
};

TEST_F(GraphCanvasTest, PictureSize) {
  EXPECT_EQ(picture_size(1.5), QSize(960, 720));
  EXPECT_EQ(picture_size(1.2), QSize(768, 576));
  EXPECT_EQ(picture_size(1.0), QSize(640, 480));
  EXPECT_EQ(picture_size(0.999), QSize(639, 479)) << "truncated";
  // The bound of the drawing: 0 draws at 0.1, NaN at 1, anything above 10 at 10.
  EXPECT_EQ(picture_size(0.0), QSize(64, 48));
  EXPECT_EQ(picture_size(std::numeric_limits<double>::quiet_NaN()), QSize(640, 480));
  EXPECT_EQ(picture_size(1e300), QSize(kMaxPictureSide, kMaxPictureSide));
}

// A stored magnification of 0 or NaN still shows the graph, as printing does.
TEST_F(GraphCanvasTest, UnboundedMagnificationsStillShowTheGraph) {
  for (const double magnification : {0.0, std::numeric_limits<double>::quiet_NaN()}) {
    session().display_magnification = magnification;
    canvas->request_repaint(Repaint::kErase);
    settle(*canvas);
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int dark = 0;
    const QSize size = picture_size(magnification);
    for (int y = 0; y < size.height(); ++y) {
      for (int x = 0; x < size.width(); ++x) dark += qGray(shown.pixel(x, y)) < 128;
    }
    EXPECT_GT(dark, size.width() * size.height() / 100) << magnification;
  }
}

TEST_F(GraphCanvasTest, OnlyRepaintRequestsRunTheDriver) {
  QSignalSpy spy(canvas.get(), &GraphCanvas::picture_drawn);
  const int alerts_before = alerts;
  canvas->repaint();  // an expose: the stored picture, not a new pass
  settle(*canvas);
  canvas->hide();
  canvas->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(canvas.get()));
  settle(*canvas);
  EXPECT_EQ(spy.count(), 0);
  EXPECT_EQ(alerts, alerts_before);
  EXPECT_EQ(canvas->grab().toImage().copy(0, 0, 960, 720).convertToFormat(QImage::Format_RGB32),
            canvas->picture());

  canvas->request_repaint(Repaint::kNone);
  settle(*canvas);
  EXPECT_EQ(spy.count(), 0);
  // Requests pile up into one pass; it erases if any of them asked to.
  canvas->request_repaint(Repaint::kOverlay);
  canvas->request_repaint(Repaint::kErase);
  canvas->request_repaint(Repaint::kOverlay);
  EXPECT_TRUE(canvas->pass_pending());
  settle(*canvas);
  ASSERT_EQ(spy.count(), 1);
  EXPECT_TRUE(spy.at(0).at(0).toBool());
  canvas->request_repaint(Repaint::kOverlay);
  settle(*canvas);
  ASSERT_EQ(spy.count(), 2);
  EXPECT_FALSE(spy.at(1).at(0).toBool());
  EXPECT_EQ(alerts, alerts_before + 2) << "each finished graph alerts once";
}

TEST_F(GraphCanvasTest, NewMagnificationStartsAFreshPicture) {
  QSignalSpy spy(canvas.get(), &GraphCanvas::picture_drawn);
  session().display_magnification = 1.0;
  canvas->request_repaint(Repaint::kOverlay);
  settle(*canvas);
  EXPECT_EQ(canvas->picture().size(), QSize(640, 480));
  ASSERT_EQ(spy.count(), 1);
  EXPECT_TRUE(spy.at(0).at(0).toBool()) << "the old scale's picture cannot stay";
  // Outside the picture the client area is white.
  const QImage shown = canvas->grab().toImage();
  EXPECT_EQ(shown.pixel(900, 700), qRgb(255, 255, 255));
  EXPECT_EQ(state->surface.client_width, 960);
  EXPECT_EQ(state->surface.client_height, 720);
}

TEST_F(GraphCanvasTest, AxisErrorsAreShownWithoutStopping) {
  // Ombra's lowest frequency of 0 cannot go on its logarithmic axis.
  double* graph = ombra_program().graph_constants.row(session());
  graph[0] = 0.0;
  const int alerts_before = alerts;
  canvas->request_repaint(Repaint::kErase);
  settle(*canvas);
  EXPECT_EQ(canvas->error_text(), QStringLiteral("ゼロまたは負は不可！！"));
  EXPECT_GE(alerts - alerts_before, 3) << "three alerts per error";
  graph[0] = 10.0;
  canvas->request_repaint(Repaint::kErase);
  settle(*canvas);
  EXPECT_EQ(canvas->error_text(), QString()) << "a good pass takes the message away";
}

}  // namespace
}  // namespace tessaly::shell
