// The user alert of every typed character and every finished graph: a beep and a request
// for the user's attention on the main window (the stand-in for the caption flashes).
#pragma once

#include <functional>

class QWidget;

namespace tessaly::shell {

// One window's alert; the window's surface rings it through its alert hook.
class Alert {
 public:
  explicit Alert(QWidget* window) : window_(window) {}

  void ring();
  // Replaces the beep and attention request, e.g. by a counter; an empty sink restores them.
  void set_sink(std::function<void()> sink) { sink_ = std::move(sink); }

  // The surface's alert hook: context is the Alert.
  static void ring_hook(void* context);

 private:
  QWidget* window_;
  std::function<void()> sink_;
};

}  // namespace tessaly::shell
