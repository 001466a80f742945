// The renderer's pictures: the PNG holds exactly the pixels the window's passes drew, the
// SVG and PDF are well-formed documents of the right size.
#include "tools/picture_outputs.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <optional>
#include <string>

#include "programs/descriptor.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"
#include "tools/render_arguments.h"
#include "tools/replay.h"

namespace tessaly::tools {
namespace {

RenderRequest request_for(const char* program, Format format, std::vector<Step> steps = {}) {
  RenderRequest request;
  request.program = find_program(program);
  request.format = format;
  request.steps = std::move(steps);
  return request;
}

// Every pass straight into one image, as a window that never erases after start-up.
class ImageTarget final : public PassTarget {
 public:
  explicit ImageTarget(QPainter& painter) : painter_(painter) {}
  surface::Backend& begin_pass(HeadlessWindow& window, int, bool) override {
    if (!backend_) backend_.emplace(painter_, window.surface);
    window.surface.client_width = 960;
    window.surface.client_height = 720;
    return *backend_;
  }

 private:
  QPainter& painter_;
  std::optional<surface::QPainterBackend> backend_;
};

TEST(PictureOutputs, PngHoldsTheWindowsPixels) {
  const PictureResult png = picture_output(request_for("ombra", Format::kPng));
  ASSERT_TRUE(png.ok) << png.error;
  QImage decoded;
  ASSERT_TRUE(decoded.loadFromData(QByteArray::fromStdString(png.bytes), "PNG"));
  EXPECT_EQ(decoded.size(), QSize(960, 720));

  QImage drawn(960, 720, QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    HeadlessWindow window(ombra_program());
    ImageTarget target(painter);
    replay(window, {}, target);
  }
  EXPECT_TRUE(decoded.convertToFormat(QImage::Format_RGB32) == drawn);
}

TEST(PictureOutputs, SizesFollowTheMagnifications) {
  Step b;
  b.kind = Step::Kind::kCharacter;
  b.character = 'b';
  const PictureResult png = picture_output(request_for("quirn", Format::kPng, {b}));
  ASSERT_TRUE(png.ok) << png.error;
  QImage decoded;
  ASSERT_TRUE(decoded.loadFromData(QByteArray::fromStdString(png.bytes), "PNG"));
  EXPECT_EQ(decoded.size(), QSize(768, 576));

  const PictureResult svg = picture_output(request_for("velto", Format::kSvg));
  ASSERT_TRUE(svg.ok) << svg.error;
  EXPECT_NE(svg.bytes.find("viewBox=\"0 0 960 720\""), std::string::npos);
  EXPECT_NE(svg.bytes.find("<title>Velto</title>"), std::string::npos);

  // Printing at 1.2 on a 96 dpi screen: 8 by 6 inches, 576 by 432 points.
  const PictureResult pdf = picture_output(request_for("ombra", Format::kPdf));
  ASSERT_TRUE(pdf.ok) << pdf.error;
  EXPECT_EQ(pdf.bytes.compare(0, 5, "%PDF-"), 0);
  EXPECT_NE(pdf.bytes.find("/MediaBox [0 0 576.000000 432.000000]"), std::string::npos);
}

}  // namespace
}  // namespace tessaly::tools
