#pragma once
// The font and colour choosers of the configuration dialog. Windows ask
// through FontDialog() and ColorDialog(); the program's choosers are the Qt
// dialogs, tests install scripted ones.

#include <QColor>
#include <QFont>

class QWidget;

class TFontDialog {
 public:
  virtual ~TFontDialog() = default;
  // Starts with Font and Color; on OK both hold the choice and true returns.
  virtual bool Execute(QWidget* Parent, QFont& Font, QColor& Color) = 0;
};

class TColorDialog {
 public:
  virtual ~TColorDialog() = default;
  // Starts with Color; on OK it holds the choice and true returns.
  virtual bool Execute(QWidget* Parent, QColor& Color) = 0;
};

// The face a font chooser shows for Family: Family itself when the machine
// has it, otherwise the face that stands in for it ("MS Sans Serif" is
// drawn in a sans face of the machine).
QString ShownFamily(const QString& Family);
// What a chooser that showed ShownFamily(Stored) returns for Chosen: a
// stand-in kept by the user keeps the stored face, so OK without a change
// changes nothing.
QString ChosenFamily(const QString& Stored, const QString& Chosen);

// The process-wide choosers; nullptr puts the Qt dialogs back.
TFontDialog& FontDialog();
void SetFontDialog(TFontDialog* Dialog);
TColorDialog& ColorDialog();
void SetColorDialog(TColorDialog* Dialog);
