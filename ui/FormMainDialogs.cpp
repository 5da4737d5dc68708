#include "ui/FormMainDialogs.h"

#include "dictionary/ExamTotals.h"
#include "dictionary/SmartDict.h"
#include "ui/About.h"
#include "ui/DictOpt.h"
#include "ui/ExamResults.h"
#include "ui/NewQuestion.h"
#include "ui/Options.h"

namespace {

void ExamResults(QWidget* Owner, const TExamTotals& Totals) {
  TExamResults dialog(Owner, Totals);
  dialog.exec();
}

void NewQuestion(QWidget* Owner, TSmartDict& Dict) {
  TFormNewQuestion dialog(Owner, Dict);
  dialog.exec();
}

}  // namespace

TFormMainDialogs ProgramDialogs() {
  TFormMainDialogs d;
  d.ExamResults = ExamResults;
  d.About = ShowAboutBox;
  d.NewQuestion = NewQuestion;
  d.Options = ExecuteOptions;
  d.DictOpt = ExecuteDictOptions;
  return d;
}

void CompleteDialogs(TFormMainDialogs& Dialogs) {
  const TFormMainDialogs own = ProgramDialogs();
  if (!Dialogs.ExamResults) Dialogs.ExamResults = own.ExamResults;
  if (!Dialogs.About) Dialogs.About = own.About;
  if (!Dialogs.NewQuestion) Dialogs.NewQuestion = own.NewQuestion;
  if (!Dialogs.Options) Dialogs.Options = own.Options;
  if (!Dialogs.DictOpt) Dialogs.DictOpt = own.DictOpt;
}
