#include "shell/alert.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "surface/surface.h"

namespace tessaly::shell {

namespace {

QPointer<QWidget> alert_window;
std::function<void()> alert_sink;

}  // namespace

void set_alert_window(QWidget* window) {
  alert_window = window;
}

void set_alert_sink(std::function<void()> sink) {
  alert_sink = std::move(sink);
}

void ring_alert() {
  if (alert_sink) {
    alert_sink();
    return;
  }
  QApplication::beep();
  if (alert_window) QApplication::alert(alert_window);
}

void install_alert() {
  surface::set_alert_hook(&ring_alert);
}

}  // namespace tessaly::shell
