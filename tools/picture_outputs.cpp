#include "tools/picture_outputs.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <optional>

#include "programs/passes.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"
#include "tools/clipping_backend.h"
#include "tools/png_encoder.h"
#include "tools/replay.h"

namespace tessaly::tools {

namespace {

constexpr surface::Rgb kWhite = {255, 255, 255};

// The window's picture: the passes from the last erase on draw into one paint
// device, the earlier ones into nothing. A device that keeps no clip region
// gets the clipping done first.
class WindowPicture final : public PassTarget {
 public:
  enum class Clip { kByDevice, kBeforeDevice };

  WindowPicture(QPaintDevice& device, Clip clip, int first_kept, int width, int height)
      : device_(device), clip_(clip), first_kept_(first_kept), width_(width), height_(height) {}
  ~WindowPicture() override { finish(); }

  surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) override {
    if (index < first_kept_) return discard_;
    if (!backend_) {
      painter_.begin(&device_);
      backend_.emplace(painter_, window.surface);
      if (clip_ == Clip::kBeforeDevice) clipping_.emplace(*backend_);
    }
    if (erase) backend_->clear_screen(width_, height_, kWhite);
    window.surface.client_width = width_;
    window.surface.client_height = height_;
    if (clipping_) return *clipping_;
    return *backend_;
  }

  void finish() {
    clipping_.reset();
    backend_.reset();
    if (painter_.isActive()) painter_.end();
  }

 private:
  QPaintDevice& device_;
  Clip clip_;
  int first_kept_;
  int width_;
  int height_;
  QPainter painter_;
  std::optional<surface::QPainterBackend> backend_;
  std::optional<ClippingBackend> clipping_;
  surface::NullBackend discard_;
};

// trunc(640 x M) by trunc(480 x M), wider by the phasor panel where it is
// shown, or nothing when that is not a usable picture.
bool picture_size(const RenderRequest& request, double magnification, int& width, int& height,
                  std::string& error) {
  const double w = std::trunc(logical_picture_width(request) * magnification);
  const double h = std::trunc(surface::kLogicalHeight * magnification);
  if (!(w >= 1.0 && h >= 1.0 && w <= 32767.0 && h <= 32767.0)) {
    error = "display magnification " + std::to_string(magnification) +
            " gives no picture (640 x 480 times it must be 1 to 32767 pixels)";
    return false;
  }
  width = static_cast<int>(w);
  height = static_cast<int>(h);
  return true;
}

PictureResult png_picture(HeadlessWindow& window, const RenderRequest& request) {
  PictureResult result;
  const RepaintPlan plan = plan_repaints(*request.program, request.steps);
  int width = 0;
  int height = 0;
  if (!picture_size(request, plan.display_magnification, width, height, result.error)) {
    return result;
  }
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) {
    result.error = "no memory for a picture of " + std::to_string(width) + " x " +
                   std::to_string(height) + " pixels";
    return result;
  }
  image.fill(Qt::white);
  {
    WindowPicture target(image, WindowPicture::Clip::kByDevice, plan.first_kept_pass(), width,
                         height);
    replay(window, request.steps, target);
  }
  result.bytes = encode_png(reinterpret_cast<const std::uint32_t*>(image.constBits()), width,
                            height, static_cast<int>(image.bytesPerLine() / 4));
  result.ok = true;
  return result;
}

PictureResult svg_picture(HeadlessWindow& window, const RenderRequest& request) {
  PictureResult result;
  const RepaintPlan plan = plan_repaints(*request.program, request.steps);
  int width = 0;
  int height = 0;
  if (!picture_size(request, plan.display_magnification, width, height, result.error)) {
    return result;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(kScreenDpi);
  svg.setTitle(QString::fromUtf8(request.program->display_name));
  {
    WindowPicture target(svg, WindowPicture::Clip::kBeforeDevice, plan.first_kept_pass(), width,
                         height);
    replay(window, request.steps, target);
  }
  result.bytes = bytes.toStdString();
  result.ok = true;
  return result;
}

// One page the size of the printed graph: 640 by 480 screen pixels of 1/96
// inch, times the print magnification.
PictureResult pdf_page(HeadlessWindow& window, const RenderRequest& request) {
  PictureResult result;
  DiscardingTarget on_screen;
  replay(window, request.steps, on_screen);
  const double print_magnification = window.session.print_magnification;
  const double inches_wide = logical_picture_width(request) * print_magnification / kScreenDpi;
  const double inches_high = surface::kLogicalHeight * print_magnification / kScreenDpi;
  if (!(inches_wide * kPrinterDpi >= 1.0 && inches_high * kPrinterDpi >= 1.0 &&
        inches_wide <= 200.0 && inches_high <= 200.0)) {
    result.error = "print magnification " + std::to_string(print_magnification) +
                   " gives no page (640 x 480 pixels at 96 dpi times it must "
                   "fit 200 inches)";
    return result;
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(QStringLiteral("PRT"));
    pdf.setCreator(QString::fromUtf8(request.program->display_name));
    pdf.setResolution(kPrinterDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(inches_wide, inches_high), QPageSize::Inch,
                                            QString(), QPageSize::ExactMatch),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&pdf);
    surface::QPainterBackend backend(painter, window.surface);
    print_pass(window.session, window.graph, backend, pdf.logicalDpiX(), pdf.logicalDpiY());
  }
  result.bytes = bytes.toStdString();
  result.ok = true;
  return result;
}

}  // namespace

PictureResult picture_output(const RenderRequest& request) {
  HeadlessWindow window(*request.program);
  PictureResult result;
  switch (request.format) {
    case Format::kPng:
      result = png_picture(window, request);
      break;
    case Format::kSvg:
      result = svg_picture(window, request);
      break;
    case Format::kPdf:
      result = pdf_page(window, request);
      break;
    default:
      return PictureResult{false, std::string(), "not a picture format", 0};
  }
  window.surface.take_pending_error(&result.graph_error);
  return result;
}

}  // namespace tessaly::tools
