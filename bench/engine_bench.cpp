// Filter run speed: a typical full panel, and very long pasted kill lists.

#include <sys/resource.h>

#include <benchmark/benchmark.h>

#include "twostar/filter.h"
#include "twostar/plain_inputs.h"
#include "typical_panel.h"

namespace {

using namespace twostar;

void BM_TypicalFullRun(benchmark::State& state) {
  EngineData engine;
  buildCandidatePool(engine);
  PlainInputs inputs(typicalPanel());
  for (auto _ : state) {
    FilterResult r = runFilter(engine, inputs);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_TypicalFullRun);

// Pasted numbers: two-digit tokens separated by blanks and line breaks.
std::string pastedNumbers(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 3);
  for (unsigned n = 0; text.size() < bytes; ++n) {
    const unsigned v = (n * 37u + 11u) % 100u;
    text += static_cast<char>('0' + v / 10);
    text += static_cast<char>('0' + v % 10);
    text += n % 16 == 15 ? '\n' : ' ';
  }
  text.resize(bytes);
  return text;
}

double peakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// All four kill lists hold `range(0)` MiB each.
void BM_FourLongKillLists(benchmark::State& state) {
  const auto bytes = static_cast<std::size_t>(state.range(0)) << 20;
  Conditions c;
  c.shape.sumTail.text = c.shape.span.text = c.shape.sum.text = c.shape.twoDigit.text = pastedNumbers(bytes);
  EngineData engine;
  buildCandidatePool(engine);
  PlainInputs inputs(std::move(c));
  const double before = peakRssMiB();
  for (auto _ : state) {
    FilterResult r = runFilter(engine, inputs);
    benchmark::DoNotOptimize(r);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 4 * bytes));
  state.counters["inputMiB"] = 4.0 * static_cast<double>(bytes) / (1 << 20);
  state.counters["peakRssMiB"] = peakRssMiB();
  state.counters["rssGrowthMiB"] = peakRssMiB() - before;
}
BENCHMARK(BM_FourLongKillLists)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
