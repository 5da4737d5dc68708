#pragma once
// One open dictionary: the question table with answers, comments and learning
// statistics, its parameters block, the two learning thresholds and the
// counters of the running examination.
//
// Creating the object loads the file; destroying it saves the file back, so
// statistics persist without a save command. Every failure and most successes
// are told to the user through Prompt(); long passes report through
// ProgressProcs().
//
// File: the parameters block followed by the question table, both table
// files. A file that holds the question table alone is read too.

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>

#include "dictionary/DictSummary.h"
#include "dictionary/ExamQuestion.h"
#include "dictionary/ExamTotals.h"
#include "dictionary/ParametersBox.h"

class TRecordTable;

enum TQuestionStatus : int32_t { qsNew = 0, qsLearned = 1, qsLearning = 2 };

// The fewest questions of a usable dictionary, and the most answer variants.
constexpr int32_t MinQuestions = 16;
// The learning thresholds NTK and UTK run from 1 to this.
constexpr uint8_t MaxThreshold = 10;

// A copy of one question.
struct TQuestionInfo {
  std::string Question;
  std::string Answer;
  std::string Comment;
  int32_t Index = 0;  // position in question order
  int32_t Status = qsNew;
  int32_t ShowCount = 0;
  int32_t RightInRow = 0;
};

// Texts of the progress stages the table engine starts (process-wide).
extern std::string StageText;
extern std::string NextStageText;
// Engine start callbacks: ProgressStep(StageText, 0, n - 1, 0).
void StageStart(int32_t n);
// As StageStart, taking NextStageText when StageText is empty, then emptying
// StageText: two passes show StageText, then NextStageText.
void StageStartThenNext(int32_t n);

// Uniform random integers for the draws. Replaceable so that tests and the
// command-line tool can fix the sequence.
class TRandomSource {
 public:
  virtual ~TRandomSource() = default;
  // Called when an examination begins.
  virtual void Seed() = 0;
  // A uniform integer r with 0 <= r < n (n >= 1).
  virtual uint32_t Below(uint32_t n) = 0;
};

// Seeded from the clock at every Seed(), or always from the same value.
class TStdRandom final : public TRandomSource {
 public:
  TStdRandom() = default;
  explicit TStdRandom(uint64_t FixedSeed) : FFixed(true), FSeed(FixedSeed) { FEngine.seed(FixedSeed); }
  void Seed() override;
  uint32_t Below(uint32_t n) override;

 private:
  bool FFixed = false;
  uint64_t FSeed = 0;
  std::mt19937_64 FEngine{std::random_device{}()};
};

// What opening a dictionary file would show of it: its description, its
// thresholds, its record count and the counts of the statistics chart.
struct TDictCensus {
  TDictInfo Info;
  uint8_t NTK = 0;
  uint8_t UTK = 0;
  int32_t Records = 0;
  TDictSummary Summary;
};

// Takes the census in one pass over the file, without building its table:
// for a look at a large dictionary. False whenever opening it would have
// more to say (it cannot be read as it is, it is not usable, a threshold is
// out of range, or its questions would not file as they stand); open it as
// a TSmartDict then, which also shows why.
bool TakeCensus(const std::string& FileName, TDictCensus& Census);

class TSmartDict {
 public:
  // Loads FileName, or starts an empty question table with CreateEmpty.
  TSmartDict(const std::string& FileName, bool CreateEmpty);
  // Saves to FileName and releases everything (a failed save is shown).
  ~TSmartDict();
  TSmartDict(const TSmartDict&) = delete;
  TSmartDict& operator=(const TSmartDict&) = delete;

  // ---- files
  // Replaces table and parameters by the file's contents; shows its failures.
  void LoadFromFile(const std::string& FileName);
  // Writes the whole file through a temporary file renamed over the old one,
  // so a failed save leaves the old file as it was. With Release the table
  // is released afterwards (also when the save fails).
  bool SaveToFile(const std::string& FileName, bool Release);
  // Drops the question table without saving: the destructor then writes
  // nothing. For read-only users.
  void ReleaseWithoutSaving();
  static TRecordTable* NewQuestionTable();

  // ---- queries
  bool IsUsable() const;
  int32_t QuestionCount() const;  // 0 unless usable
  int32_t RecordCount() const;    // records in the table, 0 without one
  int32_t LastIndex() const;
  bool IsValidIndex(int32_t Index) const;
  bool GetQuestionInfo(int32_t Index, TQuestionInfo& Info) const;
  bool FindQuestion(std::string_view Text, int32_t& Index) const;
  // Type-ahead search: true when a question begins with Prefix; Info then
  // holds the first such question. Otherwise Info holds the question at the
  // insertion point (Index 0 past the end or for an empty prefix).
  bool FindByPrefix(std::string_view Prefix, TQuestionInfo& Info) const;

  // ---- description
  void GetInfo(TDictInfo& Info) const;
  void SetInfo(const TDictInfo& Info);

  // ---- editing (each shows its outcome)
  bool AddOrUpdateQuestion(std::string_view Question, std::string_view Answer, std::string_view Comment);
  bool DeleteQuestion(std::string_view Question);
  void ClearStatistics();

  // ---- learning
  // Values outside 1..10 are refused with a message; otherwise questions of
  // the group whose RightInRow reaches Value become learned.
  void SetNTK(uint8_t Value);
  void SetUTK(uint8_t Value);
  bool BeginExamination(int32_t Count, uint8_t Period);
  bool HasQuestionsLeft() const;
  // Records the outcome of Card's previous question, then (unless Finish)
  // draws the next question into Card. N = Settings.CurAnswersCount variants.
  bool NextQuestion(TExamQuestion& Card, bool Finish);
  int32_t CountByStatus(int32_t Status) const;
  void GetSummary(TDictSummary& Summary) const;

  // The generator of the draws (not owned); nullptr puts the default back.
  void SetRandom(TRandomSource* Random);

  // ---- text files
  bool ExportToText(const std::string& FileName, bool WithComments, bool WithStatistics, bool BackOrder);
  bool ImportFromText(const std::string& FileName, bool WithComments, bool WithStatistics, bool Replace);

  // ---- internal steps, public for tests
  bool DrawQuestion(int32_t& p);
  bool PickFromGroup(int32_t Status, int32_t& p);
  void RecordRight(std::string_view Question);
  void RecordWrong(std::string_view Question);

  std::string FileName;
  TRecordTable* Table = nullptr;  // owned, may be absent
  TParametersBox Params;
  int32_t ExamCount = 0;
  int32_t Drawn = 0;
  uint8_t LearningPeriod = 1;
  uint8_t NTK = 10;
  uint8_t UTK = 10;
  TExamTotals Totals;

 private:
  void ReleaseQuestionTable();
  void SweepGroup(int32_t Status, uint8_t Value);
  bool FillVariants(TExamQuestion& Card, int32_t N, const std::string& Correct);
  uint32_t Random(uint32_t n);

  TStdRandom FDefaultRandom;
  TRandomSource* FRandom = nullptr;
};

// Writes a new empty dictionary file; an existing file is overwritten only
// after the user agrees.
bool CreateDictionaryFile(const std::string& FileName);
