#include "shell/alert.h"

#include <QApplication>
#include <QWidget>

namespace tessaly::shell {

void Alert::ring() {
  if (sink_) {
    sink_();
    return;
  }
  QApplication::beep();
  if (window_) QApplication::alert(window_);
}

void Alert::ring_hook(void* context) {
  static_cast<Alert*>(context)->ring();
}

}  // namespace tessaly::shell
