// Dictionary at scale: load, save, clear, import, export and drawing on
// dictionaries of 100k and 1M questions (texts of 10 to 30 bytes).

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "dictionary/TextLines.h"
#include "platform/Prompt.h"
#include "settings/Settings.h"

namespace {

std::string BenchDir() {
  static const std::string dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("lexidrill_bench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d.string();
  }();
  return dir;
}

struct TCleanup {
  ~TCleanup() { std::filesystem::remove_all(BenchDir()); }
} cleanup;

void Quiet() {
  static TSilentPrompt silent;
  SetPrompt(&silent);
  ProgressProcs().ProgressText = [](const std::string&) { return true; };
  ProgressProcs().ProgressTick = [] { return true; };
}

// A text of 10 to 30 bytes, unique by its number.
std::string Word(std::mt19937& R, const char* Prefix, int64_t N) {
  std::string s = Prefix + std::to_string(N) + "-";
  size_t len = 10 + R() % 21;
  while (s.size() < len) s += static_cast<char>('a' + R() % 26);
  return s;
}

// question/answer lines of Count records, questions unique, in random order.
const std::string& TextFile(int64_t Count, int64_t First = 0) {
  static std::map<std::pair<int64_t, int64_t>, std::string> files;
  auto& name = files[{Count, First}];
  if (name.empty()) {
    name = BenchDir() + "/text_" + std::to_string(Count) + "_" + std::to_string(First) + ".txt";
    std::mt19937 r(static_cast<uint32_t>(Count + First));
    std::vector<int64_t> ids(static_cast<size_t>(Count));
    for (int64_t i = 0; i < Count; ++i) ids[static_cast<size_t>(i)] = First + i;
    std::shuffle(ids.begin(), ids.end(), r);
    TLineWriter w;
    w.Open(name);
    for (int64_t id : ids) {
      w.WriteLine(Word(r, "q", id));
      w.WriteLine(Word(r, "a", id));
    }
    w.Close();
  }
  return name;
}

// A saved dictionary of Count questions.
const std::string& DictFile(int64_t Count) {
  static std::map<int64_t, std::string> files;
  auto& name = files[Count];
  if (name.empty()) {
    Quiet();
    name = BenchDir() + "/dict_" + std::to_string(Count) + ".lxd";
    TSmartDict d(name, true);
    d.ImportFromText(TextFile(Count), false, false, true);
  }
  return name;
}

void BM_Load(benchmark::State& State) {
  const std::string& file = DictFile(State.range(0));
  Quiet();
  for (auto _ : State) {
    TSmartDict d(file, false);
    benchmark::DoNotOptimize(d.RecordCount());
    d.ReleaseWithoutSaving();
  }
}

void BM_Save(benchmark::State& State) {
  Quiet();
  TSmartDict d(DictFile(State.range(0)), false);
  const std::string out = BenchDir() + "/saved.lxd";
  for (auto _ : State) benchmark::DoNotOptimize(d.SaveToFile(out, false));
  d.ReleaseWithoutSaving();
}

void BM_ClearStatistics(benchmark::State& State) {
  Quiet();
  TSmartDict d(DictFile(State.range(0)), false);
  d.SetNTK(1);
  for (auto _ : State) {
    State.PauseTiming();
    // Spread the questions over the groups first, as after real learning.
    Settings.CurAnswersCount = 5;
    d.BeginExamination(1 << 30, 3);
    TExamQuestion card;
    for (int i = 0; i < 20000; ++i) {
      d.NextQuestion(card, false);
      card.Variants[static_cast<size_t>(i % 5)].Tried = true;
    }
    State.ResumeTiming();
    d.ClearStatistics();
  }
  d.ReleaseWithoutSaving();
}

void BM_ExportText(benchmark::State& State) {
  Quiet();
  TSmartDict d(DictFile(State.range(0)), false);
  const std::string out = BenchDir() + "/export.txt";
  for (auto _ : State) benchmark::DoNotOptimize(d.ExportToText(out, true, true, false));
  d.ReleaseWithoutSaving();
}

void BM_ImportReplace(benchmark::State& State) {
  Quiet();
  const std::string& text = TextFile(State.range(0));
  for (auto _ : State) {
    TSmartDict d(BenchDir() + "/imported.lxd", true);
    benchmark::DoNotOptimize(d.ImportFromText(text, false, false, true));
    State.PauseTiming();
    d.ReleaseWithoutSaving();
    State.ResumeTiming();
  }
}

// 100k new questions merged into a dictionary of State.range(0).
void BM_ImportMerge(benchmark::State& State) {
  Quiet();
  const std::string& text = TextFile(100000, 10000000);
  for (auto _ : State) {
    State.PauseTiming();
    TSmartDict d(DictFile(State.range(0)), false);
    State.ResumeTiming();
    benchmark::DoNotOptimize(d.ImportFromText(text, false, false, false));
    State.PauseTiming();
    d.ReleaseWithoutSaving();
    State.ResumeTiming();
  }
}

// One NextQuestion: the previous card's outcome recorded, the next drawn.
void BM_NextQuestion(benchmark::State& State) {
  Quiet();
  TSmartDict d(DictFile(State.range(0)), false);
  Settings.CurAnswersCount = 5;
  d.BeginExamination(INT32_MAX, 3);
  TExamQuestion card;
  d.NextQuestion(card, false);
  int i = 0;
  for (auto _ : State) {
    card.Variants[static_cast<size_t>(++i % 5)].Tried = true;
    benchmark::DoNotOptimize(d.NextQuestion(card, false));
  }
  d.ReleaseWithoutSaving();
}

// Lowering NTK turns every new question with RightInRow 1 into a learned one.
void BM_SetNTKSweep(benchmark::State& State) {
  Quiet();
  const std::string& text = TextFile(State.range(0));
  std::string withStats = BenchDir() + "/stats_" + std::to_string(State.range(0)) + ".txt";
  {
    TLineReader in([&] {
      std::string b;
      ReadWholeFile(text, b);
      return b;
    }());
    TLineWriter out;
    out.Open(withStats);
    std::string q, a;
    while (in.ReadLine(q) && in.ReadLine(a)) {
      out.WriteLine(q);
      out.WriteLine(a);
      out.WriteLine("0");
      out.WriteLine("1");
      out.WriteLine("1");
    }
    out.Close();
  }
  for (auto _ : State) {
    State.PauseTiming();
    TSmartDict d(BenchDir() + "/sweep.lxd", true);
    d.SetNTK(10);
    d.ImportFromText(withStats, false, true, true);
    State.ResumeTiming();
    d.SetNTK(1);
    State.PauseTiming();
    d.ReleaseWithoutSaving();
    State.ResumeTiming();
  }
}

#define DICT_BENCH(Fn) BENCHMARK(Fn)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true)

DICT_BENCH(BM_Load);
DICT_BENCH(BM_Save);
DICT_BENCH(BM_ClearStatistics);
DICT_BENCH(BM_ExportText);
DICT_BENCH(BM_ImportReplace);
DICT_BENCH(BM_ImportMerge);
BENCHMARK(BM_NextQuestion)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
DICT_BENCH(BM_SetNTKSweep);

}  // namespace
