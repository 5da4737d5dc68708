#include "ui/MultiPartVisual.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

#include "platform/Prompt.h"

TFormMultiPartVisual::TFormMultiPartVisual(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName("FormMultiPartVisual");
  setWindowTitle("Please Wait...");
  setFixedSize(252, 133);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(8, 8, 32, 32);
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  Image1->setPixmap(icon.pixmap(32, 32));

  lbSubTitle = new QLabel(this);
  lbSubTitle->setObjectName("lbSubTitle");
  lbSubTitle->setGeometry(47, 15, 201, 30);
  lbSubTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lbSubTitle->setWordWrap(true);

  GU = new QProgressBar(this);
  GU->setObjectName("GU");
  GU->setGeometry(5, 56, 243, 27);
  GU->setTextVisible(true);
  QPalette gaugePalette = GU->palette();
  gaugePalette.setColor(QPalette::Base, palette().color(QPalette::Button));
  gaugePalette.setColor(QPalette::Highlight, palette().color(QPalette::Active, QPalette::Highlight));
  GU->setPalette(gaugePalette);

  lbUnKnownProgress = new QLabel(this);
  lbUnKnownProgress->setObjectName("lbUnKnownProgress");
  lbUnKnownProgress->setGeometry(GU->x(), GU->y(), GU->width(), GU->height());
  lbUnKnownProgress->setAlignment(Qt::AlignCenter);
  QFont bold = lbUnKnownProgress->font();
  bold.setBold(true);
  lbUnKnownProgress->setFont(bold);
  lbUnKnownProgress->hide();

  lbStep = new QLabel(this);
  lbStep->setObjectName("lbStep");
  lbStep->setGeometry(120, 107, 126, 16);
  lbStep->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  lbStep->setFont(QFont("Arial"));

  btCancel = new QPushButton("Break!", this);
  btCancel->setObjectName("btCancel");
  btCancel->setGeometry(4, 102, 69, 27);
  btCancel->setFont(bold);
  btCancel->setAutoDefault(false);
  btCancel->hide();
  connect(btCancel, &QPushButton::clicked, this, &TFormMultiPartVisual::btCancelClick);
}

bool TFormMultiPartVisual::GaugeShown() const { return !GU->isHidden(); }

void TFormMultiPartVisual::Open(const std::string& Caption, int32_t Steps) {
  setWindowTitle(QString::fromStdString(Caption));
  FSteps = Steps;
  Update("", 0, 100, 0);
}

void TFormMultiPartVisual::Update(const std::string& Text, int32_t Min, int32_t Max, int32_t Position) {
  lbStep->setText(QString("Step %1 of %2").arg(FStep).arg(FSteps));
  lbSubTitle->setText(QString::fromStdString(Text));
  if (Min > Max) Min = Max = Position = 0;
  GU->setRange(Min, Max);
  GU->setValue(Position);
  if (Min == Max && GaugeShown()) {
    GU->hide();
    lbUnKnownProgress->show();
    btCancel->show();
    btCancel->setEnabled(true);
    FCancelled = false;
  } else if (Min < Max && !GaugeShown()) {
    GU->show();
    lbUnKnownProgress->hide();
    btCancel->hide();
  }
  FInterval = GaugeShown() ? 2000 : 200;
}

void TFormMultiPartVisual::NextStep(const std::string& Text, int32_t Min, int32_t Max, int32_t Position) {
  if (FStep < FSteps) ++FStep;
  Update(Text, Min, Max, Position);
}

void TFormMultiPartVisual::Tick() {
  if (GaugeShown() && GU->value() < GU->maximum()) GU->setValue(GU->value() + 1);
  if (!FLastPump.isValid() || FLastPump.elapsed() > FInterval) {
    QPointer<TFormMultiPartVisual> self(this);  // events may end the operation and free the window
    QCoreApplication::processEvents();
    if (self) FLastPump.start();
  }
}

bool TFormMultiPartVisual::Text(const std::string& Text) {
  lbUnKnownProgress->setText(QString::fromStdString(Text));
  QPointer<TFormMultiPartVisual> self(this);
  Tick();
  return self && !FCancelled;
}

void TFormMultiPartVisual::btCancelClick() {
  if (FCancelled) return;
  if (Prompt().Ask("Break operation", dkConfirmation, dbYes | dbNo) == dbYes) {
    btCancel->setEnabled(false);
    FCancelled = true;
  }
}

// The window goes away only when the operation ends; Escape and the window
// manager's close would otherwise hide it in the middle of the work.
void TFormMultiPartVisual::closeEvent(QCloseEvent* Event) { Event->ignore(); }

void TFormMultiPartVisual::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(Event);
}
