#include "tools/picture_outputs.h"

#include <QBuffer>
#include <QIODevice>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <new>
#include <optional>

#include "core/session.h"
#include "interaction/replay.h"
#include "programs/passes.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"
#include "tools/class_set_pdf.h"
#include "tools/clipping_backend.h"
#include "tools/pdf_dates.h"
#include "tools/png_encoder.h"
#include "tools/svg_runs.h"

namespace tessaly::tools {

using interaction::DiscardingTarget;
using interaction::Format;
using interaction::HeadlessWindow;
using interaction::kPrinterDpi;
using interaction::kScreenDpi;
using interaction::logical_picture_width;
using interaction::PassTarget;
using interaction::plan_repaints;
using interaction::RenderRequest;
using interaction::RepaintPlan;
using interaction::replay;

namespace {

constexpr surface::Rgb kWhite = {255, 255, 255};

// The window's picture: the passes from the last erase on draw into one image, the earlier ones
// into nothing.
class WindowPicture final : public PassTarget {
 public:
  WindowPicture(QImage& image, int first_kept) : image_(image), first_kept_(first_kept) {}
  ~WindowPicture() override { finish(); }

  surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) override {
    if (index < first_kept_) return discard_;
    if (!backend_) {
      // The kept passes start with an erase that whitens the whole picture; only without one
      // is it whitened here first.
      if (!erase) image_.fill(Qt::white);
      painter_.begin(&image_);
      backend_.emplace(painter_, window.surface);
    }
    if (erase) backend_->clear_screen(image_.width(), image_.height(), kWhite);
    window.surface.client_width = image_.width();
    window.surface.client_height = image_.height();
    return *backend_;
  }

  // Ends the picture; one that no kept pass drew is a new window's white.
  void finish() {
    if (finished_) return;
    finished_ = true;
    if (!backend_) image_.fill(Qt::white);
    backend_.reset();
    if (painter_.isActive()) painter_.end();
  }

 private:
  QImage& image_;
  int first_kept_;
  QPainter painter_;
  std::optional<surface::QPainterBackend> backend_;
  surface::NullBackend discard_;
  bool finished_ = false;
};

// Receives the SVG generator's text and keeps it with runs of small groups joined. Running out
// of memory here is a failed write that the picture reports, never an exception thrown
// through Qt's code (which would end the process).
class JoiningDevice final : public QIODevice {
 public:
  explicit JoiningDevice(std::string& out) : joiner_(out) {}
  void next_document() { joiner_.next_document(); }
  void finish() { joiner_.finish(); }
  bool out_of_memory() const { return out_of_memory_; }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char* data, qint64 size) override {
    if (out_of_memory_) return -1;
    try {
      joiner_.feed(data, static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
      out_of_memory_ = true;
      return -1;
    }
    return size;
  }

 private:
  SvgRunJoiner joiner_;
  bool out_of_memory_ = false;
};

// The window's picture as SVG: each kept pass is a document of Qt's SVG generator of its own,
// as the window paints each pass with a painter of its own, so that the generator never holds
// more than one pass in memory; the joiner splices the documents into one. The generator keeps
// no clip region, so the curves are cut at their frames before it.
class SvgPasses final : public PassTarget {
 public:
  SvgPasses(JoiningDevice& device, const QSize& size, const QString& title, int first_kept)
      : device_(device), size_(size), title_(title), first_kept_(first_kept) {}
  // Reached with a pass still open only when an exception leaves the replay: ending it would
  // write the document again and throw again from here, so it is abandoned (the process is
  // about to report the failure and end).
  ~SvgPasses() override {
    if (!painter_) return;
    (void)clipping_.release();
    (void)backend_.release();
    (void)painter_.release();
    (void)svg_.release();
  }

  surface::Backend& begin_pass(HeadlessWindow& window, int index, bool erase) override {
    if (index < first_kept_) return discard_;
    finish();
    if (index > first_kept_) device_.next_document();
    svg_ = std::make_unique<QSvgGenerator>();
    svg_->setOutputDevice(&device_);
    svg_->setSize(size_);
    svg_->setViewBox(QRect(QPoint(0, 0), size_));
    svg_->setResolution(kScreenDpi);
    svg_->setTitle(title_);
    painter_ = std::make_unique<QPainter>(svg_.get());
    backend_ = std::make_unique<surface::QPainterBackend>(*painter_, window.surface);
    clipping_ = std::make_unique<ClippingBackend>(*backend_);
    if (erase) backend_->clear_screen(size_.width(), size_.height(), kWhite);
    window.surface.client_width = size_.width();
    window.surface.client_height = size_.height();
    return *clipping_;
  }

  // Ends the open pass: the generator writes its document now.
  void finish() {
    if (!painter_) return;
    clipping_.reset();
    backend_.reset();
    painter_->end();
    painter_.reset();
    svg_.reset();
  }

 private:
  JoiningDevice& device_;
  QSize size_;
  QString title_;
  int first_kept_;
  std::unique_ptr<QSvgGenerator> svg_;
  std::unique_ptr<QPainter> painter_;
  std::unique_ptr<surface::QPainterBackend> backend_;
  std::unique_ptr<ClippingBackend> clipping_;
  surface::NullBackend discard_;
};

// The size of the window's picture: trunc(640 x M) by trunc(480 x M) for the magnification that
// the passes draw at (held between 0.1 and 10), wider by the phasor panel where it is shown, so
// the picture holds the drawing and no more.
QSize picture_size(const RenderRequest& request, double stored_magnification) {
  const double magnification = drawn_magnification(stored_magnification);
  return QSize(static_cast<int>(logical_picture_width(request) * magnification),
               static_cast<int>(surface::kLogicalHeight * magnification));
}

PictureResult png_picture(HeadlessWindow& window, const RenderRequest& request) {
  PictureResult result;
  const RepaintPlan plan = plan_repaints(*request.program, request.steps);
  const QSize size = picture_size(request, plan.display_magnification);
  const int width = size.width();
  const int height = size.height();
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) {
    result.error = "no memory for a picture of " + std::to_string(width) + " x " +
                   std::to_string(height) + " pixels";
    return result;
  }
  {
    WindowPicture target(image, plan.first_kept_pass());
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
  JoiningDevice device(result.bytes);
  device.open(QIODevice::WriteOnly);
  {
    SvgPasses target(device, picture_size(request, plan.display_magnification),
                     QString::fromUtf8(request.program->display_name), plan.first_kept_pass());
    replay(window, request.steps, target);
    target.finish();
  }
  if (device.out_of_memory()) throw std::bad_alloc();
  device.finish();
  result.ok = true;
  return result;
}

// One page the size of the printed graph: 640 by 480 screen pixels of 1/96 inch, times the
// print magnification that the pass draws at.
PictureResult pdf_page(HeadlessWindow& window, const RenderRequest& request) {
  PictureResult result;
  DiscardingTarget on_screen;
  replay(window, request.steps, on_screen);
  const double magnification = drawn_magnification(window.session.print_magnification);
  const double inches_wide = logical_picture_width(request) * magnification / kScreenDpi;
  const double inches_high = surface::kLogicalHeight * magnification / kScreenDpi;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    start_printed_document(pdf, *request.program,
                           QPageSize(QSizeF(inches_wide, inches_high), QPageSize::Inch, QString(),
                                     QPageSize::ExactMatch));
    QPainter painter(&pdf);
    surface::QPainterBackend backend(painter, window.surface);
    print_pass(window.session, window.graph, backend, pdf.logicalDpiX(), pdf.logicalDpiY());
  }
  result.bytes = bytes.toStdString();
  pin_creation_date(result.bytes, std::getenv("SOURCE_DATE_EPOCH"));
  result.ok = true;
  return result;
}

}  // namespace

void start_printed_document(QPdfWriter& pdf, const ProgramDescriptor& program,
                            const QPageSize& paper) {
  pdf.setTitle(QStringLiteral("PRT"));
  pdf.setCreator(QString::fromUtf8(program.display_name));
  pdf.setResolution(kPrinterDpi);
  pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

PictureResult picture_output(const RenderRequest& request) {
  if (request.class_set.given) return class_set_pdf(request);
  HeadlessWindow window(*request.program, *request.language);
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
