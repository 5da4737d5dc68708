// Export of a dictionary to a text file of CR LF lines and import from one.
// A record is the question and answer lines, then the comment and the three
// statistics lines when the options ask for them; the file itself does not
// say which lines a record has.

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include "dictionary/ProgressProcs.h"
#include "dictionary/Records.h"
#include "dictionary/SmartDict.h"
#include "dictionary/TextLines.h"
#include "engine/RecordTable.h"
#include "platform/Prompt.h"

using namespace rec;

namespace {

constexpr int32_t MaxTableRecords = 268435456;

void ReleaseWithProgress(TRecordTable*& T, const std::string& Caption) {
  auto& pp = ProgressProcs();
  pp.BeginProgressKeepForms(Caption, 1);
  T->OnProgressStart = StageStart;
  T->OnProgressStep = [] { ProgressProcs().ProgressTick(); };
  StageText = "Releasing memory.";
  ReleaseTable(T);
  pp.EndProgress();
}

}  // namespace

bool TSmartDict::ExportToText(const std::string& AFileName, bool WithComments, bool WithStatistics, bool BackOrder) {
  const std::string head = "Can't export to file \"" + AFileName + "\": ";
  if (!Table) {
    Show(head + "there is no files in dictonary");
    return false;
  }
  TLineWriter out;
  if (!out.Open(AFileName)) {
    Show(head + "open error");
    return false;
  }
  bool ok = true;
  for (int32_t i = 0; i < Table->RecordCount() && ok; ++i) {
    const uint8_t* r = Table->RecordAt(0, i);
    ok = out.WriteLine(Q(r, BackOrder ? qfAnswer : qfQuestion)) && out.WriteLine(Q(r, BackOrder ? qfQuestion : qfAnswer));
    if (ok && WithComments) ok = out.WriteLine(Q(r, qfComment));
    if (ok && WithStatistics)
      ok = out.WriteLine(std::to_string(QInt(r, qfStatus))) && out.WriteLine(std::to_string(QInt(r, qfRightInRow))) &&
           out.WriteLine(std::to_string(QInt(r, qfShowCount)));
  }
  // A failed flush at the end is as much a write error as a failed line.
  ok = out.Close() && ok;
  if (!ok) {
    Show(head + "write error");
    return false;
  }
  Show("Export sucessfully completed");
  return true;
}

namespace {

// The questions read so far, found by hashing: open addressing over indexes
// into the staged records, whose texts it does not copy.
class TQuestionSet {
 public:
  static constexpr uint32_t None = UINT32_MAX;
  using TQuestionAt = std::function<std::string_view(uint32_t)>;

  TQuestionSet(size_t Expected, TQuestionAt QuestionAt) : FQuestionAt(std::move(QuestionAt)) {
    size_t n = 16;
    while (n < Expected * 2) n <<= 1;
    FSlots.assign(n, TSlot{0, None});
  }
  uint32_t Find(std::string_view Question) const {
    const uint32_t h = Hash(Question);
    for (size_t i = h & (FSlots.size() - 1);; i = (i + 1) & (FSlots.size() - 1)) {
      const TSlot& s = FSlots[i];
      if (s.Index == None) return None;
      if (s.Hash == h && FQuestionAt(s.Index) == Question) return s.Index;
    }
  }
  // Index's question must not be in the set yet.
  void Add(uint32_t Index) {
    if ((FUsed + 1) * 2 > FSlots.size()) Grow();
    Place({Hash(FQuestionAt(Index)), Index});
    ++FUsed;
  }
  void Clear() {
    FSlots.clear();
    FSlots.shrink_to_fit();
    FUsed = 0;
  }

 private:
  struct TSlot {
    uint32_t Hash;
    uint32_t Index;
  };
  static uint32_t Hash(std::string_view S) { return static_cast<uint32_t>(std::hash<std::string_view>{}(S)); }
  void Place(TSlot Slot) {
    size_t i = Slot.Hash & (FSlots.size() - 1);
    while (FSlots[i].Index != None) i = (i + 1) & (FSlots.size() - 1);
    FSlots[i] = Slot;
  }
  void Grow() {
    std::vector<TSlot> old(FSlots.size() * 2, TSlot{0, None});
    old.swap(FSlots);
    for (const TSlot& s : old)
      if (s.Index != None) Place(s);
  }

  TQuestionAt FQuestionAt;
  std::vector<TSlot> FSlots;
  size_t FUsed = 0;
};

}  // namespace

bool TSmartDict::ImportFromText(const std::string& AFileName, bool WithComments, bool WithStatistics, bool Replace) {
  std::string bytes;
  if (!ReadWholeFile(AFileName, bytes)) {
    Show("Can't import to file \"" + AFileName + "\": open error");
    return false;
  }
  auto& pp = ProgressProcs();
  pp.BeginProgressKeepForms("Importing file", 1);
  pp.ProgressStep("Creating dictionary image", 0, 0, 0);
  TRecordTable* old = Table;
  TRecordTable* image = NewQuestionTable();
  Table = image;

  // The records read so far, in file order; the image table takes them over
  // in one pass once the file is read. Questions are found by hashing.
  std::vector<std::array<uint8_t, QuestionRecordSize>> staged;
  auto freeStaged = [&] {
    for (auto& r : staged) DisposeQuestionTexts(r.data());
    staged.clear();
  };

  const int32_t k = 2 + (WithComments ? 1 : 0) + (WithStatistics ? 3 : 0);
  // Room for the records from the start (up to a million: a file of empty
  // lines must not reserve gigabytes), so they are not copied and rehashed
  // many times over while they come.
  const size_t expected = std::min<size_t>(std::count(bytes.begin(), bytes.end(), '\n') / k + 1, 1 << 20);
  staged.reserve(expected);
  TQuestionSet byQuestion(expected, [&](uint32_t i) { return Q(staged[i].data(), qfQuestion); });
  TLineReader in(std::move(bytes));
  std::string label = "Questions imported ";
  const size_t labelPrefix = label.size();
  int64_t line = 1 - k;
  bool yesToAll = false, cancelled = false;
  int32_t status = 0, rightInRow = 0, showCount = 0;
  std::string question, answer, comment;
  for (;;) {
    if (!in.ReadLine(question) || !in.ReadLine(answer)) break;
    if (WithComments && !in.ReadLine(comment)) break;
    if (WithStatistics &&
        !(in.ReadIntegerLine(status) && in.ReadIntegerLine(rightInRow) && in.ReadIntegerLine(showCount)))
      break;
    label.resize(labelPrefix);
    label += std::to_string(staged.size());
    if (!pp.ProgressText(label)) {
      cancelled = true;
      break;
    }
    if (status < qsNew || status > qsLearning || rightInRow < 0 || showCount < 0) status = rightInRow = showCount = 0;
    line += k;
    const uint32_t found = byQuestion.Find(question);
    if (found == TQuestionSet::None) {
      if (staged.size() >= static_cast<size_t>(MaxTableRecords)) {
        Show("Can't import from file \"" + AFileName + "\": too many questions. Please, reduce it");
        cancelled = true;
        break;
      }
      auto& r = staged.emplace_back();
      r.fill(0);
      SetRefAt(r.data(), QOffset(qfQuestion), NewTextFrom(question));
      SetRefAt(r.data(), QOffset(qfAnswer), NewTextFrom(answer));
      SetRefAt(r.data(), QOffset(qfComment), NewTextFrom(comment));
      SetStatistics(r.data(), status, rightInRow, showCount);
      byQuestion.Add(static_cast<uint32_t>(staged.size() - 1));
      continue;
    }
    uint8_t* r = staged[found].data();
    const std::string stored(Q(r, qfAnswer));
    if (stored.find(answer) != std::string::npos) continue;
    TDialogButton reply = dbYes;
    if (!yesToAll) {
      reply = Prompt().Ask("Can't import to file \"" + AFileName + "\" - \"" + question + "\" already exists in line " +
                               std::to_string(line) + ". Exiting answer - \"" + stored + "\", new answer - \"" +
                               answer + "\". Do u want to add new answer?",
                           dkWarning, dbYes | dbNo | dbCancel | dbAll);
      if (reply == dbAll) {
        yesToAll = true;
        reply = dbYes;
      }
    }
    if (reply == dbNo) continue;
    if (reply != dbYes) {
      cancelled = true;
      break;
    }
    ReplaceText(r, QOffset(qfAnswer), CutText(stored + ", " + answer));
  }
  byQuestion.Clear();

  // Hand the records to the image in question order.
  if (!cancelled && staged.size() >= static_cast<size_t>(MinQuestions)) {
    // Each entry carries the question's first bytes, so most comparisons of
    // the sort never follow a pointer into the heap.
    struct TSortKey {
      uint64_t Head;
      std::string_view Question;
      const uint8_t* Rec;
    };
    std::vector<TSortKey> order;
    order.reserve(staged.size());
    for (auto& r : staged) {
      std::string_view q = Q(r.data(), qfQuestion);
      uint64_t head = 0;
      for (size_t i = 0; i < 8; ++i) head = head << 8 | (i < q.size() ? static_cast<uint8_t>(q[i]) : 0);
      order.push_back({head, q, r.data()});
    }
    std::sort(order.begin(), order.end(), [](const TSortKey& a, const TSortKey& b) {
      return a.Head != b.Head ? a.Head < b.Head : a.Question < b.Question;
    });
    std::vector<const void*> records;
    records.reserve(order.size());
    for (const TSortKey& e : order) records.push_back(e.Rec);
    if (!image->AddAll(records)) {
      Show("Can't import from file \"" + AFileName + "\": there is no free memory");
      cancelled = true;  // the image took nothing; freeStaged below releases it all
    }
  }
  const size_t read = staged.size();
  pp.EndProgress();

  if (read < static_cast<size_t>(MinQuestions) || cancelled) {
    freeStaged();
    ReleaseWithProgress(image, "Cancel import");
    Table = old;
    if (!cancelled)
      Show("Can't import from file \"" + AFileName + "\": not enough answers. Please, increase it to " +
           std::to_string(MinQuestions));
    return false;
  }
  staged.clear();  // the image owns every record now

  int32_t base = 0;
  if (Replace) {
    if (old) ReleaseWithProgress(old, "Dettaching previous dictionary");
  } else if (old) {
    pp.BeginProgressKeepForms("Importing", 2);
    old->OnProgressStart = StageStartThenNext;
    old->OnProgressStep = [] { ProgressProcs().ProgressTick(); };
    StageText = "Moving from.";
    NextStageText = "Releasing memory.";
    base = old->RecordCount();
    old->MoveFrom(image, dpAny, false);
    image->OnProgressStart = StageStart;
    image->OnProgressStep = [] { ProgressProcs().ProgressTick(); };
    StageText = "Releasing memory.";
    ReleaseTable(image);
    Table = old;
    pp.EndProgress();
  }
  SetNTK(NTK);
  SetUTK(UTK);
  Show("Import successfully completed. " + std::to_string(Table->RecordCount() - base) + " question(s) are imported.");
  return true;
}
