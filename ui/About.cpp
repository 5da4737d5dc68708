#include "ui/About.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "settings/CommandLine.h"
#include "settings/Sounds.h"

namespace {

// A line of text that acts when it is clicked, shown like a link.
class TClickLine final : public QLabel {
 public:
  TClickLine(const QString& Text, QWidget* Parent, std::function<void()> OnClick)
      : QLabel(Text, Parent), FOnClick(std::move(OnClick)) {
    setCursor(Qt::PointingHandCursor);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xc0));
    setPalette(pal);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* Event) override {
    QLabel::mouseReleaseEvent(Event);
    if (Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint())) FOnClick();
  }

 private:
  std::function<void()> FOnClick;
};

}  // namespace

QString ProgramVersion() { return QStringLiteral(LEXIDRILL_VERSION); }

TAboutBox::TAboutBox(QWidget* Owner, const char* Name, const QString& Title) : QDialog(Owner) {
  setObjectName(Name);
  setWindowTitle(Title);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(24, 16, 24, 12);
  layout->setSpacing(6);

  auto* name = new QLabel("Lexidrill", this);
  name->setObjectName("lbProgram");
  QFont f = name->font();
  f.setBold(true);
  f.setPixelSize(28);
  name->setFont(f);
  name->setAlignment(Qt::AlignCenter);
  layout->addWidget(name);
  FLines = new QVBoxLayout;
  FLines->setSpacing(6);
  layout->addLayout(FLines);
  AddLine("lbVersion", "Version " + ProgramVersion());

  layout->addSpacing(8);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignCenter);
}

void TAboutBox::AddLine(const char* Name, const QString& Text) {
  auto* l = new QLabel(Text, this);
  l->setObjectName(Name);
  l->setAlignment(Qt::AlignCenter);
  FLines->addWidget(l);
}

void TAboutBox::AddClickableLine(const char* Name, const QString& Text, int Sound) {
  auto* l = new TClickLine(Text, this, [Sound] { PlayEventSound(Sound, false); });
  l->setObjectName(Name);
  l->setAlignment(Qt::AlignCenter);
  FLines->addWidget(l);
}

void TAboutBox::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  if (FGreeted) return;
  FGreeted = true;
  PlayEventSound(seAbout, false);
}

TFormKelvaneAbout::TFormKelvaneAbout(QWidget* Owner) : TAboutBox(Owner, "FormKelvaneAbout", "About Kelvane") {
  AddLine("lbDescription", "A multiple-choice drill for word pairs");
  AddLine("lbMaker", "Made by Kelvane");
  AddClickableLine("lbContact", "Write to the author", seAuthor);
}

TLexidrillAbout::TLexidrillAbout(QWidget* Owner) : TAboutBox(Owner, "LexidrillAbout", "About Lexidrill") {
  AddLine("lbDescription", "A multiple-choice drill for word pairs");
  AddClickableLine("lbContact", "Write to the author", seAuthor);
  AddClickableLine("lbCredit1", QString("Built with Qt ") + qVersion(), seCredit1);
  AddClickableLine("lbCredit2", "Sounds played by libcanberra", seCredit2);
}

TAboutBox* NewAboutBox(QWidget* Owner) {
  if (IsSilentMode()) return new TLexidrillAbout(Owner);
  return new TFormKelvaneAbout(Owner);
}

void ShowAboutBox(QWidget* Owner) {
  std::unique_ptr<TAboutBox> box(NewAboutBox(Owner));
  box->exec();
}
