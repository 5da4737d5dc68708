#include "ui/ExamResults.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include "charting/BarChart.h"
#include "settings/Settings.h"
#include "settings/Sounds.h"
#include "ui/BevelPanel.h"

namespace {

struct TGrade {
  const char* Control;
  const char* File;
  const char* Mark;
  QColor Color;
  int Size;
};

// By rating category; the last one also takes every category above it.
const TGrade Grades[] = {
    {"Img5Plus", "grade-5plus.png", "5+", QColor(0x1e, 0x8c, 0x3a), 96},
    {"Img5", "grade-5.png", "5", QColor(0x3a, 0xa0, 0x3a), 96},
    {"Img4", "grade-4.png", "4", QColor(0x2f, 0x6f, 0xd1), 96},
    {"Img3", "grade-3.png", "3", QColor(0xe0, 0x8a, 0x10), 96},
    {"Img2", "grade-2.png", "2", QColor(0xc8, 0x28, 0x28), 97},
};
constexpr int GradeCount = int(std::size(Grades));

int GradeIndex(int Category) { return Category >= 0 && Category < GradeCount ? Category : GradeCount - 1; }

// Stands in for a picture file that is missing or unreadable: the grade
// drawn in its colour, so the window still says what it means.
QPixmap DrawnGrade(const TGrade& G) {
  QPixmap pm(G.Size, G.Size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(pm.rect()).adjusted(3, 3, -3, -3);
  p.setPen(QPen(G.Color, 4));
  p.setBrush(Qt::white);
  p.drawEllipse(r);
  QFont f;
  f.setBold(true);
  f.setPixelSize(G.Size / 2);
  p.setFont(f);
  p.setPen(G.Color);
  p.drawText(r, Qt::AlignCenter, G.Mark);
  return pm;
}

QPixmap GradePicture(int Index) {
  QPixmap pm;
  const QString file = QString::fromStdString(TExamResults::GradePictureFile(Index));
  if (QFile::exists(file) && pm.load(file)) return pm;
  return DrawnGrade(Grades[Index]);
}

QLabel* NewStripLabel(QWidget* Strip, const char* Name, const QString& Text, const QColor& Color) {
  auto* l = new QLabel(Text, Strip);
  l->setObjectName(Name);
  l->setAlignment(Qt::AlignCenter);
  l->setGeometry(Strip->rect().adjusted(1, 1, -1, -1));
  QFont f = l->font();
  f.setBold(true);
  f.setPixelSize(21);
  l->setFont(f);
  QPalette pal = l->palette();
  pal.setColor(QPalette::WindowText, Color);
  l->setPalette(pal);
  return l;
}

}  // namespace

std::string TExamResults::GradePictureFile(int Category) {
  return InstallDir() + "Pictures/" + Grades[GradeIndex(Category)].File;
}

TExamResults::TExamResults(QWidget* Owner, const TExamTotals& Totals) : QDialog(Owner), FTotals(Totals) {
  setObjectName("fmExamResults");
  setWindowTitle("Examination Results");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(442, 249);

  auto* Panel1 = new TBevelPanel(QString(), this);
  Panel1->setObjectName("Panel1");
  Panel1->SetBevels(bvLowered, bvRaised);
  Panel1->setGeometry(3, 3, 435, 213);

  auto* Panel4 = new TBevelPanel(QString(), Panel1);
  Panel4->setObjectName("Panel4");
  Panel4->setGeometry(2, 2, 431, 33);
  NewStripLabel(Panel4, "Label1", "Test complete!", QColor(0x00, 0x80, 0x00));

  auto* Chart1 = new TBarChart(Panel1);
  Chart1->setObjectName("Chart1");
  Chart1->setGeometry(112, 38, 313, 146);

  auto* Panel3 = new TBevelPanel(QString(), Panel1);
  Panel3->setObjectName("Panel3");
  Panel3->setGeometry(2, 184, 431, 27);
  QLabel* lbBall = NewStripLabel(Panel3, "lbBall", "Your result:", QColor(0x00, 0x00, 0x80));

  QLabel* images[GradeCount];
  for (int i = 0; i < GradeCount; ++i) {
    images[i] = new QLabel(Panel1);
    images[i]->setObjectName(Grades[i].Control);
    images[i]->setGeometry(8, 40, Grades[i].Size, Grades[i].Size);
    images[i]->setScaledContents(true);
    images[i]->setAttribute(Qt::WA_TranslucentBackground);
    images[i]->hide();
  }

  auto* OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setGeometry(3, 222, 436, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  Chart1->Clear();
  Chart1->AddBar("Total Questions", FTotals.Drawn);
  Chart1->AddBar("Total Answers", double(FTotals.Right) + FTotals.Wrong + FTotals.Hints);
  Chart1->AddBar("Right answers", FTotals.Right);
  Chart1->AddBar("Wrong answers", FTotals.Wrong);
  Chart1->AddBar("Hints", FTotals.Hints);
  Chart1->AddBar("Words learned", double(FTotals.LearnedFromNew) + FTotals.LearnedFromLearning);

  FRating = RateExamination(FTotals.Drawn, FTotals.Right, FTotals.Wrong, FTotals.Hints);
  lbBall->setText(lbBall->text() + " " + QString::fromStdString(FRating.Score));

  const int shown = GradeIndex(FRating.Category);
  images[shown]->setPixmap(GradePicture(shown));
  images[shown]->show();

  PlayEventSound(FRating.SoundEvent, false);
}

void TExamResults::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (const QScreen* s = screen()) move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}
