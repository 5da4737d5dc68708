// Table engine at dictionary scale: question-table records (three texts of
// 10 to 30 bytes, three counters), index 0 unique on the question text,
// index 1 on status then right-in-row. Each benchmark times one whole pass
// over n records; run with --benchmark_repetitions for medians.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/ByteCoding.h"
#include "engine/ByteStream.h"
#include "engine/RecordTable.h"

namespace {

const std::string Structure = {12, 12, 12, 4, 4, 4};
const std::string Indexes = {char(252), 0, char(255), 3, 4};
constexpr size_t StatusOffset = 3 * RefSize;

std::vector<std::string> Words(int32_t N, uint32_t Seed) {
  std::mt19937 Rng(Seed);
  std::uniform_int_distribution<int> Len(10, 30), Letter('a', 'z');
  std::vector<std::string> Out;
  Out.reserve(N);
  for (int32_t i = 0; i < N; ++i) {
    std::string W = std::to_string(i) + ":";  // keeps the questions unique
    for (int k = Len(Rng) - static_cast<int>(W.size()); k > 0; --k) W.push_back(static_cast<char>(Letter(Rng)));
    Out.push_back(std::move(W));
  }
  std::shuffle(Out.begin(), Out.end(), Rng);
  return Out;
}

bool AddQuestion(TRecordTable& T, const std::string& Q, int32_t Status, int32_t Right) {
  uint8_t Rec[3 * RefSize + 12] = {};
  SetRefAt(Rec, 0, NewTextFrom(Q));
  SetRefAt(Rec, RefSize, NewTextFrom(Q.substr(0, 12)));
  SetRefAt(Rec, 2 * RefSize, EmptyText);
  SetLongIntAt(Rec, StatusOffset, Status);
  SetLongIntAt(Rec, StatusOffset + 4, Right);
  if (T.Add(Rec)) return true;
  DisposeText(TextAt(Rec, 0));
  DisposeText(TextAt(Rec, RefSize));
  return false;
}

// Statuses mixed as in a dictionary in use, or all equal as in a new one.
std::unique_ptr<TRecordTable> Build(int32_t N, bool Mixed) {
  auto T = TRecordTable::Create(Structure, Indexes, 10, 10);
  T->SetPacked(true);
  std::mt19937 Rng(7);
  for (const std::string& W : Words(N, 1))
    AddQuestion(*T, W, Mixed ? static_cast<int32_t>(Rng() % 3) : 0, Mixed ? static_cast<int32_t>(Rng() % 6) : 0);
  return T;
}

void Sizes(benchmark::internal::Benchmark* B) {
  B->Arg(10000)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
}

void BM_TableSave(benchmark::State& State) {
  auto T = Build(static_cast<int32_t>(State.range(0)), true);
  for (auto _ : State) {
    TMemoryStream S;
    benchmark::DoNotOptimize(T->Save(S));
    State.PauseTiming();
    S = TMemoryStream();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_TableSave)->Apply(Sizes);

void BM_TableLoad(benchmark::State& State) {
  std::vector<uint8_t> File;
  {
    auto T = Build(static_cast<int32_t>(State.range(0)), true);
    TMemoryStream S;
    T->Save(S);
    File = S.Bytes();
  }
  for (auto _ : State) {
    TMemoryStream S(File);
    auto T = TRecordTable::LoadQuiet(S);
    benchmark::DoNotOptimize(T.get());
    State.PauseTiming();
    if (!T) State.SkipWithError("load failed");
    T.reset();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_TableLoad)->Apply(Sizes);

void BM_TableAddRandom(benchmark::State& State) {
  auto W = Words(static_cast<int32_t>(State.range(0)), 2);
  for (auto _ : State) {
    auto T = TRecordTable::Create(Structure, Indexes, 10, 10);
    for (const std::string& Q : W) AddQuestion(*T, Q, 0, 0);
    State.PauseTiming();
    T.reset();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_TableAddRandom)->Apply(Sizes);

// A new dictionary: every record has status 0, so index 1 is one run of
// equal keys; each record is re-filed once, as recording an answer does.
void BM_TableUpdateEqualKeys(benchmark::State& State) {
  int32_t N = static_cast<int32_t>(State.range(0));
  for (auto _ : State) {
    State.PauseTiming();
    auto T = Build(N, false);
    std::mt19937 Rng(3);
    State.ResumeTiming();
    for (int32_t i = 0; i < N; ++i) T->Update(1, static_cast<int32_t>(Rng() % N));
    State.PauseTiming();
    T.reset();
    State.ResumeTiming();
  }
}
BENCHMARK(BM_TableUpdateEqualKeys)->Apply(Sizes);

// What each of those updates must read whatever the structure: the record at a
// random position of index 1, its place in index 0 and its question. Each read
// waits for the one before; the gap to BM_TableUpdateEqualKeys is the moving.
void BM_TableUpdateReadsOnly(benchmark::State& State) {
  int32_t N = static_cast<int32_t>(State.range(0));
  auto T = Build(N, false);
  for (auto _ : State) {
    std::mt19937 Rng(3);
    uint64_t Sum = 0;
    for (int32_t i = 0; i < N; ++i) {
      int32_t Pos = static_cast<int32_t>(Rng() % N), Other = 0;
      T->LocateIn(1, Pos, 0, Other);
      Sum += static_cast<uint64_t>(Other) + TextAt(T->RecordAt(1, Pos), 0)[1];
    }
    benchmark::DoNotOptimize(Sum);
  }
}
BENCHMARK(BM_TableUpdateReadsOnly)->Apply(Sizes);

void BM_TableFind(benchmark::State& State) {
  int32_t N = static_cast<int32_t>(State.range(0));
  auto T = Build(N, true);
  auto W = Words(N, 1);
  for (auto _ : State) {
    int32_t Found = 0;
    uint8_t Key[3 * RefSize + 12] = {};
    uint8_t Text[256];
    for (const std::string& Q : W) {
      Text[0] = static_cast<uint8_t>(Q.size());
      std::copy(Q.begin(), Q.end(), Text + 1);
      SetRefAt(Key, 0, Text);
      int32_t Pos;
      Found += T->Find(0, Key, Pos);
    }
    if (Found != N) State.SkipWithError("a key was not found");
  }
}
BENCHMARK(BM_TableFind)->Apply(Sizes);

void BM_TableDeleteAll(benchmark::State& State) {
  int32_t N = static_cast<int32_t>(State.range(0));
  for (auto _ : State) {
    State.PauseTiming();
    auto T = Build(N, true);
    std::mt19937 Rng(5);
    State.ResumeTiming();
    while (T->RecordCount() > 0) T->Delete(0, static_cast<int32_t>(Rng() % T->RecordCount()));
  }
}
BENCHMARK(BM_TableDeleteAll)->Apply(Sizes);

}  // namespace
