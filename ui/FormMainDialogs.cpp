#include "ui/FormMainDialogs.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "dictionary/ExamTotals.h"
#include "dictionary/SmartDict.h"
#include "ui/Options.h"

namespace {

// Stands in for a dialog that is not part of the program yet.
void ShowStandIn(QWidget* Owner, const QString& Title, const QString& Text) {
  QDialog dialog(Owner);
  dialog.setWindowTitle(Title);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(Text, &dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  dialog.exec();
}

void ExamResults(QWidget* Owner, const TExamTotals& T) {
  ShowStandIn(Owner, "Examination results",
              QString("Questions %1\nRight %2\nWrong %3\nHints %4\nLearned %5")
                  .arg(T.Count)
                  .arg(T.Right)
                  .arg(T.Wrong)
                  .arg(T.Hints)
                  .arg(T.LearnedFromNew + T.LearnedFromLearning));
}

void About(QWidget* Owner) { ShowStandIn(Owner, "About", "Lexidrill"); }

void NewQuestion(QWidget* Owner, TSmartDict& Dict) {
  ShowStandIn(Owner, "Edit Questions", QString("%1 questions").arg(Dict.QuestionCount()));
}

bool DictOpt(QWidget* Owner, TSmartDict& Dict, TFileDialog&) {
  ShowStandIn(Owner, "Dictionary options", QString::fromStdString(Dict.FileName));
  return false;
}

}  // namespace

TFormMainDialogs ProgramDialogs() {
  TFormMainDialogs d;
  d.ExamResults = ExamResults;
  d.About = About;
  d.NewQuestion = NewQuestion;
  d.Options = ExecuteOptions;
  d.DictOpt = DictOpt;
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
