#include "ui/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "exam/BlinkRules.h"
#include "exam/DictionaryNames.h"
#include "exam/SizeRule.h"
#include "exam/StatusText.h"
#include "exam/TrayTip.h"
#include "exam/UnitRules.h"
#include "platform/FileDialog.h"
#include "platform/Prompt.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/Taskbar.h"
#include "settings/CommandLine.h"
#include "settings/FileDialogs.h"
#include "settings/Settings.h"
#include "settings/Sounds.h"
#include "settings/UserCopy.h"
#include "ui/HelpWindow.h"
#include "ui/Panel.h"
#include "ui/SettingsLook.h"
#include "ui/WinColors.h"

namespace {

const char* const ApplicationTitle = "Lexidrill";
constexpr int StatusBarHeight = 18;
constexpr int UserResizeSettleMs = 200;  // a drag has ended when no resize came for this long

int AnswersCount() { return std::clamp<int>(Settings.CurAnswersCount, 3, TExamQuestion::MaxVariants); }
int SizeStep() { return std::clamp<int>(Settings.CurSizeY, 0, MaxSizeStep); }

// Sets a value and restores the old one at the end of the scope, so nested
// layout changes keep the outer lock.
class TLayoutLock {
 public:
  explicit TLayoutLock(bool& Lock) : FLock(Lock), FOld(Lock) { FLock = true; }
  ~TLayoutLock() { FLock = FOld; }
  TLayoutLock(const TLayoutLock&) = delete;
  TLayoutLock& operator=(const TLayoutLock&) = delete;

 private:
  bool& FLock;
  bool FOld;
};

}  // namespace

TFormMain::TFormMain(TFormMainParts Parts) : QMainWindow(nullptr), FDialogs(std::move(Parts.Dialogs)) {
  CompleteDialogs(FDialogs);
  FQuit = Parts.Quit ? std::move(Parts.Quit) : [] { QCoreApplication::quit(); };
  setObjectName("fmMain");
  setWindowTitle(ApplicationTitle);
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setMinimumWidth(MinFormWidth);
  CreateControls();
  CreateMenus();

  FOpenDialog = Parts.OpenDialog ? std::move(Parts.OpenDialog) : std::make_unique<TQtFileDialog>(this);
  FOpenDialog->Filter = "Lexidrill dict files|*.lxd|Any file|*.*";
  FOpenDialog->Options = foPathMustExist | foFileMustExist;

  TTrayControllerHooks hooks;
  hooks.NextQuestion = [this] { NextQuestion(); };
  hooks.PlayPopup = [] { PlayEventSound(seProgramPopup, false); };
  hooks.Quit = [this] { mnQuitClick(); };
  std::unique_ptr<TPauseTimer> pause =
      Parts.PauseTimer ? std::move(Parts.PauseTimer) : std::make_unique<TQtPauseTimer>(TimerMain);
  FTray = std::make_unique<TTrayController>(this, std::move(hooks), std::move(Parts.Tray), std::move(Parts.HotKey),
                                            std::move(pause));
  FormCreate();
}

TFormMain::~TFormMain() {
  FormDestroy();
  // The panels report focus changes to this window; none may arrive while it goes.
  for (TPanel* p : FAnswerPanels) delete p;
  FAnswerPanels.clear();
}

// ---------------------------------------------------------------- controls

void TFormMain::CreateControls() {
  auto* central = new QWidget(this);
  central->setObjectName("Client");
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  pnQuestion = new QFrame(central);
  pnQuestion->setObjectName("pnQuestion");
  pnQuestion->setFixedHeight(33);
  auto* questionBox = new QVBoxLayout(pnQuestion);
  questionBox->setContentsMargins(0, 0, 0, 0);
  pQ = new TPanel(pnQuestion);
  pQ->setObjectName("pQ");
  QFont bold = pQ->font();
  bold.setBold(true);
  bold.setPixelSize(16);
  pQ->setFont(bold);
  questionBox->addWidget(pQ);
  connect(pQ, &TPanel::Clicked, this, [this] { TakeHint(); });
  column->addWidget(pnQuestion);

  pnAnswers = new QFrame(central);
  pnAnswers->setObjectName("pnAnswers");
  pnAnswers->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pnAnswers->setLineWidth(1);
  pnAnswers->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
  pnAnswers->setMinimumSize(0, 0);
  pnAnswers->installEventFilter(this);
  column->addWidget(pnAnswers, 1);

  pnStatus = new QFrame(central);
  pnStatus->setObjectName("pnStatus");
  pnStatus->setFixedHeight(StatusBarHeight);
  auto* row = new QHBoxLayout(pnStatus);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  const int widths[3] = {81, 80, 80};
  for (int i = 0; i < 4; ++i) {
    spn[i] = new TPanel(pnStatus);
    spn[i]->setObjectName(QString("spn%1").arg(i));
    spn[i]->SetOuterBevel(TPanel::obLowered);
    spn[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    spn[i]->setIndent(2);
    if (i < 3) {
      spn[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
      spn[i]->setFixedWidth(widths[i]);
    }
    spn[i]->installEventFilter(this);
    row->addWidget(spn[i], i < 3 ? 0 : 1);
  }
  column->addWidget(pnStatus);
  setCentralWidget(central);

  TimerMain = new QTimer(this);
  TimerMain->setObjectName("TimerMain");
  TimerMakingEffects = new QTimer(this);
  TimerMakingEffects->setObjectName("TimerMakingEffects");
  TimerMakingEffects->setInterval(250);
  connect(TimerMakingEffects, &QTimer::timeout, this, [this] { TimerMakingEffectsTimer(); });
  TimerResize = new QTimer(this);
  TimerResize->setObjectName("TimerResize");
  TimerResize->setSingleShot(true);
  TimerResize->setInterval(UserResizeSettleMs);
  connect(TimerResize, &QTimer::timeout, this, [this] { ApplyUserResize(); });
}

QAction* TFormMain::NewAction(QObject* Owner, const char* Name, const QString& Caption, const QKeySequence& Key,
                              void (TFormMain::*Handler)()) {
  auto* a = new QAction(Caption, this);
  a->setObjectName(Name);
  if (!Key.isEmpty()) a->setShortcut(Key);
  connect(a, &QAction::triggered, this, [this, Handler] { (this->*Handler)(); });
  if (auto* menu = qobject_cast<QMenu*>(Owner)) {
    menu->addAction(a);
    // Keys of the main menu work with the menu bar hidden too.
    if (menu->parent() != PopupMenu1 && menu != PopupMenu1) addAction(a);
  } else {
    addAction(a);  // an invisible key item: its key works, it is never shown
  }
  return a;
}

void TFormMain::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");
  QMenu* commands = bar->addMenu("&Commands");
  commands->setObjectName("Options1");
  NewAction(commands, "mnNewPlay", "&New Examination", QKeySequence("Ctrl+N"), &TFormMain::mnNewPlayClick);
  NewAction(commands, "mnOptions", "&Configure...", QKeySequence("Ctrl+O"), &TFormMain::mnOptionsClick);
  NewAction(commands, "mnQuit", "&Exit", QKeySequence("Ctrl+Q"), &TFormMain::mnQuitClick);
  NewAction(this, "Test1", "Test", QKeySequence(Qt::Key_Escape), &TFormMain::Test1Click);
  NewAction(this, "Space", "Space", QKeySequence(Qt::Key_Space), &TFormMain::SpaceClick);
  QAction* enter = NewAction(this, "Enter", "Enter", QKeySequence(Qt::Key_Return), &TFormMain::SpaceClick);
  enter->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
  NewAction(this, "CtrlUp1", "CtrlUp", QKeySequence("Ctrl+Up"), &TFormMain::CtrlUp1Click);
  NewAction(this, "CtrlDn1", "CtrlDn", QKeySequence("Ctrl+Down"), &TFormMain::CtrlDn1Click);
  NewAction(this, "CtrlLeft1", "CtrlLeft", QKeySequence("Ctrl+Left"), &TFormMain::CtrlLeft1Click);
  NewAction(this, "CtrlRight1", "CtrlRight", QKeySequence("Ctrl+Right"), &TFormMain::CtrlRight1Click);

  QMenu* dictionary = bar->addMenu("&Dictionary");
  dictionary->setObjectName("Dictionary1");
  NewAction(dictionary, "mnCreateDict", "C&reate new Dictonary", QKeySequence("Ctrl+R"),
            &TFormMain::mnCreateDictClick);
  NewAction(dictionary, "mnNewDict", "&Change Dictonary", QKeySequence("Ctrl+D"), &TFormMain::mnNewDictClick);
  NewAction(dictionary, "mnNewItem", "&Edit Questions", QKeySequence("Ctrl+W"), &TFormMain::mnNewItemClick);
  NewAction(dictionary, "mnDictionaryOptions", "Options...", QKeySequence("Ctrl+U"),
            &TFormMain::mnDictionaryOptionsClick);

  QMenu* help = bar->addMenu("&?");
  help->setObjectName("N1");
  NewAction(help, "Help1", "&Help Topics", QKeySequence(Qt::Key_F1), &TFormMain::Help1Click);
  NewAction(help, "mnAbout", "&About", QKeySequence("Ctrl+F1"), &TFormMain::mnAboutClick);

  // The context menu's keys are live only while it is open, so its twins of
  // the main menu's keys never compete with them.
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  QMenu* p = PopupMenu1;
  NewAction(p, "pmnOptions", "&Configure", QKeySequence("Ctrl+O"), &TFormMain::mnOptionsClick);
  NewAction(p, "pmnNewPlay", "&New examination", QKeySequence("Ctrl+N"), &TFormMain::mnNewPlayClick);
  p->addSeparator();
  NewAction(p, "pmnNewDict", "&Change Dictionary", QKeySequence("Ctrl+D"), &TFormMain::mnNewDictClick);
  NewAction(p, "pmnNewItem", "&Edit Questions", QKeySequence("Ctrl+W"), &TFormMain::mnNewItemClick);
  p->addSeparator();
  NewAction(p, "Createnewdictionary1", "C&reate new Dictionary", QKeySequence("Ctrl+R"),
            &TFormMain::mnCreateDictClick);
  p->addSeparator();
  NewAction(p, "HelpTopics1", "Help Topics", QKeySequence(Qt::Key_F1), &TFormMain::Help1Click);
  NewAction(p, "pmnAbout", "&About ", QKeySequence("Ctrl+F1"), &TFormMain::mnAboutClick);
  p->addSeparator();
  struct TKeyItem {
    const char* Name;
    const char* Caption;
    QKeySequence Key;
    void (TFormMain::*Handler)();
  };
  const TKeyItem keys[] = {{"Space1", "Space", QKeySequence(Qt::Key_Space), &TFormMain::SpaceClick},
                           {"Enter1", "Enter", QKeySequence(Qt::Key_Return), &TFormMain::SpaceClick},
                           {"CtrlUp2", "CtrlUp", QKeySequence("Ctrl+Up"), &TFormMain::CtrlUp1Click},
                           {"CtrlDn2", "CtrlDn", QKeySequence("Ctrl+Down"), &TFormMain::CtrlDn1Click},
                           {"CtlrLeft1", "CtrlLeft", QKeySequence("Ctrl+Left"), &TFormMain::CtrlLeft1Click},
                           {"CtrlRight2", "CtrlRight", QKeySequence("Ctrl+Right"), &TFormMain::CtrlRight1Click}};
  for (const TKeyItem& k : keys) NewAction(p, k.Name, k.Caption, k.Key, k.Handler)->setVisible(false);
}

// ---------------------------------------------------------------- start and end

void TFormMain::FormCreate() {
  if (Settings.ExecCount == 0) {
    mnAboutClick();
    FOpenDialog->FileName = Settings.StartUpDict;
    if (ExecuteFileDialog(*FOpenDialog, fkDictionary, true, "")) Settings.StartUpDict = FOpenDialog->FileName;
  }
  BeginWindowProgress("Opening dictionary", 1);
  {
    TLayoutLock lock(FLayoutLock);
    resize(450, 277);
    FAcceptedSize = size();
    for (int i = 0; i < 4; ++i) ShowCounter(i);
    ApplySettings();
    OpenDictionary(Settings.StartUpDict);
    // A stored place on no screen (one that was unplugged, say) would leave
    // the window where nobody can see it: it is centred instead.
    const QPoint stored(Settings.MainFormX, Settings.MainFormY);
    if (Settings.MainFormX != 65535 && Settings.MainFormY != 65535 &&
        QGuiApplication::screenAt(stored + QPoint(width() / 2, 8))) {
      move(stored);
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(width() / 2, height() / 2));
    }
    PlayEventSound(seHello, false);
    resize(std::max<int>(Settings.CurSizeX, MinFormWidth), height());
    FAcceptedSize = size();
  }
  EndWindowProgress();
  FTray->Start(ApplicationTitle);
  FTray->RegisterHotKey(Settings.HotKeyEnabled, static_cast<uint32_t>(Settings.HotKeyModifiers),
                        static_cast<uint32_t>(Settings.HotKeyVirtualKey));
  UpdateTrayTip();
  const int w = FAcceptedSize.width(), h = FAcceptedSize.height();
  RequestSize(w + 1, h);
  RequestSize(w, h);
}

void TFormMain::ShowAtStart() {
  SetSkipTaskbar(this, FTray->TrayShown());
  show();
  raise();
  activateWindow();
}

void TFormMain::FormDestroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  StopEffect();
  TimerResize->stop();
  CloseHelp();
  // Out of sight first: the progress window would show it again at its end.
  hide();
  BeginWindowProgress("Closing dictionary", 2);
  FTray->Stop();
  FDict.reset();
  Settings.MainFormX = x();
  Settings.MainFormY = y();
  EndWindowProgress();
}

void TFormMain::BeginWindowProgress(const std::string& Caption, int32_t Steps) {
  if (IsSilentMode())
    ProgressProcs().QuietBegin(0, "", "");
  else
    ProgressProcs().BeginProgress(Caption, Steps);
}

void TFormMain::EndWindowProgress() {
  if (IsSilentMode())
    ProgressProcs().QuietEnd();
  else
    ProgressProcs().EndProgress();
  // The progress window shows the windows it hid again; the window manager
  // forgot on hiding that this one stays out of the taskbar.
  if (isVisible()) SetSkipTaskbar(this, FTray && FTray->TrayShown());
}

// ---------------------------------------------------------------- examination

bool TFormMain::Usable() const { return FDict && FDict->IsUsable(); }

// A usable dictionary can still have given no question (too few different answers).
bool TFormMain::QuestionShown() const { return Usable() && FCounters.Questions > 0; }

void TFormMain::SetCounters(const TExamCounters& C) {
  const TExamCounters old = FCounters;
  FCounters = C;
  for (int k = ckAttempts; k <= ckHints; ++k)
    if (old.Value(TCounterKind(k)) != C.Value(TCounterKind(k))) ShowCounter(k);
  if (old.Questions != C.Questions) UpdateTrayTip();
}

void TFormMain::ShowCounter(int Panel) { FitStatusText(Panel); }

void TFormMain::NewExamination() {
  StopEffect();
  TExamCounters c;
  if (Usable()) {
    FDict->BeginExamination(Settings.MaxQCount, Settings.NextUnKnown);
    c.Left = Settings.MaxQCount;
    SetCounters(c);
    NextQuestion();
  } else {
    SetCounters(c);
    UpdateTrayTip();
    FCard = TExamQuestion{};
    ApplySettings();
  }
}

bool TFormMain::NextQuestion() {
  if (!Usable()) return false;
  bool recorded = false;
  if (FCounters.Questions < Settings.MaxQCount) {
    if (FDict->NextQuestion(FCard, false)) {
      ShowQuestion();
      TExamCounters c = FCounters;
      ++c.Questions;
      SetCounters(c);
      return true;
    }
    recorded = true;  // the failed call has recorded the shown question's outcome
  }
  if (FCounters.Questions < Settings.MaxQCount)
    Prompt().Message("There is no more words in dictonary", dkInformation);
  if (FCounters.Questions == 0) {
    // Not even a first question: a new examination would fail the same way
    // without end. The panels stay empty until a dictionary command.
    FCard = TExamQuestion{};
    ShowQuestion();
    return false;
  }
  if (!recorded) FDict->NextQuestion(FCard, true);
  ShowResults();
  NewExamination();
  return false;
}

void TFormMain::ShowQuestion() {
  pQ->setText(QString::fromStdString(FCard.Question));
  for (int i = 0; i < AnswerPanelCount(); ++i) {
    FAnswerPanels[static_cast<size_t>(i)]->setText(QString::fromStdString(FCard.Variants[static_cast<size_t>(i)].Text));
    PaintVariant(i);
    if (FAnswerPanels[static_cast<size_t>(i)]->hasFocus()) Highlight(i, true);
  }
}

void TFormMain::AnswerChosen(int Index) {
  if (!QuestionShown() || FBusy || Index < 0 || Index >= AnswerPanelCount()) return;
  TExamCounters c = FCounters;
  const TChoiceResult r = ChooseVariant(FCard, c, Index);
  SetCounters(c);
  if (r.Kind == ekRight) {
    PlayEventSound(seRightAnswer, false);
    StartEffect(ekRight, Index);
    return;
  }
  PlayEventSound(seWrongAnswer, false);
  if (r.NewlyTried) PaintVariant(Index);
  StartEffect(ekWrong, Index);
}

void TFormMain::TakeHint() {
  if (!QuestionShown() || FBusy) return;
  TExamCounters c = FCounters;
  if (!::TakeHint(FCard, c)) return;
  SetCounters(c);
  PaintVariant(FCard.CorrectIndex);
  PlayEventSound(seHint, false);
  StartEffect(ekHint, FCard.CorrectIndex);
}

void TFormMain::StartEffect(TEffectKind Kind, int Panel) {
  FBusy = true;
  const TBlinkCounts counts{Settings.EftCorrACount, Settings.EftIncorrACount, Settings.EftHelpACount,
                            Settings.EftCorrACountPlus};
  bool bonus = false;
  if (Kind == ekRight && FDict) {
    TAnsweredQuestion q;
    int32_t index = 0;
    TQuestionInfo info;
    q.Found = FDict->FindQuestion(FCard.Question, index) && FDict->GetQuestionInfo(index, info);
    q.IsNew = info.Status == qsNew;
    q.IsLearning = info.Status == qsLearning;
    q.RightInRow = info.RightInRow;
    q.NTK = FDict->NTK;
    q.UTK = FDict->UTK;
    bonus = AnswerMakesLearned(q) && OnlyCorrectMarked(FCard, AnswersCount());
  }
  FEffectSteps = BlinkSteps(Kind, counts, bonus);
  FEffectKind = Kind;
  FEffectTarget = Panel;
  TimerMakingEffectsTimer();
}

void TFormMain::TimerMakingEffectsTimer() {
  TimerMakingEffects->stop();
  if (!FBusy) return;
  if (FEffectSteps <= 0) {
    EffectFinished();
    return;
  }
  if (Usable()) {
    TPanel* target = AnswerPanel(FEffectTarget);
    if (BlinkStepIsOn(FEffectSteps)) {
      if (target) {
        FSavedFontColor = target->FontColor();
        FSavedBackground = target->Background();
      }
      const TColor font[] = {Settings.CurECAFColor, Settings.CurEWAFColor, Settings.CurEHAFColor};
      const TColor back[] = {Settings.CurECABColor, Settings.CurEWABColor, Settings.CurEHABColor};
      pQ->SetColors(WinColor(font[FEffectKind]), WinColor(back[FEffectKind]));
      if (target) target->SetColors(WinColor(font[FEffectKind]), WinColor(back[FEffectKind]));
    } else {
      pQ->SetColors(FontColorOf(Settings.CurQFont), WinColor(Settings.CurQBGColor));
      if (target) target->SetColors(FSavedFontColor, FSavedBackground);
    }
  }
  --FEffectSteps;
  TimerMakingEffects->start();
}

void TFormMain::EffectFinished() {
  TAfterEffectInput in;
  in.Kind = FEffectKind;
  in.IntervalPresent = Settings.IntervalPresent;
  in.HasQuestionsLeft = FDict && FDict->HasQuestionsLeft();
  in.Attempts = FCounters.Attempts;
  in.MaxQCount = Settings.MaxQCount;
  switch (UnitStepAfterEffect(in, FUnitCount, Settings.IntervalQCount)) {
    case usNothing:
      break;
    case usNextQuestion:
      NextQuestion();
      break;
    case usStartPause:
      FTray->BeginPause(Settings.IntervalMin, Settings.IntervalSec);
      break;
  }
  FBusy = false;
}

void TFormMain::StopEffect() {
  if (!FBusy && !TimerMakingEffects->isActive()) return;
  TimerMakingEffects->stop();
  FBusy = false;
  FEffectSteps = 0;
  pQ->SetColors(FontColorOf(Settings.CurQFont), WinColor(Settings.CurQBGColor));
  if (TPanel* target = AnswerPanel(FEffectTarget)) {
    if (FSavedBackground.isValid()) target->SetColors(FSavedFontColor, FSavedBackground);
  }
}

// ---------------------------------------------------------------- looks

TPanel* TFormMain::AnswerPanel(int Index) const {
  return Index >= 0 && Index < AnswerPanelCount() ? FAnswerPanels[static_cast<size_t>(Index)] : nullptr;
}

TPanel* TFormMain::StatusPanel(int Index) const { return Index >= 0 && Index < 4 ? spn[Index] : nullptr; }

void TFormMain::PaintVariant(int Index) {
  TPanel* p = AnswerPanel(Index);
  if (!p) return;
  const TExamVariant& v = FCard.Variants[static_cast<size_t>(Index)];
  if (v.Tried) {
    SetPanelLook(p, Settings.CurAIFont, Settings.CurAIBGColor);
    p->SetOuterBevel(TPanel::obLowered);
    if (p->isEnabled()) {
      // Focus first, so that disabling does not pass it on to a neighbour.
      if (TPanel* next = AnswerPanel(NextFocusVariant(FCard, Index, AnswerPanelCount()))) next->setFocus();
      p->setEnabled(false);
    }
  } else if (v.Hinted) {
    SetPanelLook(p, Settings.CurAHFont, Settings.CurAHBGColor);
    p->SetOuterBevel(TPanel::obRaised);
    p->setEnabled(true);
  } else {
    SetPanelLook(p, Settings.CurAFont, Settings.CurABGColor);
    p->SetOuterBevel(TPanel::obRaised);
    p->setEnabled(true);
  }
}

void TFormMain::Highlight(int Index, bool EvenWhenBusy) {
  if ((FBusy && !EvenWhenBusy) || !QuestionShown()) return;
  TPanel* p = AnswerPanel(Index);
  if (!p) return;
  if (!FCard.Variants[static_cast<size_t>(Index)].Tried) SetPanelLook(p, Settings.CurAHLFont, Settings.CurAHLBGColor);
  PlayEventSound(seAnswerSelection, true);
}

void TFormMain::Unhighlight(int Index) {
  if (FBusy || !QuestionShown()) return;
  TPanel* p = AnswerPanel(Index);
  if (!p) return;
  if (!FCard.Variants[static_cast<size_t>(Index)].Tried) SetPanelLook(p, Settings.CurAFont, Settings.CurABGColor);
}

void TFormMain::ApplySettings() {
  TLayoutLock lock(FLayoutLock);
  menuBar()->setVisible(!Settings.MainMenuOff);
  pnStatus->setFixedHeight(Settings.StatusOff ? 0 : StatusBarHeight);
  pnStatus->setVisible(!Settings.StatusOff);
  SetPanelLook(pQ, Settings.CurQFont, Settings.CurQBGColor);
  for (TPanel* s : spn) s->SetColors(FontColorOf(Settings.CurQFont), WinColor(Settings.CurQBGColor));
  BuildAnswerPanels();
  ShowQuestion();
}

int TFormMain::ClientHeightFor(int AnswersHeight) const {
  int menu = 0;
  if (!Settings.MainMenuOff) {
    menu = menuBar()->heightForWidth(width());
    if (menu < 0) menu = menuBar()->sizeHint().height();
  }
  return menu + QuestionPanelHeight(SizeStep()) + AnswersHeight + (Settings.StatusOff ? 0 : StatusBarHeight);
}

void TFormMain::BuildAnswerPanels() {
  TLayoutLock lock(FLayoutLock);
  const int step = SizeStep(), n = AnswersCount();
  pnQuestion->setFixedHeight(QuestionPanelHeight(step));
  for (TPanel* p : FAnswerPanels) delete p;
  FAnswerPanels.clear();
  resize(width(), ClientHeightFor(AnswerPanelHeight(step) * n + 4));
  FAcceptedSize = size();
  QWidget* previous = nullptr;
  for (int i = 0; i < n; ++i) {
    auto* p = new TPanel(pnAnswers);
    p->setObjectName(QString("pnAnswer%1").arg(i));
    SetPanelLook(p, Settings.CurAFont, Settings.CurABGColor);
    p->setFocusPolicy(Qt::StrongFocus);
    p->setCursor(Qt::PointingHandCursor);
    p->setMouseTracking(true);
    connect(p, &TPanel::Clicked, this, [this, i] { AnswerChosen(i); });
    connect(p, &TPanel::Entered, this, [this, i] { Highlight(i); });
    connect(p, &TPanel::Exited, this, [this, i] { Unhighlight(i); });
    connect(p, &TPanel::MouseMoved, p, [p] {
      if (!p->hasFocus()) p->setFocus(Qt::MouseFocusReason);
    });
    if (previous) QWidget::setTabOrder(previous, p);
    previous = p;
    FAnswerPanels.push_back(p);
    p->show();
  }
  PlaceAnswerPanels();
}

void TFormMain::PlaceAnswerPanels() {
  const int h = AnswerPanelHeight(SizeStep());
  const int w = std::max(0, pnAnswers->width() - 4);
  for (int i = 0; i < AnswerPanelCount(); ++i) FAnswerPanels[static_cast<size_t>(i)]->setGeometry(2, h * i + 2, w, h);
}

void TFormMain::SetStatusPanelWidths(int Width) {
  for (int i = 0; i < 3; ++i) spn[i]->setFixedWidth(std::max(0, (Width - 8) / 4));
}

void TFormMain::RequestSize(int Width, int Height) {
  if (FLayoutLock) return;
  TResizeRequest r;
  r.Width = FAcceptedSize.width();
  r.Height = FAcceptedSize.height();
  r.NewWidth = Width;
  r.NewHeight = Height;
  r.Step = SizeStep();
  r.AnswersCount = AnswersCount();
  const TResizeAnswer a = FormCanResize(r);
  TLayoutLock lock(FLayoutLock);
  Settings.CurSizeX = static_cast<int16_t>(std::min(a.Width, 32767));
  if (a.StatusPanelWidth >= 0) SetStatusPanelWidths(a.Width);
  if (a.StepChanged) {
    Settings.CurSizeY = static_cast<int16_t>(a.Step);
    pnQuestion->setFixedHeight(QuestionPanelHeight(a.Step));
    PlaceAnswerPanels();
  }
  resize(a.Width, a.Height);
  FAcceptedSize = QSize(a.Width, a.Height);
}

void TFormMain::ApplyUserResize() {
  if (FDestroyed || size() == FAcceptedSize) return;
  if (size() == FRefusedSize) {
    // The window manager gave the same size again instead of the step's
    // size: take it rather than ask for ever.
    FAcceptedSize = size();
    return;
  }
  FRefusedSize = size();
  RequestSize(width(), height());
}

void TFormMain::FitStatusText(int Panel) {
  TPanel* s = StatusPanel(Panel);
  if (!s) return;
  const TCounterKind kind = TCounterKind(Panel);
  const QFontMetrics metrics(s->font());
  const std::string text = ::FitStatusText(CounterText(kind, FCounters.Value(kind)), s->width(), [&](const std::string& t) {
    return metrics.horizontalAdvance(QString::fromStdString(t));
  });
  const QString caption = QString::fromStdString(text);
  if (s->text() != caption) s->setText(caption);
}

void TFormMain::UpdateTrayTip() {
  if (QCoreApplication::applicationName() != ApplicationTitle) QCoreApplication::setApplicationName(ApplicationTitle);
  const QString title = QCoreApplication::applicationName();
  if (windowTitle() != title) setWindowTitle(title);
  if (FTray) FTray->SetTip(TrayTipText(title.toStdString(), FCounters.Questions, Settings.MaxQCount));
}

// ---------------------------------------------------------------- events

void TFormMain::resizeEvent(QResizeEvent* Event) {
  QMainWindow::resizeEvent(Event);
  if (FLayoutLock || FDestroyed)
    FAcceptedSize = size();
  else if (size() != FAcceptedSize)
    TimerResize->start();
  else
    FRefusedSize = QSize();
}

void TFormMain::closeEvent(QCloseEvent* Event) {
  Event->accept();
  if (!FDestroyed) FQuit();
}

void TFormMain::contextMenuEvent(QContextMenuEvent* Event) { PopupMenu1->popup(Event->globalPos()); }

bool TFormMain::eventFilter(QObject* Watched, QEvent* Event) {
  if (Event->type() == QEvent::Resize) {
    if (Watched == pnAnswers) PlaceAnswerPanels();
    for (int i = 0; i < 4; ++i)
      if (Watched == spn[i]) FitStatusText(i);
  }
  return QMainWindow::eventFilter(Watched, Event);
}

// ---------------------------------------------------------------- commands

void TFormMain::OpenDictionary(const std::string& FileName) {
  FDict.reset();
  // One the user cannot save into is opened as the user's own copy.
  const std::string Name = DictionaryToOpen(FileName);
  FDict = std::make_unique<TSmartDict>(Name, false);
  if (Name != FileName) Settings.StartUpDict = Name;
  NewExamination();
}

void TFormMain::ChangeDictionary(const std::string& FileName) {
  StopEffect();
  BeginWindowProgress("Changing dictionary", 3);
  FDict.reset();
  Settings.StartUpDict = FileName;
  OpenDictionary(FileName);
  EndWindowProgress();
}

void TFormMain::CreateDictionary() {
  FOpenDialog->FileName.clear();
  if (!ExecuteFileDialog(*FOpenDialog, fkDictionary, false, "Create New Dictonary")) return;
  const std::string name = WithDictionaryExtension(FOpenDialog->FileName);
  // An open dictionary holding questions is written back when it is freed,
  // which would overwrite the new file, usable or not.
  if (FDict && (FDict->IsUsable() || FDict->RecordCount() > 0) &&
      SameDictionaryName(QFileInfo(QString::fromStdString(FDict->FileName)).absoluteFilePath().toStdString(),
                         QFileInfo(QString::fromStdString(name)).absoluteFilePath().toStdString())) {
    Prompt().Message("Can't overwrite active dictionary", dkError);
    return;
  }
  if (!CreateDictionaryFile(name)) return;
  if (Prompt().Ask("Dictionary successfully created in file \"" + name + "\". Do you want to open it?",
                   dkConfirmation, dbOk | dbCancel) == dbOk)
    ChangeDictionary(name);
}

void TFormMain::EditQuestions() {
  if (!FDict) return;
  FDialogs.NewQuestion(this, *FDict);
  NewExamination();
}

void TFormMain::ShowResults() {
  if (FDict) FDialogs.ExamResults(this, FDict->Totals);
}

void TFormMain::mnNewPlayClick() {
  if (FDict)
    NewExamination();
  else
    mnNewDictClick();
}

void TFormMain::mnOptionsClick() {
  const int16_t questions = Settings.MaxQCount;
  const bool restart = FDialogs.Options(this, *FOpenDialog, FDict.get());
  FUnitCount = 0;
  ApplySettings();
  // A running examination cannot take another length: its end check would
  // never meet the new count and the dictionary would run dry first.
  if (restart || Settings.MaxQCount != questions) mnNewPlayClick();
  FTray->RegisterHotKey(Settings.HotKeyEnabled, static_cast<uint32_t>(Settings.HotKeyModifiers),
                        static_cast<uint32_t>(Settings.HotKeyVirtualKey));
  RequestSize(Settings.CurSizeX, FAcceptedSize.height());
}

void TFormMain::mnQuitClick() { close(); }

void TFormMain::Test1Click() { FTray->HideWindow(); }

void TFormMain::SpaceClick() {
  for (int i = 0; i < AnswerPanelCount(); ++i)
    if (FAnswerPanels[static_cast<size_t>(i)]->hasFocus()) {
      AnswerChosen(i);
      return;
    }
}

void TFormMain::SizeKey(int Key) {
  int w = FAcceptedSize.width(), h = FAcceptedSize.height();
  SizeKeyRequest(TSizeKey(Key), w, h);
  RequestSize(w, h);
}

void TFormMain::CtrlUp1Click() { SizeKey(skUp); }
void TFormMain::CtrlDn1Click() { SizeKey(skDown); }
void TFormMain::CtrlLeft1Click() { SizeKey(skLeft); }
void TFormMain::CtrlRight1Click() { SizeKey(skRight); }

void TFormMain::mnCreateDictClick() { CreateDictionary(); }

void TFormMain::mnNewDictClick() {
  FOpenDialog->FileName = Settings.StartUpDict;
  if (ExecuteFileDialog(*FOpenDialog, fkDictionary, true, "")) ChangeDictionary(FOpenDialog->FileName);
}

void TFormMain::mnNewItemClick() {
  if (!FDict) {
    mnNewDictClick();
    return;
  }
  EditQuestions();
}

void TFormMain::mnDictionaryOptionsClick() {
  if (!FDict) {
    mnNewDictClick();
    return;
  }
  if (FDialogs.DictOpt(this, *FDict, *FOpenDialog)) mnNewPlayClick();
}

void TFormMain::Help1Click() { ShowHelp(QString::fromStdString(InstallDir() + "lexidrill.hlp")); }

void TFormMain::mnAboutClick() {
  // On a first run the window is not placed yet; a box centred on it would
  // open in a corner of the screen.
  FDialogs.About(isVisible() ? this : nullptr);
}
