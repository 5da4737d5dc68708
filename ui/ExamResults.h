#pragma once
// The results window of an ended examination: six counts as bars, the score
// and its grade picture, and the grade's sound, which plays as soon as the
// window is made. The opener shows it modally and starts the next
// examination once it closes.

#include <QDialog>
#include <string>

#include "dictionary/ExamTotals.h"
#include "exam/ExamRating.h"

class TExamResults : public QDialog {
  Q_OBJECT
 public:
  // Totals is copied; Totals.Drawn must be at least 1.
  TExamResults(QWidget* Owner, const TExamTotals& Totals);

  const TExamTotals& Totals() const { return FTotals; }
  const TExamRating& Rating() const { return FRating; }

  // The picture of rating category Category: InstallDir + "Pictures/grade-5plus.png"
  // for 0 .. "grade-2.png" for 4 and above.
  static std::string GradePictureFile(int Category);

 protected:
  void showEvent(QShowEvent* Event) override;

 private:
  TExamTotals FTotals;
  TExamRating FRating;
};
