// The user alert of every typed character and every finished graph: a beep and a request
// for the user's attention on the main window (the stand-in for the caption flashes).
#pragma once

#include <functional>

class QWidget;

namespace tessaly::shell {

// The window whose attention is requested; null until the main window exists.
void set_alert_window(QWidget* window);
// Replaces the beep and attention request, e.g. by a counter; an empty sink restores them.
void set_alert_sink(std::function<void()> sink);
// Rings the alert. Registered as the drawing surface's alert hook by install_alert().
void ring_alert();
void install_alert();

}  // namespace tessaly::shell
