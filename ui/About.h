#pragma once
// The two about boxes: the maker's, shown normally, and the program's, shown
// in silent mode. Both name the program and its version and play "About"
// when they open; their clickable lines each play a sound of their own
// (contact line "Author", the program box's credit lines ";))" and ":)").

#include <QDialog>

class QVBoxLayout;

class TAboutBox : public QDialog {
  Q_OBJECT
 protected:
  TAboutBox(QWidget* Owner, const char* Name, const QString& Title);
  void AddLine(const char* Name, const QString& Text);
  // A line that plays event Sound when it is clicked.
  void AddClickableLine(const char* Name, const QString& Text, int Sound);
  void showEvent(QShowEvent* Event) override;

 private:
  QVBoxLayout* FLines;
  bool FGreeted = false;
};

class TFormKelvaneAbout : public TAboutBox {
  Q_OBJECT
 public:
  explicit TFormKelvaneAbout(QWidget* Owner);
};

class TLexidrillAbout : public TAboutBox {
  Q_OBJECT
 public:
  explicit TLexidrillAbout(QWidget* Owner);
};

// The about box for the current mode: TLexidrillAbout in silent mode,
// TFormKelvaneAbout otherwise.
TAboutBox* NewAboutBox(QWidget* Owner);

// Shows the about box of the current mode modally and frees it.
void ShowAboutBox(QWidget* Owner);

// The program's version, from the build.
QString ProgramVersion();
