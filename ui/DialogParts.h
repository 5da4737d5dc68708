#pragma once
// Small builders for the controls of the option dialogs: each control gets
// its object name, so tests and the layout speak of the same names.

#include <QtCore/qnamespace.h>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QString;
class QWidget;

// An edit with its up-down: the spin box is the up-down, its line edit the
// edit, each under its own name. A read-only edit still steps by the arrows.
QSpinBox* NewUpDown(QWidget* Parent, const char* EditName, const char* UpDownName, int Min, int Max, bool ReadOnly,
                    int Step = 1);
QLabel* NewLabel(QWidget* Parent, const char* Name, const QString& Text);
QCheckBox* NewCheckBox(QWidget* Parent, const char* Name, const QString& Text);
// Buttons never act as the default button: Enter in an edit must not close.
QPushButton* NewButton(QWidget* Parent, const char* Name, const QString& Text);

// Sizes W to its layout and puts it in the middle of its screen's free area,
// where the option dialogs open whoever their owner is.
void CentreOnScreen(QWidget* W);

// Asked when a dialog closes with Apply enabled; true to apply.
bool AskApplyChanges();

// The border of a dialog of fixed size: title, system menu and close box.
inline constexpr Qt::WindowFlags FixedDialogBorder =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
