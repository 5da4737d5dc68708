// The dictionary windows at scale: the chooser listing a folder of 1,000
// dictionaries, and the editor and the viewer answering keys on a dictionary
// of 1M questions.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "dictionary/DictionaryFolder.h"
#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "dictionary/TextLines.h"
#include "platform/FileDialog.h"
#include "platform/Prompt.h"
#include "ui/NewQuestion.h"
#include "ui/PreViewDictFile.h"
#include "ui/ViewDict.h"

namespace {

// Built by appending: gcc 12 warns falsely (-Wrestrict) on "literal" + std::string.
std::string Named(const char* Prefix, int64_t N) {
  std::string s(Prefix);
  s += std::to_string(N);
  return s;
}

void EnsureApplication() {
  static std::unique_ptr<QApplication> app = [] {
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "lexidrill-bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QApplication>(argc, argv);
  }();
  static TSilentPrompt silent;
  SetPrompt(&silent);
  ProgressProcs().ProgressText = [](const std::string&) { return true; };
  ProgressProcs().ProgressTick = [] { return true; };
}

std::string WindowsBenchDir() {
  static const std::string dir = [] {
    auto d = std::filesystem::temp_directory_path() / ("lexidrill_wbench_" + std::to_string(::getpid()));
    std::filesystem::create_directories(d);
    return d.string() + "/";
  }();
  return dir;
}

struct TCleanup {
  ~TCleanup() { std::filesystem::remove_all(WindowsBenchDir()); }
} cleanup;

// A folder of Count dictionaries of 100 questions each, described.
const std::string& DictionaryFolder(int Count) {
  static std::string folder;
  if (folder.empty()) {
    EnsureApplication();
    folder = WindowsBenchDir();
    folder += "folder/";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < Count; ++i) {
      const std::string file = folder + Named("dict", i) + ".lxd";
      TSmartDict d(file, true);
      for (int q = 0; q < 100; ++q) d.AddOrUpdateQuestion(Named("q", q), Named("a", q), "");
      TDictInfo info;
      d.GetInfo(info);
      info.Description = Named("Dictionary number ", i) + "\r\nwith a second line";
      info.Author = "Bench";
      d.SetInfo(info);
      d.SaveToFile(file, true);
    }
  }
  return folder;
}

// An open dictionary of Count questions (10 to 30 letters, random order).
TSmartDict& BigDict(int64_t Count) {
  static std::unique_ptr<TSmartDict> dict;
  if (!dict) {
    EnsureApplication();
    const std::string text = WindowsBenchDir() + "big.txt";
    std::mt19937 r(7);
    TLineWriter w;
    w.Open(text);
    for (int64_t i = 0; i < Count; ++i) {
      std::string q;
      const size_t len = 10 + r() % 21;
      while (q.size() < len) q += static_cast<char>('a' + r() % 26);
      w.WriteLine(q + std::to_string(i));
      w.WriteLine(Named("answer", i));
    }
    w.Close();
    dict = std::make_unique<TSmartDict>(WindowsBenchDir() + "big.lxd", true);
    dict->ImportFromText(text, false, false, true);
  }
  return *dict;
}

class TNoDialog final : public TFileDialog {
 public:
  bool Execute() override { return false; }
};

void BM_ChooserListsFolder(benchmark::State& State) {
  const std::string& folder = DictionaryFolder(static_cast<int>(State.range(0)));
  TNoDialog dialog;
  dialog.FileName = folder;
  for (auto _ : State) {
    TFormPreViewDictFile form(nullptr, dialog);
    benchmark::DoNotOptimize(form.FilesFound());
  }
}

void BM_FolderScanOnly(benchmark::State& State) {
  const std::string& folder = DictionaryFolder(static_cast<int>(State.range(0)));
  for (auto _ : State) benchmark::DoNotOptimize(ScanDictionaryFolder(folder).size());
}

// One typed change of the question: completion and refresh.
void BM_EditorTyping(benchmark::State& State) {
  TSmartDict& d = BigDict(State.range(0));
  TFormNewQuestion form(nullptr, d);
  const char* texts[] = {"m", "mq", "b", "zz", "kelvane", "a"};
  size_t i = 0;
  for (auto _ : State) {
    form.edQ->setText(texts[i++ % std::size(texts)]);
    benchmark::DoNotOptimize(form.edA->text());
  }
}

void BM_ViewerCreate(benchmark::State& State) {
  TSmartDict& d = BigDict(State.range(0));
  for (auto _ : State) benchmark::DoNotOptimize(TFormViewDict::Create(nullptr, "m", d));
}

// A round of viewer keys: Down, Page Down, End, Home, Up, a letter.
void BM_ViewerKeys(benchmark::State& State) {
  TSmartDict& d = BigDict(State.range(0));
  auto viewer = TFormViewDict::Create(nullptr, "m", d);
  const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_Down, ""},  {Qt::Key_PageDown, ""}, {Qt::Key_End, ""},
                                                  {Qt::Key_Home, ""},  {Qt::Key_Up, ""},       {Qt::Key_Q, "q"},
                                                  {Qt::Key_PageUp, ""}};
  size_t i = 0;
  for (auto _ : State) {
    const auto& k = keys[i++ % std::size(keys)];
    QKeyEvent press(QEvent::KeyPress, k.first, Qt::NoModifier, QString::fromLatin1(k.second));
    QApplication::sendEvent(viewer->sgDict, &press);
    benchmark::DoNotOptimize(viewer->First());
  }
}

BENCHMARK(BM_ChooserListsFolder)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_FolderScanOnly)->Arg(1000)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_EditorTyping)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewerCreate)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ViewerKeys)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
