#include "shell/graph_canvas.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QResizeEvent>

#include "graph/readout.h"
#include "programs/passes.h"
#include "surface/device_geometry.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"

namespace tessaly::shell {

namespace {

// The passes draw at the magnification held between 0.1 and 10 (NaN draws at 1), so the
// picture takes that size too: a stored 0 or NaN still shows the graph.
int picture_side(double logical, double magnification) {
  const double side = logical * drawn_magnification(magnification);
  if (side >= kMaxPictureSide) return kMaxPictureSide;
  return static_cast<int>(side);
}

}  // namespace

QSize picture_size(double magnification) {
  return QSize(picture_side(surface::kLogicalWidth, magnification),
               picture_side(surface::kLogicalHeight, magnification));
}

QPointF logical_position(QPointF pixel, double pixels_per_unit) {
  return (pixel + QPointF(0.5, 0.5)) / pixels_per_unit;
}

GraphCanvas::GraphCanvas(WindowState& state, QWidget* parent)
    : QWidget(parent), state_(state), error_label_(new QLabel(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // every paint covers the whole update region
  setMouseTracking(true);
  error_label_->setObjectName(QStringLiteral("axis_error"));
  error_label_->setStyleSheet(
      QStringLiteral("QLabel { background: #ffffc0; color: black; border: 1px solid #808080; "
                     "padding: 2px 6px; }"));
  error_label_->hide();
}

void GraphCanvas::request_repaint(Repaint repaint) {
  if (repaint == Repaint::kNone) return;
  pass_pending_ = true;
  if (repaint == Repaint::kErase) erase_pending_ = true;
  update();
}

void GraphCanvas::draw_picture() {
  bool erased = erase_pending_;
  // On a high-density screen the picture has the screen's pixels: the pass draws at the
  // magnification times the device pixel ratio, and the picture is shown at its logical size.
  const double ratio = devicePixelRatioF();
  const double shown_magnification = drawn_magnification(state_.session.display_magnification);
  const QSize size = picture_size(shown_magnification * ratio);
  if (picture_.size() != size || picture_.devicePixelRatio() != ratio) {
    // A new magnification: the old picture is drawn at the old scale and cannot stay.
    picture_ = QImage(size, QImage::Format_RGB32);
    erased = true;
  }
  // Painted in device pixels; a ratio set on the image would make the painter scale again.
  picture_.setDevicePixelRatio(1.0);
  if (erased) picture_.fill(Qt::white);
  pass_pending_ = false;
  erase_pending_ = false;

  surface::Surface& surface = state_.surface;
  surface.client_width = static_cast<int>(width() * ratio);
  surface.client_height = static_cast<int>(height() * ratio);
  {
    QPainter painter(&picture_);
    surface::QPainterBackend backend(painter, surface);
    window_pass(state_.session, state_.graph, backend, logicalDpiX(), logicalDpiY(), ratio);
  }
  picture_.setDevicePixelRatio(ratio);
  pixels_per_unit_ = surface::window_mapping(surface::kLogicalWidth, surface::kLogicalHeight,
                                             surface.display_scale)
                         .scale /
                     ratio;
  emit picture_drawn(erased);
  show_pass_errors();
  // The curves under a pointer that has not moved may have changed.
  if (pointer_inside_) read_out_at(pointer_);
}

void GraphCanvas::paintEvent(QPaintEvent* event) {
  if (pass_pending_) draw_picture();
  QPainter painter(this);
  const QRect shown(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
  painter.drawImage(QPoint(0, 0), picture_);
  for (const QRect& rest : QRegion(event->rect()).subtracted(QRegion(shown))) {
    painter.fillRect(rest, Qt::white);
  }
  if (overlay_) overlay_(painter);
}

// The window is redrawn whole when its width or height changes, old curves
// wiped.
void GraphCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  request_repaint(Repaint::kErase);
  place_error_label();
}

void GraphCanvas::mouseMoveEvent(QMouseEvent* event) {
  pointer_inside_ = true;
  pointer_ = event->position();
  read_out_at(pointer_);
  emit pointer_moved(logical_position(pointer_, pixels_per_unit_));
  QWidget::mouseMoveEvent(event);
}

void GraphCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    emit clicked(logical_position(event->position(), pixels_per_unit_));
  }
  QWidget::mousePressEvent(event);
}

void GraphCanvas::leaveEvent(QEvent* event) {
  pointer_inside_ = false;
  emit readout_changed(QString());
  emit pointer_left();
  QWidget::leaveEvent(event);
}

void GraphCanvas::read_out_at(QPointF pixel) {
  const QPointF at = logical_position(pixel, pixels_per_unit_);
  char text[256];
  graph::format_readout(text, sizeof text, graph::readout_at(state_.graph, at.x(), at.y()),
                        *state_.graph.language);
  emit readout_changed(QString::fromUtf8(text));
}

void GraphCanvas::show_pass_errors() {
  int code = 0;
  if (!state_.surface.take_pending_error(&code)) {
    error_label_->hide();
    return;
  }
  error_label_->setText(
      QString::fromUtf8(text::localized(*state_.graph.language, surface::error_message(code))));
  error_label_->adjustSize();
  place_error_label();
  error_label_->show();
  error_label_->raise();
}

QString GraphCanvas::error_text() const {
  return error_label_->isHidden() ? QString() : error_label_->text();
}

void GraphCanvas::place_error_label() {
  error_label_->move(4, height() - error_label_->height() - 4);
}

}  // namespace tessaly::shell
