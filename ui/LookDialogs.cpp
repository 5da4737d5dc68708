#include "ui/LookDialogs.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// QFontDialog has no text colour, which the colour groups need; it is
// embedded here beside a colour button.
class TQtFontDialog final : public TFontDialog {
 public:
  bool Execute(QWidget* Parent, QFont& Font, QColor& Color) override {
    QDialog box(Parent);
    box.setWindowTitle(QFontDialog::tr("Select Font"));
    auto* layout = new QVBoxLayout(&box);
    QFont shown = Font;
    shown.setFamily(ShownFamily(Font.family()));
    auto* fonts = new QFontDialog(shown, &box);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);
    layout->addWidget(fonts);

    QColor chosen = Color;
    auto* row = new QHBoxLayout;
    auto* swatch = new QLabel(&box);
    swatch->setFixedSize(40, 20);
    swatch->setAutoFillBackground(true);
    auto paintSwatch = [&] {
      QPalette p = swatch->palette();
      p.setColor(QPalette::Window, chosen);
      swatch->setPalette(p);
    };
    paintSwatch();
    auto* colorButton = new QPushButton(QObject::tr("&Color..."), &box);
    QObject::connect(colorButton, &QPushButton::clicked, &box, [&] {
      const QColor c = QColorDialog::getColor(chosen, &box);
      if (c.isValid()) {
        chosen = c;
        paintSwatch();
      }
    });
    row->addWidget(colorButton);
    row->addWidget(swatch);
    row->addStretch();
    layout->addLayout(row);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &box, &QDialog::reject);
    layout->addWidget(buttons);
    if (box.exec() != QDialog::Accepted) return false;
    const QString stored = Font.family();
    Font = fonts->currentFont();
    Font.setFamily(ChosenFamily(stored, Font.family()));
    Color = chosen;
    return true;
  }
};

class TQtColorDialog final : public TColorDialog {
 public:
  bool Execute(QWidget* Parent, QColor& Color) override {
    const QColor c = QColorDialog::getColor(Color, Parent);
    if (!c.isValid()) return false;
    Color = c;
    return true;
  }
};

TFontDialog* CurrentFontDialog = nullptr;
TColorDialog* CurrentColorDialog = nullptr;

}  // namespace

QString ShownFamily(const QString& Family) {
  return QFontDatabase::hasFamily(Family) ? Family : QFontInfo(QFont(Family)).family();
}

QString ChosenFamily(const QString& Stored, const QString& Chosen) {
  return Chosen == ShownFamily(Stored) ? Stored : Chosen;
}

TFontDialog& FontDialog() {
  static TQtFontDialog qt;
  return CurrentFontDialog ? *CurrentFontDialog : qt;
}

void SetFontDialog(TFontDialog* Dialog) { CurrentFontDialog = Dialog; }

TColorDialog& ColorDialog() {
  static TQtColorDialog qt;
  return CurrentColorDialog ? *CurrentColorDialog : qt;
}

void SetColorDialog(TColorDialog* Dialog) { CurrentColorDialog = Dialog; }
