#include "platform/qt/MessageBoxPrompt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct TButtonMap {
  TDialogButton Button;
  QMessageBox::StandardButton Qt;
};
constexpr TButtonMap ButtonMap[] = {
    {dbYes, QMessageBox::Yes}, {dbAll, QMessageBox::YesToAll}, {dbNo, QMessageBox::No},
    {dbOk, QMessageBox::Ok},   {dbCancel, QMessageBox::Cancel}};

QMessageBox::Icon IconOf(TDialogKind Kind) {
  switch (Kind) {
    case dkInformation: return QMessageBox::Information;
    case dkWarning: return QMessageBox::Warning;
    case dkError: return QMessageBox::Critical;
    case dkConfirmation: return QMessageBox::Question;
    case dkPlain: break;
  }
  return QMessageBox::NoIcon;
}

QString CaptionOf(TDialogKind Kind) {
  switch (Kind) {
    case dkInformation: return "Information";
    case dkWarning: return "Warning";
    case dkError: return "Error";
    case dkConfirmation: return "Confirmation";
    case dkPlain: break;
  }
  return QGuiApplication::applicationDisplayName();
}

QMessageBox::StandardButton ToQt(TDialogButton b) {
  for (const auto& m : ButtonMap)
    if (m.Button == b) return m.Qt;
  return QMessageBox::NoButton;
}

}  // namespace

TDialogButton TMessageBoxPrompt::Ask(const std::string& Text, TDialogKind Kind, unsigned Buttons) {
  if (!(Buttons & (dbOk | dbCancel | dbYes | dbNo | dbAll))) Buttons = dbOk;
  QString text = QString::fromStdString(Text);
  text.replace("\r\n", "\n");  // the texts keep their CR LF line breaks; a label breaks at LF
  QMessageBox box(IconOf(Kind), CaptionOf(Kind), text, QMessageBox::NoButton, QApplication::activeWindow());
  QMessageBox::StandardButtons qtButtons;
  for (const auto& m : ButtonMap)
    if (Buttons & m.Button) qtButtons |= m.Qt;
  box.setStandardButtons(qtButtons);
  const TDialogButton safe = SafeAnswer(Buttons);
  box.setEscapeButton(ToQt(safe));
  for (const auto& m : ButtonMap)
    if (Buttons & m.Button) {
      box.setDefaultButton(m.Qt);
      break;
    }
  box.exec();
  const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
  for (const auto& m : ButtonMap)
    if (m.Qt == clicked && (Buttons & m.Button)) return m.Button;
  return safe;
}
