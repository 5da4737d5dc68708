// The machine's own floor for the table benchmarks: how long one random read
// from memory takes when each read needs the one before, over 256 MB (more
// than any cache, about the size of a 1M-question table). Large tables are
// bound by it, and it varies with the machine's neighbours from hour to hour.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace {

void BM_MachineRandomRead(benchmark::State& State) {
  constexpr size_t Line = 64 / sizeof(uint32_t);
  const size_t Lines = (size_t{256} << 20) / 64;
  // One cycle through every cache line in random order.
  std::vector<uint32_t> Order(Lines);
  std::iota(Order.begin(), Order.end(), 0u);
  std::shuffle(Order.begin(), Order.end(), std::mt19937(1));
  std::vector<uint32_t> Next(Lines * Line);
  for (size_t i = 0; i < Lines; ++i) Next[Order[i] * Line] = Order[(i + 1) % Lines];
  constexpr int64_t Reads = 2000000;
  uint32_t At = 0;
  for (auto _ : State) {
    for (int64_t i = 0; i < Reads; ++i) At = Next[At * Line];
    benchmark::DoNotOptimize(At);
  }
  // The time of one read, shown in ns.
  State.counters["per_read"] = benchmark::Counter(static_cast<double>(Reads) * static_cast<double>(State.iterations()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MachineRandomRead)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
