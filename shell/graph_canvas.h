// The client area of the main window. It keeps its picture between paints, so
// that overlay mode draws over the old graph and uncovering the window shows
// the picture unchanged; only a repaint request runs the graph driver. The
// pointer's position is read out against the last pass's curves, which changes
// no pixel of the picture.
#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QWidget>
#include <functional>

#include "resources/commands.h"
#include "shell/window_state.h"

class QLabel;
class QPainter;

namespace tessaly::shell {

// The logical screen at the display magnification that the passes draw at (0.1 to 10, NaN as
// 1): trunc(640 x m) by trunc(480 x m) pixels, at most kMaxPictureSide a side (no screen
// shows more).
constexpr int kMaxPictureSide = 4096;
QSize picture_size(double magnification);
// The logical screen position under a pixel (its centre) at a pass's pixels per
// logical unit.
QPointF logical_position(QPointF pixel, double pixels_per_unit);

class GraphCanvas final : public QWidget {
  Q_OBJECT

 public:
  // Draws the state's session through its context and surface; the state
  // outlives the canvas.
  explicit GraphCanvas(WindowState& state, QWidget* parent = nullptr);

  // A driver pass at the next paint. Erase flags accumulate: the pass erases
  // first if any request since the last pass asked for it.
  void request_repaint(Repaint repaint);
  bool pass_pending() const { return pass_pending_; }
  const QImage& picture() const { return picture_; }

  // Shows the message of an axis error that the last pass raised, without
  // blocking; the message stays until a pass goes through without one.
  void show_pass_errors();
  QString error_text() const;
  // Drawn over the kept picture at every paint (the marker and the phasor
  // diagram).
  void set_overlay(std::function<void(QPainter&)> overlay) { overlay_ = std::move(overlay); }

 signals:
  void picture_drawn(bool erased);
  // The values under the pointer; empty when it is outside every plot area.
  void readout_changed(const QString& text);
  // The pointer at a logical screen position, moved or clicked; left the
  // canvas.
  void pointer_moved(QPointF logical);
  void clicked(QPointF logical);
  void pointer_left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void draw_picture();
  void place_error_label();
  void read_out_at(QPointF pixel);

  WindowState& state_;
  QImage picture_;
  bool pass_pending_ = false;
  bool erase_pending_ = false;
  double pixels_per_unit_ = 1.0;  // of the last pass
  bool pointer_inside_ = false;
  QPointF pointer_;
  QLabel* error_label_;
  std::function<void(QPainter&)> overlay_;
};

}  // namespace tessaly::shell
