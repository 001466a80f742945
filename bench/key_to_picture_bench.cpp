// From a typed key to the new picture on the screen, in the real main window of each program
// on the offscreen platform: the key event, the state change, the repaint request, the event
// loop's paint with its full driver pass on the backing image, and the flush. The window is
// shown and painted once before any timing, as a user's window is.
//
// Run with -median N for the median of N runs, e.g. `tessaly_key_bench -median 31`.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTest>
#include <map>
#include <memory>

#include "programs/descriptor.h"
#include "shell/graph_canvas.h"
#include "shell/main_window.h"
#include "shell/user_interaction.h"

namespace tessaly::bench {
namespace {

// Notes each paint event of the canvas: once the event loop returns after one, the picture
// has been drawn and flushed.
class PaintWatch final : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

// No dialog ever opens: the keys used draw only.
class NoUser final : public shell::UserInteraction {
 public:
  std::optional<QString> choose_open_path(QWidget*) override { return std::nullopt; }
  std::optional<QString> choose_save_path(QWidget*) override { return std::nullopt; }
  bool choose_printer(QWidget*, QPrinter&) override { return false; }
  int run_dialog(QDialog&) override { return 0; }
  void show_message(QWidget*, const shell::UserMessage&) override {}
};

}  // namespace

class KeyToPicture : public QObject {
  Q_OBJECT

 private slots:
  void key_to_picture_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("keys");
    // Each key changes the picture: the circuits in turn, every press an erasing redraw.
    QTest::newRow("ombra") << "ombra"
                           << "12";
    QTest::newRow("velto") << "velto"
                           << "1234";
    QTest::newRow("quirn") << "quirn"
                           << "1234";
  }

  void key_to_picture() {
    QFETCH(QString, program);
    QFETCH(QString, keys);
    const ProgramDescriptor& descriptor = *find_program(program.toUtf8().constData());
    shell::MainWindow& window = window_of(program, descriptor);
    QVERIFY(QTest::qWaitFor([&window] { return !window.canvas().pass_pending(); }));

    int next = 0;
    QBENCHMARK {
      watch_.painted = false;
      QTest::keyClick(&window, keys.at(next).toLatin1());
      while (!watch_.painted) QCoreApplication::processEvents(QEventLoop::AllEvents);
      next = (next + 1) % keys.size();
    }
    QVERIFY(!window.canvas().pass_pending());
  }

  void cleanupTestCase() { windows_.clear(); }

 private:
  // One window per program for the whole run: -median runs a row again and again.
  shell::MainWindow& window_of(const QString& program, const ProgramDescriptor& descriptor) {
    std::unique_ptr<shell::MainWindow>& window = windows_[program];
    if (!window) {
      window = std::make_unique<shell::MainWindow>(descriptor, user_);
      window->canvas().installEventFilter(&watch_);
      window->show();
      if (!QTest::qWaitForWindowExposed(window.get())) qFatal("the window never showed");
    }
    return *window;
  }

  NoUser user_;
  PaintWatch watch_;
  std::map<QString, std::unique_ptr<shell::MainWindow>> windows_;
};

}  // namespace tessaly::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  tessaly::bench::KeyToPicture benchmark;
  return QTest::qExec(&benchmark, argc, argv);
}

#include "key_to_picture_bench.moc"
