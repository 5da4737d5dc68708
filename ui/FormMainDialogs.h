#pragma once
// The modal dialogs the main window opens, one entry each, so that tests can
// put their own in and each dialog's call lives in exactly one place.

#include <functional>

class QWidget;
class TFileDialog;
class TSmartDict;
struct TExamTotals;

struct TFormMainDialogs {
  // The results of an ended examination.
  std::function<void(QWidget* Owner, const TExamTotals& Totals)> ExamResults;
  // The about box (which one depends on the silent mode).
  std::function<void(QWidget* Owner)> About;
  // The question editor; a new examination follows.
  std::function<void(QWidget* Owner, TSmartDict& Dict)> NewQuestion;
  // The configuration dialog; true when a new examination must start.
  std::function<bool(QWidget* Owner, TFileDialog& FileDialog, TSmartDict* Dict)> Options;
  // The dictionary options dialog; true when a new examination must start.
  std::function<bool(QWidget* Owner, TSmartDict& Dict, TFileDialog& FileDialog)> DictOpt;
};

// The program's own dialogs.
TFormMainDialogs ProgramDialogs();

// Fills every empty entry of Dialogs with the program's own.
void CompleteDialogs(TFormMainDialogs& Dialogs);
