#include "shell/print_command.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <utility>
#include <vector>

#include "programs/passes.h"
#include "shell/graph_canvas.h"
#include "shell/main_window.h"
#include "shell_fixture.h"
#include "surface/surface.h"

namespace tessaly::shell {
namespace {

class PrintCommandTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    user.printer_choice = [this](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf());
      document = printer.docName();
      resolution = printer.resolution();
      return true;
    };
  }
  QString pdf() const { return folder.filePath(QStringLiteral("graph.pdf")); }
  int pdf_pages() const {
    QFile file(pdf());
    if (!file.open(QIODevice::ReadOnly)) return -1;
    return static_cast<int>(file.readAll().count("/Type /Page\n"));
  }

  QTemporaryDir folder;
  QString document;
  int resolution = 0;
};

TEST_F(PrintCommandTest, OnePageScaledFromThePrinterResolution) {
  MainWindow window(ombra_program(), user);
  const surface::Surface& surface = window.state().surface;
  // The scales as each finished graph (window or paper) announces itself.
  std::vector<std::pair<double, double>> scales;
  window.set_alert_sink(
      [&] { scales.emplace_back(surface.device_scale_x, surface.device_scale_y); });
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  settle(window.canvas());
  const int screen_x = window.canvas().logicalDpiX();
  const int screen_y = window.canvas().logicalDpiY();
  ASSERT_EQ(window.state().session.screen_dpi_x, screen_x);
  scales.clear();

  window.run_command(103);
  EXPECT_EQ(document, QStringLiteral("PRT"));
  EXPECT_EQ(resolution, 1200);
  ASSERT_EQ(scales.size(), 1u) << "the printed graph is announced too";
  EXPECT_EQ(scales[0].first, 1200 * 1.2 / screen_x);
  EXPECT_EQ(scales[0].second, 1200 * 1.2 / screen_y);
  EXPECT_EQ(surface.device_scale_x, 1.0) << "back to the window";
  EXPECT_EQ(surface.output_target, 0);
  EXPECT_EQ(pdf_pages(), 1);
  EXPECT_FALSE(window.canvas().pass_pending()) << "the menu print repaints nothing";

  // q prints at 1.0 at once, and a later menu print keeps 1.0.
  scales.clear();
  QTest::keyClick(&window, 'q');
  ASSERT_EQ(scales.size(), 2u) << "the key's alert, then the printed graph's";
  EXPECT_EQ(scales[1].first, 1200 * 1.0 / screen_x);
  EXPECT_TRUE(window.canvas().pass_pending());
  scales.clear();
  window.run_command(103);
  ASSERT_EQ(scales.size(), 1u);
  EXPECT_EQ(scales[0].first, 1200 * 1.0 / screen_x);
  EXPECT_EQ(user.printer_dialogs, 3);
}

TEST_F(PrintCommandTest, CancelPrintsNothing) {
  user.printer_choice = nullptr;
  EXPECT_FALSE(print_graph(*state, user, nullptr));
  EXPECT_FALSE(QFile::exists(pdf()));
  EXPECT_EQ(alerts, 0);
  EXPECT_TRUE(user.messages.empty());
}

}  // namespace
}  // namespace tessaly::shell
