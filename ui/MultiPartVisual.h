#pragma once
// The progress window of long operations: a gauge for work of known length,
// a text with a "Break!" button for work of unknown length, and "Step N of M".
// It keeps the program responsive by processing pending events itself, at
// most every FInterval milliseconds, since the work runs on the GUI thread.

#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

class TFormMultiPartVisual : public QDialog {
  Q_OBJECT

 public:
  explicit TFormMultiPartVisual(QWidget* Parent = nullptr);

  void Open(const std::string& Caption, int32_t Steps);
  void Update(const std::string& Text, int32_t Min, int32_t Max, int32_t Position);
  void NextStep(const std::string& Text, int32_t Min, int32_t Max, int32_t Position);
  void Tick();
  // Shows Text in the indeterminate mode; false once the user has cancelled.
  bool Text(const std::string& Text);
  void btCancelClick();

  int32_t Steps() const { return FSteps; }
  int32_t Step() const { return FStep; }
  int32_t Interval() const { return FInterval; }
  bool Cancelled() const { return FCancelled; }
  bool GaugeShown() const;

  QLabel* Image1;
  QLabel* lbSubTitle;
  QProgressBar* GU;
  QLabel* lbUnKnownProgress;
  QLabel* lbStep;
  QPushButton* btCancel;

 protected:
  void closeEvent(QCloseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  int32_t FSteps = 0;
  int32_t FStep = 0;
  int32_t FInterval = 2000;
  QElapsedTimer FLastPump;  // invalid until the first pump: the first tick pumps
  bool FCancelled = false;
};
