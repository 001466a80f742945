// The window on a screen of twice the pixel density (QT_SCALE_FACTOR=2) and 640 by 512
// logical pixels: CTest runs these as shell.high_dpi; elsewhere they skip.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "programs/passes.h"
#include "shell/graph_canvas.h"
#include "shell/main_window.h"
#include "shell/window_fit.h"
#include "shell_fixture.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"

namespace tessaly::shell {
namespace {

class HighDpi : public ShellTest {
 protected:
  void SetUp() override {
    if (qGuiApp->devicePixelRatio() < 2.0) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    ShellTest::SetUp();
  }
};

// The picture a fresh window of the program draws at `magnification` into an image of `size`
// device pixels.
QImage drawn_at(const ProgramDescriptor& program, double magnification, QSize size) {
  WindowState state(program);
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  state.surface.client_width = size.width();
  state.surface.client_height = size.height();
  state.session.display_magnification = magnification;
  QPainter painter(&image);
  surface::QPainterBackend backend(painter, state.surface);
  window_pass(state.session, state.graph, backend, 96, 96);
  return image;
}

// The window opens inside the screen, at a smaller magnification that the status line names,
// and its graph has the screen's pixels: a grab at twice the density is the picture drawn at
// twice the magnification, not a 1x picture scaled up.
TEST_F(HighDpi, TheWindowFitsAndDrawsAtFullResolution) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_EQ(available.size(), QSize(640, 512));
  MainWindow window(ombra_program(), user);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  settle(window.canvas());
  EXPECT_TRUE(available.contains(window.frameGeometry())) << "the lower frame and legend show";
  const double fitted = window.state().session.display_magnification;
  EXPECT_EQ(fitted, 1.0);
  EXPECT_EQ(window.status_text(), fitted_note(text::source_language(), 1.0));
  EXPECT_EQ(window.status_text(), QStringLiteral("画面に収まるよう表示倍率を 1 にしました"));

  GraphCanvas& canvas = window.canvas();
  EXPECT_EQ(canvas.picture().devicePixelRatio(), 2.0);
  EXPECT_EQ(canvas.picture().size(), QSize(1280, 960));
  const QImage grabbed = canvas.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(grabbed.size(), canvas.size() * 2);

  // The same start-up graph, drawn afresh at magnification 2 into 1280 by 960 pixels.
  const QSize canvas_pixels = canvas.size() * 2;
  const QImage reference = drawn_at(ombra_program(), 2.0, canvas_pixels).copy(0, 0, 1280, 960);
  const QRect visible(QPoint(0, 0), canvas_pixels.boundedTo(QSize(1280, 960)));
  EXPECT_TRUE(grabbed.copy(visible) == reference.copy(visible));
}

// The phasor panel widens the window past the screen: it fits again, as at start-up.
TEST_F(HighDpi, TheWindowFitsAgainWhenThePanelWidensIt) {
  const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
  MainWindow window(ombra_program(), user);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.run_command(801);
  settle(window.canvas());
  EXPECT_EQ(window.state().session.display_magnification, 0.7);  // 640 / 880, in tenths
  EXPECT_EQ(window.status_text(), fitted_note(text::source_language(), 0.7));
  EXPECT_TRUE(available.contains(window.frameGeometry())) << "the panel shows whole";
}

TEST(WindowFit, TheLargestTenthThatFits) {
  EXPECT_EQ(fitting_magnification(1.5, QSize(1920, 1200), 20), 1.5) << "fits as it is";
  EXPECT_EQ(fitting_magnification(1.5, QSize(960, 740), 20), 1.5) << "exactly";
  EXPECT_EQ(fitting_magnification(1.5, QSize(640, 512), 20), 1.0);
  EXPECT_EQ(fitting_magnification(1.5, QSize(1280, 700), 20), 1.4);
  EXPECT_EQ(fitting_magnification(1.5, QSize(40, 30), 20), 0.1) << "never below 0.1";
  EXPECT_EQ(fitting_magnification(1.0, QSize(1280, 1024), 20, 880), 1.0) << "with the panel";
  EXPECT_EQ(fitting_magnification(1.5, QSize(1280, 1024), 20, 880), 1.4);
}

}  // namespace
}  // namespace tessaly::shell
