#include "shell/main_window.h"

#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <vector>

#include "graph/readout.h"
#include "shell/graph_canvas.h"
#include "shell_fixture.h"

namespace tessaly::shell {
namespace {

class MainWindowTest : public ShellTest {
 protected:
  // Shows the window and lets its first paint happen.
  void open(MainWindow& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    settle(window.canvas());
  }

  // The passes that the commands cause, each with whether it erased first.
  std::vector<bool> passes_after(MainWindow& window, const std::vector<int>& commands) {
    QSignalSpy spy(&window.canvas(), &GraphCanvas::picture_drawn);
    for (int command : commands) {
      window.run_command(command);
      settle(window.canvas());
    }
    std::vector<bool> erased;
    for (const QList<QVariant>& pass : spy) erased.push_back(pass.at(0).toBool());
    return erased;
  }
};

TEST_F(MainWindowTest, StartsAsTheProgramDid) {
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Tessaly"));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(QFile::exists(QStringLiteral(":/tessaly.svg"))) << "the window icon";
  EXPECT_EQ(outer_window_size(1.5, 0), QSize(960, 720));
  EXPECT_EQ(outer_window_size(1.2, 0), QSize(768, 576));
  EXPECT_EQ(outer_window_size(0.33, 0), QSize(211, 158)) << "truncated, not rounded";
  EXPECT_EQ(outer_window_size(1.5, 23), QSize(960, 743));
  open(window);
  const int status_height = window.statusBar()->height();
  EXPECT_GT(status_height, 0);
  EXPECT_EQ(window.frameGeometry().size(), QSize(960, 720 + status_height));
  // The status line comes on top: the client area is what the window had without it.
  const QSize frame = window.frameGeometry().size() - window.geometry().size();
  EXPECT_EQ(window.canvas().size(), QSize(960, 720 - window.menuBar()->height()) - frame);
  EXPECT_EQ(window.frameGeometry().topLeft(), window.screen()->geometry().topLeft());
  EXPECT_EQ(window.canvas().picture().size(), QSize(960, 720));
  EXPECT_EQ(alerts, 1) << "the first graph is announced once";
  // The window keeps its size when the magnification changes; only the mapping follows.
  window.run_command(603);
  QTest::keyClick(&window, 'a');
  settle(window.canvas());
  EXPECT_EQ(window.frameGeometry().size(), QSize(960, 720 + status_height));
  EXPECT_EQ(window.canvas().picture().size(), QSize(640, 480));
}

TEST_F(MainWindowTest, RepaintModes) {
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  open(window);
  // Redraw mode wipes at every command; overlay draws over the old graph until Clear, which
  // wipes at every command until redraw, overlay or 204.
  EXPECT_EQ(passes_after(window, {302, 301}), (std::vector<bool>{true, true}));
  EXPECT_EQ(passes_after(window, {202, 302, 301, 501}),
            (std::vector<bool>{false, false, false, false}));
  EXPECT_EQ(passes_after(window, {203, 501, 502}), (std::vector<bool>{true, true, true}));
  EXPECT_EQ(passes_after(window, {202, 501}), (std::vector<bool>{false, false}));
  EXPECT_EQ(passes_after(window, {203, 204, 502}), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(passes_after(window, {201, 401}), (std::vector<bool>{true, true}));
  // Print, help and version ask for no repaint of their own.
  EXPECT_EQ(passes_after(window, {103, 701, 702}), std::vector<bool>{});
  // A command that the menu does not offer never arrives.
  EXPECT_EQ(passes_after(window, {405, 504, 999}), std::vector<bool>{});
  EXPECT_EQ(window.state().session.analysis_index, 1);
  EXPECT_EQ(window.state().session.step_count2, 0.0);
}

TEST_F(MainWindowTest, OverlayAccumulatesCurvesUntilAnErasingRequest) {
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  open(window);
  window.run_command(202);
  window.run_command(302);  // series circuit: its curves join the parallel ones
  settle(window.canvas());
  const QImage both = window.canvas().picture();
  window.run_command(201);
  settle(window.canvas());
  const QImage alone = window.canvas().picture();
  ASSERT_EQ(both.size(), alone.size());
  // Overlaid, the picture holds everything the series graph alone shows, and more.
  int extra = 0;
  for (int y = 0; y < alone.height(); ++y) {
    for (int x = 0; x < alone.width(); ++x) {
      if (alone.pixel(x, y) != qRgb(255, 255, 255) && both.pixel(x, y) == qRgb(255, 255, 255)) {
        ADD_FAILURE() << "overlay lost a pixel at " << x << ", " << y;
        return;
      }
      if (both.pixel(x, y) != alone.pixel(x, y)) ++extra;
    }
  }
  EXPECT_GT(extra, 1000);
}

TEST_F(MainWindowTest, EveryTypedCharacterAlertsAndWipes) {
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  open(window);
  window.run_command(202);  // even in overlay mode
  alerts = 0;
  QSignalSpy spy(&window.canvas(), &GraphCanvas::picture_drawn);
  struct Key {
    char key;
    int circuit;
    double display;
    double print;
  };
  const Key keys[] = {
      {'2', 2, 1.5, 1.2}, {'9', 9, 1.5, 1.2}, {'0', 9, 1.5, 1.2},
      {'a', 9, 1.0, 1.2}, {'B', 9, 1.2, 1.2}, {'c', 9, 1.5, 1.2},
      {' ', 9, 1.5, 1.2}, {'x', 9, 1.5, 1.2}, {'1', 1, 1.5, 1.2},
  };
  for (const Key& key : keys) {
    QTest::keyClick(&window, key.key);
    EXPECT_EQ(window.state().session.circuit_index, key.circuit) << key.key;
    EXPECT_EQ(window.state().session.display_magnification, key.display) << key.key;
    EXPECT_EQ(window.state().session.print_magnification, key.print) << key.key;
    settle(window.canvas());
  }
  QTest::keyClick(&window, Qt::Key_Return);
  settle(window.canvas());
  // Keys that type nothing (a lone Shift) are no characters.
  QTest::keyClick(&window, Qt::Key_Shift);
  settle(window.canvas());
  ASSERT_EQ(spy.count(), 10);
  for (const QList<QVariant>& pass : spy) EXPECT_TRUE(pass.at(0).toBool());
  // One alert per character, one per finished graph; circuit 9 is no circuit, still a pass.
  EXPECT_EQ(alerts, 20);
  EXPECT_EQ(window.state().session.clear_before_draw, 0);
}

TEST_F(MainWindowTest, PrintKeysSetTheMagnificationEvenWhenThePrintIsCancelled) {
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  open(window);
  QSignalSpy spy(&window.canvas(), &GraphCanvas::picture_drawn);
  const std::pair<char, double> keys[] = {{'q', 1.0}, {'R', 0.8}, {'p', 1.2}};
  for (const auto& [key, magnification] : keys) {
    QTest::keyClick(&window, key);
    EXPECT_EQ(window.state().session.print_magnification, magnification) << key;
    settle(window.canvas());
  }
  EXPECT_EQ(user.printer_dialogs, 3);
  EXPECT_EQ(spy.count(), 3) << "each print key ends in a repaint";
  EXPECT_TRUE(user.messages.empty()) << "cancelling a print says nothing";
}

TEST_F(MainWindowTest, HelpVersionAndExit) {
  MainWindow window(velto_program(), user);
  count_alerts(window);
  open(window);
  window.run_command(701);
  window.run_command(702);
  ASSERT_EQ(user.messages.size(), 2u);
  EXPECT_EQ(user.messages[0].caption, QStringLiteral("回路と使い方の説明"));
  EXPECT_EQ(user.messages[0].text, QString::fromUtf8(velto_program().help_text));
  EXPECT_EQ(user.messages[0].icon, QMessageBox::NoIcon);
  EXPECT_EQ(user.messages[1].text, QStringLiteral("Ver. 0.2,  1999.8"));
  EXPECT_EQ(user.messages[1].caption, QStringLiteral("電子回路シミュレーション"));
  EXPECT_EQ(user.messages[1].icon, QMessageBox::NoIcon);
  window.run_command(104);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(user.messages.size(), 2u) << "exit asks nothing";
}

// The language menu's choice reaches every text the window shows: the menus, the boxes, the
// graph (drawn again) and Qt's own buttons.
TEST_F(MainWindowTest, LanguageMenuSwitchesMenusMessagesGraphAndQtTexts) {
  MainWindow window(velto_program(), user);
  count_alerts(window);
  open(window);
  const auto titles = [&window] {
    QStringList shown;
    for (QAction* action : window.menuBar()->actions()) shown << action->text();
    return shown;
  };
  EXPECT_EQ(titles().first(), QStringLiteral("ファイル  "));
  EXPECT_EQ(titles().last(), QStringLiteral("言語 Language"));
  QMenu* languages = window.menuBar()->actions().last()->menu();
  ASSERT_EQ(languages->actions().size(), 2);
  EXPECT_TRUE(languages->actions()[0]->isChecked());
  QSignalSpy passes(&window.canvas(), &GraphCanvas::picture_drawn);
  languages->actions()[1]->trigger();
  QCoreApplication::processEvents();  // the choice is applied once its menu has closed
  settle(window.canvas());
  EXPECT_EQ(&window.language(), text::find_language("en"));
  EXPECT_EQ(titles(), (QStringList{"File", "Draw", "Circuit", "Analysis", "Step", "Settings",
                                   "Help", "Exercises", "Language"}));
  EXPECT_TRUE(window.menuBar()->actions().last()->menu()->actions()[1]->isChecked());
  ASSERT_EQ(passes.size(), 1);
  EXPECT_TRUE(passes[0].at(0).toBool()) << "the graph is drawn again from a clean window";
  window.run_command(702);
  ASSERT_EQ(user.messages.size(), 1u);
  EXPECT_EQ(user.messages[0].caption, QStringLiteral("Electronic circuit simulation"));
  QDialogButtonBox buttons(QDialogButtonBox::Cancel);
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
  window.set_language(text::source_language());
  EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"))
      << "a button keeps the text it was made with";
  QDialogButtonBox japanese(QDialogButtonBox::Cancel);
  EXPECT_EQ(japanese.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  EXPECT_EQ(titles().first(), QStringLiteral("ファイル  "));
}

TEST_F(MainWindowTest, StatusLineReadsOutThePointerWithoutAPass) {
  EXPECT_EQ(logical_position(QPointF(0, 0), 1.5), QPointF(1.0 / 3.0, 1.0 / 3.0));
  MainWindow window(ombra_program(), user);
  count_alerts(window);
  open(window);
  GraphCanvas& canvas = window.canvas();
  QSignalSpy passes(&canvas, &GraphCanvas::picture_drawn);
  const auto move_to = [&canvas](QPointF pixel) {
    QMouseEvent move(QEvent::MouseMove, pixel, canvas.mapToGlobal(pixel), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&canvas, &move);
  };
  const auto expected_at = [&window](double x, double y) {
    char text[256];
    graph::format_readout(text, sizeof text, graph::readout_at(window.state().graph, x, y),
                          text::source_language());
    return QString::fromUtf8(text);
  };

  // Ombra's first graph at magnification 1.5: logical (288, 40) is 1 kHz on the upper frame.
  move_to(QPointF(431.5, 59.5));
  EXPECT_TRUE(window.status_text().startsWith(QStringLiteral("周波数 1.000k［Ｈｚ］　｜Ｚ｜ ")))
      << window.status_text().toStdString();
  EXPECT_EQ(window.status_text(), expected_at(288.0, 40.0));
  EXPECT_EQ(passes.count(), 0) << "reading out draws nothing";
  EXPECT_FALSE(canvas.pass_pending());

  // Between the frames there is nothing to read; leaving the canvas clears the line too.
  move_to(QPointF(431.5, 282));
  EXPECT_EQ(window.status_text(), QString());
  move_to(QPointF(431.5, 59.5));
  EXPECT_FALSE(window.status_text().isEmpty());
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&canvas, &leave);
  EXPECT_EQ(window.status_text(), QString());

  // A new graph under a pointer that stays: the line follows the new curves.
  move_to(QPointF(431.5, 59.5));
  const QString before = window.status_text();
  window.run_command(302);
  settle(canvas);
  EXPECT_EQ(passes.count(), 1);
  EXPECT_NE(window.status_text(), before);
  EXPECT_EQ(window.status_text(), expected_at(288.0, 40.0));
}

TEST_F(MainWindowTest, QuirnOpensItsTwoSettingsDialogsAndRepaints) {
  MainWindow window(quirn_program(), user);
  count_alerts(window);
  open(window);
  EXPECT_EQ(passes_after(window, {202, 601, 602, 603}), (std::vector<bool>{false, true, true}));
  EXPECT_EQ(user.dialogs, 2) << "no magnification dialog";
}

}  // namespace
}  // namespace tessaly::shell
