// Whole drawing passes from arbitrary states through QPainter onto the window's backing image.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "fuzz/session.h"
#include "surface/qpainter_backend.h"

namespace {

void application() {
  static int argc = 1;
  static char name[] = "fuzz_pass_qimage";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(argc, argv);
}

void nothing_to_check(const tessaly::Session&, tessaly::surface::Backend&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  application();
  // The window's size at start-up, 640 by 480 at magnification 1.5; the dialogs and keys
  // change the mapping, not the window.
  static QImage image(960, 720, QImage::Format_RGB32);
  image.fill(Qt::white);
  tessaly::fuzz::FuzzInput in(data, size);
  tessaly::fuzz::FuzzWindow window(tessaly::fuzz::pick_program(in));
  QPainter painter(&image);
  tessaly::surface::QPainterBackend backend(painter, window.surface);
  // One pass per input: a lowest frequency of 1e-300 puts 305 decades of dotted grid on the
  // axis, some 400,000 dots, which take most of the one second an input may take here.
  tessaly::fuzz::play_session(in, window, backend, 1, nothing_to_check);
  return 0;
}
