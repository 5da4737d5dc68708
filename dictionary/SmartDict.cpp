#include "dictionary/SmartDict.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <sys/stat.h>

#include "dictionary/ProgressProcs.h"
#include "dictionary/Records.h"
#include "dictionary/SafeFile.h"
#include "engine/ByteStream.h"
#include "engine/RecordTable.h"
#include "platform/Prompt.h"
#include "settings/CommandLine.h"
#include "settings/Settings.h"

using namespace rec;

std::string StageText;
std::string NextStageText;

void StageStart(int32_t n) { ProgressProcs().ProgressStep(StageText, 0, n - 1, 0); }

void StageStartThenNext(int32_t n) {
  if (StageText.empty()) StageText = NextStageText;
  ProgressProcs().ProgressStep(StageText, 0, n - 1, 0);
  StageText.clear();
}

void TStdRandom::Seed() {
  if (FFixed) {
    FEngine.seed(FSeed);
  } else {
    FEngine.seed(static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
                 static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  }
}

uint32_t TStdRandom::Below(uint32_t n) { return std::uniform_int_distribution<uint32_t>(0, n - 1)(FEngine); }

namespace {

void TickStep() { ProgressProcs().ProgressTick(); }
void QuietStep() { ProgressProcs().QuietTick(); }

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && static_cast<uint8_t>(s[b]) <= 32) ++b;
  while (e > b && static_cast<uint8_t>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

// Which of the two table layouts a stream starts with, read from the table
// header without consuming it.
enum TFirstTable { ftUnknown, ftParameters, ftOther };
TFirstTable PeekFirstTable(TByteStream& In) {
  char head[8];
  size_t got = In.Read(head, sizeof head);
  In.Seek(0);
  if (got < 1) return ftUnknown;
  // Versioned files start with the magic and a version byte; version 0 starts with the structure.
  bool versioned = got >= 5 && (std::string_view(head, 4) == std::string_view("\x03" "BVR", 4) || head[4] == 4);
  size_t at = versioned ? 5 : 0;
  if (got < at + 3) return ftOther;
  return std::string_view(head + at, 3) == std::string_view("\x02\x0C\x0C", 3) ? ftParameters : ftOther;
}

TRecordTable* LoadQuestions(TByteStream& In, TProgressStepProc Step, TProgressStartProc Start) {
  TRecordTable* t = TRecordTable::Load(In, std::move(Step), std::move(Start)).release();
  // Records are read through field offsets: a table of any other shape is no question table.
  if (t && !HasQuestionStructure(*t)) ReleaseTable(t);
  return t;
}

}  // namespace

// ---------------------------------------------------------------- lifecycle

TSmartDict::TSmartDict(const std::string& AFileName, bool CreateEmpty) : FileName(AFileName) {
  SetNTK(10);
  SetUTK(10);
  if (CreateEmpty) {
    Table = NewQuestionTable();
  } else {
    LoadFromFile(FileName);
  }
  TDictInfo info;
  GetInfo(info);
  SetNTK(static_cast<uint8_t>(info.NTK));
  SetUTK(static_cast<uint8_t>(info.UTK));
}

TSmartDict::~TSmartDict() { SaveToFile(FileName, true); }

TRecordTable* TSmartDict::NewQuestionTable() {
  return TRecordTable::Create(QuestionStructureDef, QuestionIndexDef, 10, 10).release();
}

void TSmartDict::ReleaseQuestionTable() { ReleaseTable(Table); }

void TSmartDict::ReleaseWithoutSaving() { ReleaseQuestionTable(); }

void TSmartDict::SetRandom(TRandomSource* ARandom) { FRandom = ARandom; }

uint32_t TSmartDict::Random(uint32_t n) { return (FRandom ? *FRandom : static_cast<TRandomSource&>(FDefaultRandom)).Below(n); }

void TSmartDict::LoadFromFile(const std::string& AFileName) {
  ReleaseQuestionTable();
  Params.Reset();
  std::unique_ptr<TFileStream> file = TFileStream::Open(AFileName, fmRead);
  if (!file) {
    Show("Dictionary load error: can't open file \"" + AFileName + "\"");
    return;
  }
  const std::string badFormat = "Dictionary load error: incorrect file \"" + AFileName + "\" format";
  // A file whose first table is not a parameters block holds the question
  // table alone: it goes straight to the reading from the start.
  TByteStream& in = *file;
  if (PeekFirstTable(in) == ftParameters) {
    if (!Params.ReadFrom(in, false)) {
      Show(badFormat);
      return;
    }
    if (IsSilentMode()) {
      Table = LoadQuestions(in, QuietStep, nullptr);
    } else {
      StageText = "Loading dictionary.";
      Table = LoadQuestions(in, TickStep, StageStart);
    }
  }
  if (!Table) {
    Params.Reset();
    in.Seek(0);
    StageText = "Loading dictionary.";
    Table = LoadQuestions(in, TickStep, StageStart);
  }
  file.reset();
  if (IsUsable()) {
    SetNTK(NTK);
    SetUTK(UTK);
  } else if (Table) {
    Show("Dictionary is successfully loaded, but it has incorrect question's number for examination.\r"
         "Please add more questions (" + std::to_string(MinQuestions) + " at least).",
         dkWarning);
  } else {
    Params.Reset();
    Show(badFormat);
  }
}

bool TakeCensus(const std::string& FileName, TDictCensus& Census) {
  Census = TDictCensus{};
  std::unique_ptr<TFileStream> file = TFileStream::Open(FileName, fmRead);
  if (!file || PeekFirstTable(*file) != ftParameters) return false;
  TParametersBox params;
  if (!params.ReadFrom(*file, false)) return false;
  GetDictInfo(&params, Census.Info);
  // As the constructor applies them after loading (a byte, as SetNTK takes it).
  Census.NTK = static_cast<uint8_t>(Census.Info.NTK);
  Census.UTK = static_cast<uint8_t>(Census.Info.UTK);
  if (Census.NTK == 0 || Census.NTK > MaxThreshold || Census.UTK == 0 || Census.UTK > MaxThreshold) return false;
  // Opening sweeps with 10 first, then with the stored thresholds: a question
  // ends up learned when its run of right answers reaches the lower one.
  int32_t ofNew = 0, fresh = 0, learned = 0;
  bool filable = false;
  auto table = TRecordTable::Scan(*file, [&](const uint8_t* r) {
    ++Census.Records;
    const int32_t status = QInt(r, qfStatus), row = QInt(r, qfRightInRow);
    if ((status == qsNew && row >= Census.NTK) || (status == qsLearning && row >= Census.UTK)) {
      ++learned;
    } else {
      ofNew += status == qsNew;
      fresh += status == qsNew && row == 0;
      learned += status == qsLearned;
    }
  }, filable);
  if (!table || !filable || !HasQuestionStructure(*table) || Census.Records < MinQuestions) return false;
  Census.Summary = SummaryOf(Census.Records, ofNew, fresh, learned);
  return true;
}

bool TSmartDict::SaveToFile(const std::string& AFileName, bool Release) {
  if (!Table) return false;
  const bool silent = IsSilentMode();
  TSafeFileWriter file(AFileName);
  bool ok = file.Open();
  if (ok) {
    Params.WriteInteger("WORDSCOUNT", Table->RecordCount());
    ok = Params.WriteTo(file.Stream());
  }
  if (ok) {
    if (silent) {
      Table->OnProgressStep = QuietStep;
    } else {
      StageText = "Saving dictionary.";
      Table->OnProgressStart = StageStart;
      Table->OnProgressStep = TickStep;
    }
    Table->SetPacked(true);
    ok = Table->Save(file.Stream());
    ok = file.Commit() && ok;
  }
  if (Release) {
    if (!silent) StageText = "Releasing memory.";
    ReleaseQuestionTable();
  }
  if (!ok) Show("Dictionary save error: can't create file \"" + AFileName + "\"");
  return ok;
}

bool CreateDictionaryFile(const std::string& FileName) {
  struct stat st{};
  if (::stat(FileName.c_str(), &st) == 0) {
    if (Prompt().Ask("File \"" + FileName + "\" already exists. Overwrite?", dkInformation, dbOk | dbCancel) != dbOk)
      return false;
  }
  TSmartDict dict(FileName, true);
  return dict.SaveToFile(FileName, true);
}

// ---------------------------------------------------------------- queries

bool TSmartDict::IsUsable() const { return Table && Table->RecordCount() >= MinQuestions; }
int32_t TSmartDict::QuestionCount() const { return IsUsable() ? Table->RecordCount() : 0; }
int32_t TSmartDict::RecordCount() const { return Table ? Table->RecordCount() : 0; }
int32_t TSmartDict::LastIndex() const { return Table ? Table->RecordCount() - 1 : -1; }
bool TSmartDict::IsValidIndex(int32_t Index) const { return Table && Index >= 0 && Index < Table->RecordCount(); }

bool TSmartDict::GetQuestionInfo(int32_t Index, TQuestionInfo& Info) const {
  if (!IsValidIndex(Index)) return false;
  const uint8_t* r = Table->RecordAt(0, Index);
  Info.Question = Q(r, qfQuestion);
  Info.Answer = Q(r, qfAnswer);
  Info.Comment = Q(r, qfComment);
  Info.Index = Index;
  Info.Status = QInt(r, qfStatus);
  Info.ShowCount = QInt(r, qfShowCount);
  Info.RightInRow = QInt(r, qfRightInRow);
  return true;
}

bool TSmartDict::FindQuestion(std::string_view Text, int32_t& Index) const {
  if (!Table) return false;
  TQuestionKey key(Text);
  int32_t pos = 0;
  if (!Table->Find(0, key.Key(), pos)) return false;
  Index = pos;
  return true;
}

bool TSmartDict::FindByPrefix(std::string_view Prefix, TQuestionInfo& Info) const {
  Info.Index = 0;
  Prefix = CutText(Prefix);
  if (Prefix.empty() || !Table) return false;
  TQuestionKey key(Prefix);
  int32_t pos = 0;
  Table->Find(0, key.Key(), pos);
  if (!GetQuestionInfo(pos, Info)) return false;
  return Info.Question.compare(0, Prefix.size(), Prefix) == 0;
}

// ---------------------------------------------------------------- description

void TSmartDict::GetInfo(TDictInfo& Info) const { GetDictInfo(&Params, Info); }

void TSmartDict::SetInfo(const TDictInfo& Info) {
  Params.WriteText("DESCRIPTION", Info.Description);
  Params.WriteValue("AUTHOR", CutText(Info.Author));
  Params.WriteText("COMMENT", Info.Comment);
  Params.WriteInteger("NTK", Info.NTK);
  Params.WriteInteger("UTK", Info.UTK);
  SetNTK(static_cast<uint8_t>(Info.NTK));
  SetUTK(static_cast<uint8_t>(Info.UTK));
}

// ---------------------------------------------------------------- editing

bool TSmartDict::AddOrUpdateQuestion(std::string_view Question, std::string_view Answer, std::string_view Comment) {
  if (!Table) {
    Show("Update error: can't initialize dictionary");
    return false;
  }
  Question = CutText(Trim(Question));
  Answer = CutText(Trim(Answer));
  Comment = CutText(Trim(Comment));
  if (Question.empty() || Answer.empty()) {
    Show("Update error - no question / answer in editor");
    return false;
  }
  int32_t p = 0;
  if (FindQuestion(Question, p)) {
    uint8_t* r = Table->RecordAt(0, p);
    ReplaceText(r, QOffset(qfAnswer), Answer);
    if (!Table->Update(0, p, dpAny)) {
      Show("Can't update: error occured while modifying record");
      return false;
    }
    Show("Question was sucessfully updated");
    return true;
  }
  uint8_t r[QuestionRecordSize]{};
  SetRefAt(r, QOffset(qfQuestion), NewTextFrom(Question));
  SetRefAt(r, QOffset(qfAnswer), NewTextFrom(Answer));
  SetRefAt(r, QOffset(qfComment), NewTextFrom(Comment));
  SetStatistics(r, qsNew, 0, 0);
  if (!Table->Add(r, dpAny)) {
    DisposeQuestionTexts(r);
    Show("Can't insert: there is no free memory");
    return false;
  }
  Show("New question successfully added");
  return true;
}

bool TSmartDict::DeleteQuestion(std::string_view AQuestion) {
  if (!Table) {
    Show("Delete error: can't initialize dictionary");
    return false;
  }
  std::string question(Trim(AQuestion));
  int32_t p = 0;
  if (!FindQuestion(question, p)) {
    Show("Delete error: can't find question \"" + question + "\"");
    return false;
  }
  if (Prompt().Ask("Remove the question \"" + question + "\"?", dkWarning, dbYes | dbCancel) != dbYes) return false;
  Table->Delete(0, p);
  Show("Question was sucesfully removed");
  return true;
}

void TSmartDict::ClearStatistics() {
  if (!IsUsable()) {
    Show("An error occured while trying to clear statistics: no words in dictonary");
    return;
  }
  for (int32_t i = 0; i < Table->RecordCount(); ++i) {
    SetStatistics(Table->RecordAt(0, i), qsNew, 0, 0);
    Table->Update(0, i, dpAny);
  }
}
