// The renderer's pictures: the PNG holds exactly the pixels the window's passes drew, the
// SVG and PDF are well-formed documents of the right size.
#include "tools/picture_outputs.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <cstdlib>
#include <optional>
#include <string>

#include "interaction/render_request.h"
#include "interaction/replay.h"
#include "programs/descriptor.h"
#include "surface/qpainter_backend.h"
#include "surface/surface.h"
#include "tools/clipping_backend.h"

namespace tessaly::tools {
namespace {

using namespace interaction;

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

// Each program's start-up graph in English, pixel for pixel as looked at and checked in (the
// traces pin the drawing; these pin the half-width glyphs in the cells). Regenerate with
// TESSALY_UPDATE_GOLDEN=1, which fails the run on purpose.
TEST(PictureOutputs, EnglishGraphsMatchTheirCheckedPictures) {
  const char* flag = std::getenv("TESSALY_UPDATE_GOLDEN");
  const bool updating = flag != nullptr && std::string(flag) == "1";
  for (const char* program : {"ombra", "velto", "quirn"}) {
    RenderRequest request = request_for(program, Format::kPng);
    request.language = text::find_language("en");
    const PictureResult png = picture_output(request);
    ASSERT_TRUE(png.ok) << png.error;
    const QString path = QStringLiteral(TESSALY_SOURCE_DIR "/tests/golden/en/%1_default.png")
                             .arg(QString::fromUtf8(program));
    if (updating) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(png.bytes));
      ADD_FAILURE() << "wrote " << path.toStdString() << ": look at it, then run without the flag";
      continue;
    }
    QImage drawn;
    ASSERT_TRUE(drawn.loadFromData(QByteArray::fromStdString(png.bytes), "PNG"));
    const QImage checked(path);
    ASSERT_FALSE(checked.isNull()) << "missing " << path.toStdString();
    EXPECT_TRUE(drawn.convertToFormat(QImage::Format_RGB32) ==
                checked.convertToFormat(QImage::Format_RGB32))
        << program;
  }
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
  // The dotted grids' dots as round strokes, not as filled circles each with a square over
  // its centre: 127 KB, not 568 KB.
  EXPECT_LT(pdf.bytes.size(), 160u * 1024u);
}

QImage rendered_svg(const QByteArray& svg) {
  QSvgRenderer renderer(svg);
  QImage image(960, 720, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// The dark pixels of `a` that have no dark pixel of `b` at or next to them.
int unmatched_dark_pixels(const QImage& a, const QImage& b) {
  const auto dark = [](const QImage& image, int x, int y) {
    return image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 160;
  };
  int unmatched = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (!dark(a, x, y)) continue;
      bool matched = false;
      for (int dy = -1; dy <= 1 && !matched; ++dy) {
        for (int dx = -1; dx <= 1 && !matched; ++dx) matched = dark(b, x + dx, y + dy);
      }
      unmatched += !matched;
    }
  }
  return unmatched;
}

// Ombra's start-up graph straight from Qt's SVG generator, a group per primitive.
QByteArray generated_svg() {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(960, 720));
  svg.setViewBox(QRect(0, 0, 960, 720));
  svg.setResolution(kScreenDpi);
  QPainter painter(&svg);
  HeadlessWindow window(ombra_program());
  surface::QPainterBackend backend(painter, window.surface);
  ClippingBackend clipping(backend);
  class Target final : public PassTarget {
   public:
    explicit Target(surface::Backend& b) : b_(b) {}
    surface::Backend& begin_pass(HeadlessWindow& window, int, bool) override {
      b_.clear_screen(960, 720, {255, 255, 255});
      window.surface.client_width = 960;
      window.surface.client_height = 720;
      return b_;
    }

   private:
    surface::Backend& b_;
  } target(clipping);
  replay(window, {}, target);
  painter.end();
  return bytes;
}

// The SVG joins each run of segments of one pen into polylines and its pixels into one path:
// a fraction of the size, and the same picture but for antialiasing where segments meet.
TEST(PictureOutputs, SvgJoinsRunsIntoFewElements) {
  const PictureResult svg = picture_output(request_for("ombra", Format::kSvg));
  ASSERT_TRUE(svg.ok) << svg.error;
  EXPECT_LT(svg.bytes.size(), 512u * 1024u);
  const QByteArray generated = generated_svg();
  EXPECT_GT(generated.size(), 4 * 1024 * 1024) << "the generator's own output, unjoined";

  const QImage joined = rendered_svg(QByteArray::fromStdString(svg.bytes));
  const QImage apart = rendered_svg(generated);
  // Joined segments of a patterned curve antialias a little darker than apart: a few hundred
  // pixels. A lost curve, grid line or label would be thousands.
  EXPECT_LT(unmatched_dark_pixels(apart, joined), 100);
  EXPECT_LT(unmatched_dark_pixels(joined, apart), 600);
  QImage blank(960, 720, QImage::Format_RGB32);
  blank.fill(Qt::white);
  EXPECT_GT(unmatched_dark_pixels(apart, blank), 20000) << "the comparison sees the graph";
}

// A class set: a page for each sheet and the answer key after them, and with
// SOURCE_DATE_EPOCH set the same bytes from one run to the next.
TEST(PictureOutputs, ClassSetIsTheSameTwiceWithSourceDateEpoch) {
  const ParsedArguments parsed = parse_render_arguments(
      {"ombra", "--exercise", "f0", "--seeds", "5-7", "--questions", "2", "--format", "pdf"});
  ASSERT_EQ(parsed.outcome, ParsedArguments::Outcome::kRender) << parsed.error;
  qputenv("SOURCE_DATE_EPOCH", "949104000");
  const PictureResult first = picture_output(parsed.request);
  const PictureResult second = picture_output(parsed.request);
  const PictureResult page = picture_output(request_for("ombra", Format::kPdf));
  qunsetenv("SOURCE_DATE_EPOCH");
  ASSERT_TRUE(first.ok) << first.error;
  EXPECT_TRUE(first.bytes == second.bytes);
  EXPECT_NE(first.bytes.find("/CreationDate (D:20000129000000"), std::string::npos);
  EXPECT_NE(page.bytes.find("/CreationDate (D:20000129000000"), std::string::npos);
  EXPECT_NE(first.bytes.find("/Count 4"), std::string::npos);            // three sheets and the key
  EXPECT_NE(first.bytes.find("/MediaBox [0 0 595"), std::string::npos);  // A4
}

}  // namespace
}  // namespace tessaly::tools
