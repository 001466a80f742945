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

#include "models/passes.h"
#include "models/state.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"
#include "tools/clipping_backend.h"
#include "tools/png_encoder.h"
#include "tools/replay.h"

namespace tessaly::tools {

namespace {

constexpr surface::Rgb kWhite = {255, 255, 255};

// The window's picture: the passes from the last erase on draw into one paint device, the
// earlier ones into nothing. A device that keeps no clip region gets the clipping done first.
class WindowPicture final : public PassTarget {
 public:
  enum class Clip { kByDevice, kBeforeDevice };

  WindowPicture(QPaintDevice& device, Clip clip, int first_kept, int width, int height)
      : device_(device), clip_(clip), first_kept_(first_kept), width_(width), height_(height) {}
  ~WindowPicture() override { finish(); }

  surface::Backend& begin_pass(int index, bool erase) override {
    if (index < first_kept_) return discard_;
    if (!backend_) {
      painter_.begin(&device_);
      backend_.emplace(painter_);
      if (clip_ == Clip::kBeforeDevice) clipping_.emplace(*backend_);
    }
    if (erase) backend_->clear_screen(width_, height_, kWhite);
    surface::client_width = width_;
    surface::client_height = height_;
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

// The size of the window's picture: trunc(640 x M) by trunc(480 x M) for the magnification that
// the passes draw at (held between 0.1 and 10), so the picture holds the drawing and no more.
QSize picture_size(double stored_magnification) {
  const double magnification = drawn_magnification(stored_magnification);
  return QSize(static_cast<int>(surface::kLogicalWidth * magnification),
               static_cast<int>(surface::kLogicalHeight * magnification));
}

PictureResult png_picture(const RenderRequest& request) {
  PictureResult result;
  const RepaintPlan plan = plan_repaints(*request.program, request.steps);
  const QSize size = picture_size(plan.display_magnification);
  const int width = size.width();
  const int height = size.height();
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
    replay(*request.program, request.steps, target);
  }
  result.bytes = encode_png(reinterpret_cast<const std::uint32_t*>(image.constBits()), width,
                            height, static_cast<int>(image.bytesPerLine() / 4));
  result.ok = true;
  return result;
}

PictureResult svg_picture(const RenderRequest& request) {
  PictureResult result;
  const RepaintPlan plan = plan_repaints(*request.program, request.steps);
  const QSize size = picture_size(plan.display_magnification);
  const int width = size.width();
  const int height = size.height();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(kScreenDpi);
  svg.setTitle(QString::fromUtf8(request.program->display_name));
  {
    WindowPicture target(svg, WindowPicture::Clip::kBeforeDevice, plan.first_kept_pass(), width,
                         height);
    replay(*request.program, request.steps, target);
  }
  result.bytes = bytes.toStdString();
  result.ok = true;
  return result;
}

// One page the size of the printed graph: 640 by 480 screen pixels of 1/96 inch, times the
// print magnification that the pass draws at.
PictureResult pdf_page(const RenderRequest& request) {
  PictureResult result;
  DiscardingTarget window;
  replay(*request.program, request.steps, window);
  const double magnification = drawn_magnification(print_magnification);
  const double inches_wide = surface::kLogicalWidth * magnification / kScreenDpi;
  const double inches_high = surface::kLogicalHeight * magnification / kScreenDpi;
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
    surface::QPainterBackend backend(painter);
    print_pass(backend, pdf.logicalDpiX(), pdf.logicalDpiY());
  }
  result.bytes = bytes.toStdString();
  result.ok = true;
  return result;
}

}  // namespace

PictureResult picture_output(const RenderRequest& request) {
  switch (request.format) {
    case Format::kPng:
      return png_picture(request);
    case Format::kSvg:
      return svg_picture(request);
    case Format::kPdf:
      return pdf_page(request);
    default:
      return PictureResult{false, std::string(), "not a picture format"};
  }
}

}  // namespace tessaly::tools
