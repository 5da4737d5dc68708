// Learning statistics of the questions and the drawing of questions and
// answer variants for an examination.

#include <algorithm>
#include <climits>

#include "dictionary/Records.h"
#include "dictionary/SmartDict.h"
#include "engine/RecordTable.h"
#include "settings/Settings.h"

using namespace rec;

namespace {

// Random tries for one wrong variant before the remaining answers are scanned.
constexpr int VariantTries = 32;

// First position of index 1 whose (Status, RightInRow) is not below the
// given pair. Index 1 is sorted by that pair, so this is a bisection.
int32_t StatusBound(const TRecordTable& T, int32_t Status, int32_t RightInRow) {
  int32_t lo = 0, hi = T.RecordCount();
  while (lo < hi) {
    int32_t mid = lo + (hi - lo) / 2;
    const uint8_t* r = T.RecordAt(1, mid);
    int32_t s = QInt(r, qfStatus), k = QInt(r, qfRightInRow);
    if (s < Status || (s == Status && k < RightInRow)) {
      lo = mid + 1;
    } else {
      hi = mid;
    }
  }
  return lo;
}

// [First, Last) of the questions of one status in index 1.
void StatusRange(const TRecordTable& T, int32_t Status, int32_t& First, int32_t& Last) {
  First = StatusBound(T, Status, INT32_MIN);
  Last = Status == INT32_MAX ? T.RecordCount() : StatusBound(T, Status + 1, INT32_MIN);
}

int32_t ClampVariants(int32_t N) { return std::clamp<int32_t>(N, 1, TExamQuestion::MaxVariants); }

}  // namespace

bool TSmartDict::BeginExamination(int32_t Count, uint8_t Period) {
  if (!IsUsable()) return false;
  LearningPeriod = Period;
  ExamCount = Count;
  Drawn = 0;
  Totals = TExamTotals{};
  Totals.Count = ExamCount;
  (FRandom ? *FRandom : static_cast<TRandomSource&>(FDefaultRandom)).Seed();
  return true;
}

bool TSmartDict::HasQuestionsLeft() const { return IsUsable() && ExamCount >= Drawn; }

bool TSmartDict::NextQuestion(TExamQuestion& Card, bool Finish) {
  const int32_t N = ClampVariants(Settings.CurAnswersCount);
  if (Drawn != 0 && IsUsable()) {
    bool hint = false, wrong = false, right = false;
    for (int32_t i = 0; i < N; ++i) {
      const TExamVariant& v = Card.Variants[static_cast<size_t>(i)];
      if (v.Hinted) {
        hint = true;
        ++Totals.Hints;
      } else if (v.Tried) {
        if (i == Card.CorrectIndex) {
          right = true;
          ++Totals.Right;
        } else {
          wrong = true;
          ++Totals.Wrong;
        }
      }
    }
    if (!hint && !wrong && !right) ++Totals.Right;
    if (hint || wrong) {
      RecordWrong(Card.Question);
    } else {
      RecordRight(Card.Question);
    }
  }
  if (Finish) return true;
  if (!HasQuestionsLeft()) return false;
  int32_t p = 0;
  if (!DrawQuestion(p)) return false;
  const uint8_t* r = Table->RecordAt(1, p);
  Card.Question = Q(r, qfQuestion);
  std::string correct(Q(r, qfAnswer));
  Card.CorrectIndex = static_cast<int32_t>(Random(static_cast<uint32_t>(N)));
  return FillVariants(Card, N, correct);
}

bool TSmartDict::FillVariants(TExamQuestion& Card, int32_t N, const std::string& Correct) {
  auto& variants = Card.Variants;
  variants[static_cast<size_t>(Card.CorrectIndex)] = TExamVariant{Correct, false, false};
  const auto count = static_cast<uint32_t>(Table->RecordCount());
  // Texts already on the card: the correct one and the variants before i.
  auto used = [&](std::string_view A, int32_t i) {
    if (A == Correct) return true;
    for (int32_t j = 0; j < i; ++j)
      if (j != Card.CorrectIndex && variants[static_cast<size_t>(j)].Text == A) return true;
    return false;
  };
  for (int32_t i = 0; i < N; ++i) {
    if (i == Card.CorrectIndex) continue;
    std::string_view a;
    bool found = false;
    for (int t = 0; t < VariantTries && !found; ++t) {
      a = Q(Table->RecordAt(0, static_cast<int32_t>(Random(count))), qfAnswer);
      found = !used(a, i);
    }
    // Few different answers: take the next unused one from a random start,
    // so a dictionary short of answers ends the drawing instead of hanging.
    for (uint32_t k = 0, start = Random(count); k < count && !found; ++k) {
      a = Q(Table->RecordAt(0, static_cast<int32_t>((start + k) % count)), qfAnswer);
      found = !used(a, i);
    }
    if (!found) {
      Show("Can't draw the answer variants: the dictionary holds fewer different answers than " +
           std::to_string(N) + " variants");
      return false;
    }
    variants[static_cast<size_t>(i)] = TExamVariant{std::string(a), false, false};
  }
  return true;
}

bool TSmartDict::DrawQuestion(int32_t& p) {
  if (!IsUsable()) return false;
  ++Drawn;
  Totals.Drawn = Drawn;
  if (ExamCount < Drawn) return false;
  // A period of 0 has no multiples: learning questions never come first.
  const bool learningFirst = LearningPeriod != 0 && Drawn % LearningPeriod == 0;
  const int32_t order[2][3] = {{qsNew, qsLearned, qsLearning}, {qsLearning, qsNew, qsLearned}};
  for (int32_t status : order[learningFirst ? 1 : 0])
    if (PickFromGroup(status, p)) return true;
  return false;
}

bool TSmartDict::PickFromGroup(int32_t Status, int32_t& p) {
  if (!Table) return false;
  int32_t first = 0, last = 0;
  StatusRange(*Table, Status, first, last);
  if (first >= last) return false;
  p = first + static_cast<int32_t>(Random(static_cast<uint32_t>(last - first)));
  return true;
}

void TSmartDict::RecordRight(std::string_view Question) {
  int32_t p = 0;
  if (!FindQuestion(Question, p)) return;
  uint8_t* r = Table->RecordAt(0, p);
  const int32_t row = QInt(r, qfRightInRow) + 1;
  int32_t status = QInt(r, qfStatus);
  if (status == qsNew && row >= NTK) {
    ++Totals.LearnedFromNew;
    status = qsLearned;
  } else if (status == qsLearning && row >= UTK) {
    ++Totals.LearnedFromLearning;
    status = qsLearned;
  }
  SetStatistics(r, status, row, QInt(r, qfShowCount) + 1);
  Table->Update(0, p, dpAny);
}

void TSmartDict::RecordWrong(std::string_view Question) {
  int32_t p = 0;
  if (!FindQuestion(Question, p)) return;
  uint8_t* r = Table->RecordAt(0, p);
  SetStatistics(r, qsLearning, 0, QInt(r, qfShowCount) + 1);
  Table->Update(0, p, dpAny);
}

void TSmartDict::SweepGroup(int32_t Status, uint8_t Value) {
  if (!IsUsable()) return;
  // Just after the last question of the group: the one with the largest RightInRow.
  int32_t p = StatusBound(*Table, Status + 1, INT32_MIN);
  while (p > 0) {
    uint8_t* r = Table->RecordAt(1, p - 1);
    if (QInt(r, qfStatus) != Status || QInt(r, qfRightInRow) < Value) return;
    SetQInt(r, qfRightInRow, 0);
    SetQInt(r, qfStatus, qsLearned);
    Table->Update(1, p - 1, dpAny);
    // Index 1 sorts by status first: a question filed among the learned ones
    // after the group ends it one place earlier; filed before it, the group
    // still ends where it did.
    if (qsLearned > Status) --p;
  }
}

void TSmartDict::SetNTK(uint8_t Value) {
  if (Value == 0 || Value > MaxThreshold) {
    Show("The number must be between 1 and " + std::to_string(MaxThreshold));
    return;
  }
  SweepGroup(qsNew, Value);
  NTK = Value;
}

void TSmartDict::SetUTK(uint8_t Value) {
  if (Value == 0 || Value > MaxThreshold) {
    Show("The number must be between 1 and " + std::to_string(MaxThreshold));
    return;
  }
  SweepGroup(qsLearning, Value);
  UTK = Value;
}

int32_t TSmartDict::CountByStatus(int32_t Status) const {
  if (!Table) return 0;
  int32_t first = 0, last = 0;
  StatusRange(*Table, Status, first, last);
  return last - first;
}

void TSmartDict::GetSummary(TDictSummary& Summary) const {
  Summary = TDictSummary{};
  if (!IsUsable()) return;
  Summary = SummaryOf(QuestionCount(), CountByStatus(qsNew), StatusBound(*Table, qsNew, 1) - StatusBound(*Table, qsNew, 0),
                      CountByStatus(qsLearned));
}
