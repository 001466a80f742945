#include "tools/class_set_pdf.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>

#include "interaction/class_set.h"
#include "programs/passes.h"
#include "surface/qpainter_backend.h"
#include "tools/pdf_dates.h"

namespace tessaly::tools {

using interaction::ClassSetPage;
using interaction::ClassSetQuestion;
using interaction::ClassSetText;
using interaction::HeadlessWindow;
using interaction::kPrinterDpi;
using interaction::kScreenDpi;
using interaction::Paper;
using interaction::RenderRequest;

namespace {

constexpr double kDevicePerUnit = static_cast<double>(kPrinterDpi) / kScreenDpi;

// The class set's pages in a PDF: texts and lines through a window's surface at magnification
// 1, so that they use the graphs' own fonts, and each graph as printing draws it.
class PdfPainter final : public interaction::ClassSetPainter {
 public:
  PdfPainter(QPdfWriter& pdf, QPainter& painter, HeadlessWindow& text_window)
      : pdf_(pdf),
        painter_(painter),
        window_(text_window),
        backend_(painter, text_window.surface) {}

  void begin_page(ClassSetPage) override {
    if (pages_++ > 0) pdf_.newPage();
  }
  void text(double x, double y, const char* text, ClassSetText) override {
    prepare();
    const surface::TargetBinding binding(window_.surface, backend_);
    window_.surface.text_at(static_cast<int>(x), static_cast<int>(y), text, 0, 0);
  }
  void line(double x1, double y1, double x2, double y2) override {
    prepare();
    const surface::TargetBinding binding(window_.surface, backend_);
    window_.surface.draw_line(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2),
                              static_cast<int>(y2), 0, 1, 0);
  }
  void graph(HeadlessWindow& window, const ClassSetQuestion&, double x, double y) override {
    painter_.save();
    painter_.translate(x * kDevicePerUnit, y * kDevicePerUnit);
    {
      surface::QPainterBackend backend(painter_, window.surface);
      print_pass(window.session, window.graph, backend, kPrinterDpi, kPrinterDpi);
    }
    painter_.restore();
  }

 private:
  void prepare() {
    window_.surface.output_target = 1;
    window_.surface.device_scale_x = kDevicePerUnit;
    window_.surface.device_scale_y = kDevicePerUnit;
  }
  QPdfWriter& pdf_;
  QPainter& painter_;
  HeadlessWindow& window_;
  surface::QPainterBackend backend_;
  int pages_ = 0;
};

}  // namespace

PictureResult class_set_pdf(const RenderRequest& request) {
  PictureResult result;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    start_printed_document(
        pdf, *request.program,
        QPageSize(request.class_set.paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4));
    QPainter painter(&pdf);
    HeadlessWindow text_window(*request.program);
    PdfPainter pages(pdf, painter, text_window);
    interaction::draw_class_set(request, pages);
  }
  result.bytes = bytes.toStdString();
  pin_creation_date(result.bytes, std::getenv("SOURCE_DATE_EPOCH"));
  result.ok = true;
  return result;
}

}  // namespace tessaly::tools
