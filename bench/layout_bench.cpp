// Lays out the special notes of a survey of 1,000 items with long notes,
// measured prefix by prefix and with the fast prefix widths, and prints how
// many times faster the fast way is. Breaking and placing every line both
// ways gives the same lines and positions (the tests hold them to it); only
// the time differs. bench_main.cpp prints the ratio.
#include <benchmark/benchmark.h>

#include <memory>

#include "common/layout_work.h"
#include "qt/qt_text_measurer.h"

namespace {

using namespace mirelo;

void BM_LayoutPrefixByPrefix(benchmark::State& state) {
  bench::LayOut(
      state, [] { return std::make_unique<qt::QtTextMeasurer>(bench::kLayoutDpi, false); }, false);
}
void BM_LayoutFast(benchmark::State& state) {
  bench::LayOut(
      state, [] { return std::make_unique<qt::QtTextMeasurer>(bench::kLayoutDpi, true); }, true);
}
BENCHMARK(BM_LayoutPrefixByPrefix)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LayoutFast)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
