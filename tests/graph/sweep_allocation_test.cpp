// The drawing path runs five curves of 500 points on every repaint: it must not touch the
// heap. Every allocation of this test binary is counted here; a pass after the first is
// measured against a backend that draws nothing.
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "graph/labels.h"
#include "graph/sweep.h"
#include "graph_fixture.h"

namespace {

std::atomic<long> allocation_count{0};

}  // namespace

// Both ends kept out of line: inlined into a caller, the compiler would see malloc's pointer
// reach operator delete and call it a mismatch.
__attribute__((noinline)) void* operator new(std::size_t size) {
  ++allocation_count;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
  return operator new(size);
}
__attribute__((noinline)) void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  operator delete(p);
}
void operator delete(void* p, std::size_t) noexcept {
  operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  operator delete(p);
}

namespace tessaly::graph {
namespace {

Complex series_rlc(const Components&, int, Complex s) {
  const double w = s.im;
  return Complex(10.0, w * 0.01 - 1.0 / (w * 1e-6));
}

class SweepAllocation : public testing::GraphTest {
 protected:
  void SetUp() override {
    GraphTest::SetUp();
    binding_.emplace(surface, null_);
    GraphSettings& s = g.graph_settings;
    s.sweep_start = 10.0;
    s.sweep_stop = 100000.0;
    s.point_count = 500;
    s.magnitude_min = 0.1;
    s.magnitude_max = 1000.0;
    s.phase_min = -90.0;
    s.phase_max = 90.0;
    s.locus_x_max = 0.1;
    s.locus_y_min = -0.05;
    s.locus_y_max = 0.05;
    s.reactance_min = -60.0;
    s.reactance_max = 60.0;
    s.pen_width = 1;
    std::strcpy(s.tag, "(Ombra)");
  }

  // One drawing pass of five curves, frame set-up and legend included.
  void pass(int kind) {
    for (int curve = 1; curve <= 5; ++curve) {
      g.graph_settings.curve_number = curve;
      g.graph_settings.pen_style = curve == 5 ? 4 : 0;
      sweep_and_plot(g, session, kind, series_rlc, g.graph_settings);
      legend_value(g, kind, 0, curve - 1, " Ｑ ", " ", 0.632 * curve, curve);
    }
    reset_legend(g);
  }

  surface::NullBackend null_;
};

TEST_F(SweepAllocation, PassesAfterTheFirstAllocateNothing) {
  {
    const long before = allocation_count.load();
    int* volatile probe = new int(1);  // the counter sees what the heap is asked for
    delete probe;
    ASSERT_EQ(allocation_count.load() - before, 1);
  }
  for (int kind : {119, 75, 80, 81, 82, 138, 96, 94}) {
    if (kind == 138 || kind == 96 || kind == 94) {
      g.graph_settings.sweep_start = 1.0;
      g.graph_settings.sweep_stop = 2000.0;
      g.graph_settings.point_count = 400;
    }
    pass(kind);
    const long before = allocation_count.load();
    pass(kind);
    EXPECT_EQ(allocation_count.load() - before, 0) << "kind " << kind;
  }
}

}  // namespace
}  // namespace tessaly::graph
