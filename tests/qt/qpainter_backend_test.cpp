#include "surface/qpainter_backend.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRect>
#include <QSvgGenerator>
#include <optional>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

#include "surface/surface.h"

namespace tessaly::surface {
namespace {

const QRgb kRed = qRgb(255, 0, 0) & RGB_MASK;
const QRgb kBlue = qRgb(0, 0, 255) & RGB_MASK;
const QRgb kYellow = qRgb(255, 255, 0) & RGB_MASK;
const QRgb kCyan = qRgb(0, 255, 255) & RGB_MASK;
const QRgb kWhite = qRgb(255, 255, 255) & RGB_MASK;

QRgb at(const QImage& image, int x, int y) {
  return image.pixel(x, y) & RGB_MASK;
}

// Pixels inside rect darker than mid grey, i.e. painted by black text.
int dark_pixels(const QImage& image, const QRect& rect) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (qGray(image.pixel(x, y)) < 128) ++n;
    }
  }
  return n;
}

bool any_pixel(const QImage& image, const QRect& rect, QRgb colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (at(image, x, y) == colour) return true;
    }
  }
  return false;
}

class QPainterBackendTest : public ::testing::Test {
 protected:
  // Paints on a white image through the backend, as the window does at magnification m.
  template <typename Draw>
  static QImage paint_window(double m, Draw draw) {
    QImage image(static_cast<int>(640 * m), static_cast<int>(480 * m), QImage::Format_RGB32);
    image.fill(Qt::white);
    Surface s;
    QPainter painter(&image);
    QPainterBackend backend(painter, s);
    const TargetBinding binding(s, backend);
    s.set_logical_screen(640, 480, m);
    s.client_width = image.width();
    s.client_height = image.height();
    draw(s);
    painter.end();
    return image;
  }
};

TEST_F(QPainterBackendTest, WindowSmoke) {
  const QImage image = paint_window(1.5, [](Surface& s) {
    s.fill_box(20, 20, 10, 10, 2);           // device 15..31
    s.draw_line(100, 50, 200, 50, 1, 0, 0);  // device y 75, x 150..300
    s.draw_circle(300, 300, 20, 12, 0, 0);   // dark green ring
    s.text_at(400, 100, "周波数", 0, 0);     // cell 600..672 x 150..174
    s.set_clip_to_frame(64, 400, 100, 100);  // device (96, 450)-(246, 600)
    s.fill_box(0, 0, 639, 479, 6);
    s.reset_clip();
    s.draw_box(500, 300, 600, 400, 0, 0, 0);
    s.flood_fill(550, 350, 5, 0);
  });
  EXPECT_EQ(at(image, 15, 15), kRed);
  EXPECT_EQ(at(image, 31, 31), kRed);
  EXPECT_EQ(at(image, 14, 20), kWhite);
  EXPECT_EQ(at(image, 33, 20), kWhite);

  EXPECT_EQ(at(image, 150, 75), kBlue);
  EXPECT_EQ(at(image, 225, 75), kBlue);
  EXPECT_EQ(at(image, 300, 75), kBlue);  // the end pixel
  EXPECT_EQ(at(image, 225, 77), kWhite);

  const QRgb dark_green = qRgb(0, 128, 0) & RGB_MASK;
  EXPECT_TRUE(any_pixel(image, QRect(445, 417, 11, 6), dark_green));    // top of the ring
  EXPECT_FALSE(any_pixel(image, QRect(430, 430, 40, 40), dark_green));  // its empty middle

  EXPECT_GT(dark_pixels(image, QRect(600, 150, 72, 24)), 100);
  EXPECT_EQ(dark_pixels(image, QRect(600, 175, 80, 10)), 0);
  EXPECT_EQ(dark_pixels(image, QRect(674, 150, 20, 24)), 0);

  EXPECT_EQ(at(image, 96, 450), kYellow);
  EXPECT_EQ(at(image, 245, 599), kYellow);
  EXPECT_EQ(at(image, 95, 500), kWhite);
  EXPECT_EQ(at(image, 150, 600), kWhite);
  EXPECT_EQ(at(image, 246, 500), kWhite);

  EXPECT_EQ(at(image, 825, 525), kCyan);
  EXPECT_EQ(at(image, 760, 460), kCyan);
  EXPECT_EQ(at(image, 740, 440), kWhite);  // outside the box the flood never got
}

TEST_F(QPainterBackendTest, TextSitsInItsCells) {
  const QImage image = paint_window(1.0, [](Surface& s) {
    s.text_at(0, 0, "ABCD", 0, 0);                // 32 x 16
    s.draw_text(0, 100, "ABCD", 2.0, 1.0, 0, 0);  // stretched to 64 x 16
    s.text_at(300, 300, "周波数", 0, 1);          // upward from its baseline
  });
  EXPECT_GT(dark_pixels(image, QRect(0, 0, 32, 16)), 40);
  EXPECT_EQ(dark_pixels(image, QRect(32, 0, 40, 40)), 0);
  EXPECT_EQ(dark_pixels(image, QRect(0, 16, 40, 20)), 0);

  EXPECT_GT(dark_pixels(image, QRect(48, 100, 16, 16)), 10);  // the D, in its wide cell
  EXPECT_EQ(dark_pixels(image, QRect(64, 95, 20, 30)), 0);

  // Rotated: above the baseline start and to its left, 48 units up.
  EXPECT_GT(dark_pixels(image, QRect(286, 252, 14, 48)), 100);
  EXPECT_EQ(dark_pixels(image, QRect(280, 302, 40, 20)), 0);
  EXPECT_EQ(dark_pixels(image, QRect(303, 240, 20, 60)), 0);
  EXPECT_EQ(dark_pixels(image, QRect(280, 220, 40, 30)), 0);
}

TEST_F(QPainterBackendTest, PrinterScalesCoordinatesWithoutMapping) {
  QImage image(1280, 960, QImage::Format_RGB32);
  image.fill(Qt::white);
  Surface s;
  QPainter painter(&image);
  QPainterBackend backend(painter, s);
  const TargetBinding binding(s, backend);
  s.output_target = 1;
  s.device_scale_x = 2.0;
  s.device_scale_y = 2.0;
  s.fill_box(10, 10, 20, 20, 2);  // device 20..41
  s.set_clip_to_frame(100, 200, 50, 50);
  s.fill_box(0, 0, 639, 479, 6);
  painter.end();
  EXPECT_EQ(at(image, 20, 20), kRed);
  EXPECT_EQ(at(image, 41, 41), kRed);
  EXPECT_EQ(at(image, 42, 30), kWhite);
  EXPECT_EQ(at(image, 200, 300), kYellow);
  EXPECT_EQ(at(image, 299, 399), kYellow);
  EXPECT_EQ(at(image, 300, 350), kWhite);
}

TEST_F(QPainterBackendTest, VectorDevicesDrawWithoutReadingBack) {
  QBuffer svg;
  svg.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&svg);
  generator.setSize(QSize(960, 720));
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  writer.setResolution(600);

  for (QPaintDevice* device :
       {static_cast<QPaintDevice*>(&generator), static_cast<QPaintDevice*>(&writer)}) {
    Surface s;
    QPainter painter(device);
    QPainterBackend backend(painter, s);
    const TargetBinding binding(s, backend);
    s.set_logical_screen(640, 480, 1.5);
    s.draw_line(0, 0, 100, 100, 1, 0, 2);
    s.flood_fill(50, 50, 5, 0);  // skipped: nothing to read back
    s.create_save_bitmaps(1, 10, 10);
    s.save_area(0, 0, 0);
    s.restore_area(0, 20, 20, 0x00CC0020);
    s.text_at(10, 10, "ｲﾝﾀﾞｸﾀﾝｽ", 0, 0);
    painter.end();
  }
  EXPECT_TRUE(svg.data().contains("<svg"));
  EXPECT_TRUE(pdf.data().startsWith("%PDF"));
}

// The painter's clip follows the calls only where it would cut something; every line that
// crosses a clip's edge is still cut exactly there, end pixels included.
TEST_F(QPainterBackendTest, ClipCutsWhereverItMatters) {
  const QRgb kGreen = qRgb(0, 255, 0) & RGB_MASK;
  const QRgb kMagenta = qRgb(255, 0, 255) & RGB_MASK;
  const QRgb kBlack = qRgb(0, 0, 0) & RGB_MASK;
  const QImage image = paint_window(1.0, [](Surface& s) {
    s.set_clip_to_frame(100, 200, 100, 100);  // device (100, 100)-(200, 200)
    s.draw_line(120, 150, 180, 150, 1, 0, 0);
    s.plot_point(50, 50, 2, 1, kCopyPen);
    s.set_clip_to_frame(300, 200, 100, 100);
    s.draw_line(250, 150, 350, 150, 2, 0, 0);  // enters at x 300
    s.draw_line(310, 120, 390, 120, 4, 0, 0);
    s.reset_clip();
    s.set_clip_to_frame(100, 200, 100, 100);
    s.draw_line(150, 180, 250, 180, 3, 0, 0);  // leaves at x 199, its end pixel outside
    s.reset_clip();
    s.draw_line(0, 300, 600, 300, 0, 0, 0);
    s.plot_point(60, 60, 2, 1, kCopyPen);
  });
  EXPECT_EQ(at(image, 150, 150), kBlue);
  EXPECT_EQ(at(image, 50, 50), kWhite);
  EXPECT_EQ(at(image, 299, 150), kWhite);
  EXPECT_EQ(at(image, 260, 150), kWhite);
  EXPECT_EQ(at(image, 300, 150), kRed);
  EXPECT_EQ(at(image, 350, 150), kRed);
  EXPECT_EQ(at(image, 350, 120), kGreen);
  EXPECT_EQ(at(image, 199, 180), kMagenta);
  EXPECT_EQ(at(image, 200, 180), kWhite);
  EXPECT_EQ(at(image, 250, 180), kWhite);
  EXPECT_EQ(at(image, 0, 300), kBlack);
  EXPECT_EQ(at(image, 600, 300), kBlack);
  EXPECT_EQ(at(image, 60, 60), kRed);
}

// A clip that nothing was drawn under yet still reaches the painter when the backend goes.
TEST_F(QPainterBackendTest, PainterKeepsTheLastClip) {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter painter(&image);
  {
    Surface s;
    QPainterBackend backend(painter, s);
    const TargetBinding binding(s, backend);
    s.set_logical_screen(640, 480, 1.0);
    s.set_clip_to_frame(100, 200, 100, 100);
    s.draw_line(120, 150, 180, 150, 1, 0, 0);
    s.set_clip_to_frame(300, 200, 100, 50);
  }
  EXPECT_TRUE(painter.hasClipping());
  EXPECT_EQ(painter.clipBoundingRect().toRect(), QRect(300, 150, 100, 50));
}

// End pixels go straight into 32-bit images and through the painter on other formats.
TEST_F(QPainterBackendTest, EndPixelsOnEveryImageFormat) {
  for (const QImage::Format format :
       {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB16}) {
    QImage image(64, 64, format);
    image.fill(Qt::white);
    {
      Surface s;
      QPainter painter(&image);
      QPainterBackend backend(painter, s);
      const TargetBinding binding(s, backend);
      s.set_logical_screen(640, 480, 1.0);
      s.draw_line(10, 10, 40, 30, 1, 0, 0);
      s.set_clip_to_frame(0, 50, 50, 50);
      s.draw_line(30, 40, 55, 40, 2, 0, 0);  // its end pixel lies outside the clip
    }
    EXPECT_EQ(at(image, 40, 30), kBlue) << format;
    EXPECT_EQ(at(image, 49, 40), kRed) << format;
    EXPECT_EQ(at(image, 55, 40), kWhite) << format;
  }
}

#if defined(__x86_64__)
// XINUSE bit 2: whether the upper halves of the AVX registers hold anything. Nothing where the
// processor cannot tell.
std::optional<bool> avx_upper_in_use() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX)) return {};
  if (!__get_cpuid_count(0xD, 1, &a, &b, &c, &d) || !(a & (1u << 2))) return {};
  unsigned low = 0, high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
  return ((low >> 2) & 1) != 0;
}

// Qt's raster spans leave them in use, which slows every following call into libm several
// times over; the backend clears them before it returns.
TEST_F(QPainterBackendTest, DrawingLeavesTheVectorUpperHalvesClear) {
  if (!avx_upper_in_use().has_value()) GTEST_SKIP() << "no AVX state to look at";
  QImage image(960, 720, QImage::Format_RGB32);
  image.fill(Qt::white);
  Surface s;
  QPainter painter(&image);
  QPainterBackend backend(painter, s);
  const TargetBinding binding(s, backend);
  s.set_logical_screen(640, 480, 1.5);
  s.draw_line(0, 0, 600, 400, 1, 1, 0);
  const std::optional<bool> after_line = avx_upper_in_use();
  s.fill_box(10, 10, 400, 300, 6);
  const std::optional<bool> after_fill = avx_upper_in_use();
  s.text_at(100, 100, "周波数", 0, 0);
  const std::optional<bool> after_text = avx_upper_in_use();
  EXPECT_EQ(after_line, false);
  EXPECT_EQ(after_fill, false);
  EXPECT_EQ(after_text, false);
}
#endif

}  // namespace
}  // namespace tessaly::surface
