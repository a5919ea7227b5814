// Polylines in user units through the plot library into a plot file, against
// the same "x y lineto" lines written with plain snprintf("%.2f").
//
// Counters: points per second (items_per_second), the growth of the resident
// set over the timed loop, and heap allocations per point.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "gral/units.h"
#include "plot/plot.h"
#include "psdev/psdev.h"
#include "records/fixedtext.h"
#include "records/plot.h"
#include "records/sio.h"
#include "support/records.h"

namespace {

std::atomic<long> g_allocations{0};

}  // namespace

// Counting replacements of the global allocation functions; GCC takes the
// free() in the replaced delete for a mismatch with the new it inlines.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t n) {
  g_allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace {

long resident_kb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The benchmark runs in a directory of its own: the device writes its
// page-format defaults file next to the plot file.
struct WorkDir {
  std::filesystem::path old = std::filesystem::current_path();
  std::filesystem::path dir;
  WorkDir() {
    char tmpl[] = "/tmp/bench_polyline_XXXXXX";
    if (!mkdtemp(tmpl)) std::abort();
    dir = tmpl;
    std::filesystem::current_path(dir);
  }
  ~WorkDir() {
    std::filesystem::current_path(old);
    std::filesystem::remove_all(dir);
  }
};

struct Curve {
  std::vector<float> x, y;
  explicit Curve(long n) : x(static_cast<std::size_t>(n)), y(static_cast<std::size_t>(n)) {
    for (long i = 0; i < n; ++i) {
      const float t = static_cast<float>(i) / static_cast<float>(n);
      x[static_cast<std::size_t>(i)] = t;
      y[static_cast<std::size_t>(i)] = 0.5f + 0.45f * std::sin(40.0f * t);
    }
  }
};

// An open plot file with subplot 1 mapping 0..1 by 0..1 onto 20 x 20 cm; the
// device's questions are answered by Return.
class PlotSession {
 public:
  PlotSession() : in_(std::string(16, '\n')) {
    gral::bind_console(in_, out_);
    testing_support::reset_records();
    iocom.LPAUSE = false;
    std::string name = fixed::fit("bench.ps", 50);
    intplinit(name, 3);
    iocom.LPLTOPEN = true;
    plt2blk.LCOLORPLOT = false;
    splotscaling(7);
    std::int32_t one = 1;
    ssubplot(one, 1);
    float xcm0 = 0.5f, ycm0 = 0.5f, xl = 20.0f, yl = 20.0f, x0 = 0.0f, x1 = 1.0f, y0 = 0.0f, y1 = 1.0f;
    std::int32_t ixy = 0;
    sus2cm3(xcm0, ycm0, xl, yl, x0, x1, y0, y1, ixy, 1);
  }
  ~PlotSession() {
    intplend();
    iocom.LPLTOPEN = false;
    gral::bind_standard_console();
  }

 private:
  std::istringstream in_;
  std::ostringstream out_;
};

void report(benchmark::State& state, long n, long rss_before, long allocs_before) {
  const auto points = static_cast<double>(state.iterations()) * static_cast<double>(n);
  state.SetItemsProcessed(static_cast<std::int64_t>(points));
  state.SetComplexityN(n);
  state.counters["rss_growth_kB"] = static_cast<double>(resident_kb() - rss_before);
  state.counters["allocs_per_point"] = static_cast<double>(g_allocations.load() - allocs_before) / points;
}

void BM_PlotLibraryUsline(benchmark::State& state) {
  const long n = state.range(0);
  WorkDir wd;
  const Curve c(n);
  PlotSession plot;
  const long rss = resident_kb();
  const long allocs = g_allocations.load();
  for (auto _ : state) {
    usline(c.x.data(), c.y.data(), static_cast<std::int32_t>(n));
  }
  report(state, n, rss, allocs);
}

// The same device coordinates, one snprintf per "x y lineto" line.
void BM_SnprintfBaseline(benchmark::State& state) {
  const long n = state.range(0);
  WorkDir wd;
  const Curve c(n);
  std::FILE* f = std::fopen("baseline.ps", "w");
  if (!f) std::abort();
  const float ox = 28.35f * 0.5f, oy = 28.35f * 0.5f, sx = 28.35f * 20.0f, sy = 28.35f * 20.0f;
  const long rss = resident_kb();
  const long allocs = g_allocations.load();
  char line[64];
  for (auto _ : state) {
    for (long i = 0; i < n; ++i) {
      const auto k = static_cast<std::size_t>(i);
      const float xd = (ox + sx * c.x[k]) + 0.0f * c.y[k];
      const float yd = (oy + 0.0f * c.x[k]) + sy * c.y[k];
      const int len = std::snprintf(line, sizeof line, "%.2f %.2f lineto\n", static_cast<double>(xd),
                                    static_cast<double>(yd));
      std::fwrite(line, 1, static_cast<std::size_t>(len), f);
    }
  }
  report(state, n, rss, allocs);
  std::fclose(f);
}

}  // namespace

BENCHMARK(BM_PlotLibraryUsline)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SnprintfBaseline)
    ->RangeMultiplier(10)
    ->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

BENCHMARK_MAIN();
