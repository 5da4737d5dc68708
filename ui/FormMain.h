#pragma once
// The main window: runs examinations without end on the one open dictionary.
// It shows a question in pQ and one panel per answer variant, takes choices
// by mouse or keyboard and hints by a click on pQ, blinks after each of them,
// counts them in the four status panels and, after Settings.MaxQCount
// questions, shows the results and begins the next examination. In units
// mode it hides to the tray after a unit of right answers (TTrayController).
//
// The window owns the dictionary; closing it (FormDestroy) frees the
// dictionary, which saves it, and stores the window position in Settings.
// While a blink effect runs (Busy) choices and hints are dropped.

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/ExamQuestion.h"
#include "exam/AnswerRules.h"
#include "exam/ExamCounters.h"
#include "platform/FileDialog.h"
#include "platform/HotKey.h"
#include "platform/Tray.h"
#include "ui/FormMainDialogs.h"
#include "ui/TrayController.h"

class QAction;
class QFrame;
class QMenu;
class QTimer;
class TPanel;
class TSmartDict;

// What the window uses of the desktop; every empty part takes the real one.
struct TFormMainParts {
  std::unique_ptr<TTray> Tray;              // the system tray icon
  std::unique_ptr<THotKey> HotKey;          // the X11 key grab
  std::unique_ptr<TPauseTimer> PauseTimer;  // TimerMain
  std::unique_ptr<TFileDialog> OpenDialog;  // a QFileDialog
  TFormMainDialogs Dialogs;                 // the program's own dialogs
  std::function<void()> Quit;               // the end of the program's event loop
};

class TFormMain : public QMainWindow {
  Q_OBJECT
 public:
  // Runs the start (FormCreate): on a first run the about box and the
  // dictionary choice, then the settings applied, the dictionary of
  // Settings.StartUpDict opened with a first examination, the tray icon and
  // the call-up key. The window is not shown yet: ShowAtStart does that.
  explicit TFormMain(TFormMainParts Parts = {});
  // Runs FormDestroy if it has not run yet.
  ~TFormMain() override;

  // The first show, out of the taskbar while a tray icon is shown.
  void ShowAtStart();
  // The end: help closed, call-up key and tray icon released, the dictionary
  // freed (and so saved), the position stored. Runs once.
  void FormDestroy();

  // ---- examination
  void NewExamination();
  // True when a new question is on screen; false at the end of an
  // examination (the results were shown and a new one began) or without a
  // usable dictionary.
  bool NextQuestion();
  void ShowQuestion();
  void AnswerChosen(int Index);
  void TakeHint();  // pQClick
  void EffectFinished();

  // ---- dictionary commands
  void OpenDictionary(const std::string& FileName);
  void ChangeDictionary(const std::string& FileName);
  void CreateDictionary();
  void EditQuestions();
  void ShowResults();
  void UpdateTrayTip();

  // ---- looks and layout
  void ApplySettings();
  void PaintVariant(int Index);
  void Highlight(int Index, bool EvenWhenBusy = false);
  void Unhighlight(int Index);
  void StartEffect(TEffectKind Kind, int Panel);
  void TimerMakingEffectsTimer();
  void BuildAnswerPanels();
  // The resize rule for a requested client size (what FormCanResize decides
  // before a size change); the keys and user resizes go through it.
  void RequestSize(int Width, int Height);
  // A size the user gave the window by dragging, once the drag has settled.
  void ApplyUserResize();
  void FitStatusText(int Panel);

  // ---- menu handlers
  void mnNewPlayClick();
  void mnOptionsClick();
  void mnQuitClick();
  void Test1Click();
  void SpaceClick();
  void CtrlUp1Click();
  void CtrlDn1Click();
  void CtrlLeft1Click();
  void CtrlRight1Click();
  void mnCreateDictClick();
  void mnNewDictClick();
  void mnNewItemClick();
  void mnDictionaryOptionsClick();
  void Help1Click();
  void mnAboutClick();

  // ---- state, for the tests and the program entry
  TSmartDict* Dict() const { return FDict.get(); }
  const TExamQuestion& Card() const { return FCard; }
  const TExamCounters& Counters() const { return FCounters; }
  bool Busy() const { return FBusy; }
  int32_t EffectSteps() const { return FEffectSteps; }
  int32_t UnitCount() const { return FUnitCount; }
  int AnswerPanelCount() const { return static_cast<int>(FAnswerPanels.size()); }
  TPanel* AnswerPanel(int Index) const;
  TPanel* QuestionPanel() const { return pQ; }
  TPanel* StatusPanel(int Index) const;
  QFrame* AnswersFrame() const { return pnAnswers; }
  QFrame* QuestionFrame() const { return pnQuestion; }
  TTrayController& Tray() { return *FTray; }
  TFileDialog& OpenDialog() { return *FOpenDialog; }
  QTimer* EffectTimer() const { return TimerMakingEffects; }
  QMenu* ContextMenu() const { return PopupMenu1; }

 protected:
  void resizeEvent(QResizeEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void CreateControls();
  void CreateMenus();
  QAction* NewAction(QObject* Owner, const char* Name, const QString& Caption, const QKeySequence& Key,
                     void (TFormMain::*Handler)());
  void FormCreate();
  void SetCounters(const TExamCounters& Counters);
  void ShowCounter(int Panel);
  void PlaceAnswerPanels();
  void SetStatusPanelWidths(int Width);
  void SizeKey(int Key);  // a TSizeKey
  int ClientHeightFor(int AnswersHeight) const;
  void StopEffect();
  bool Usable() const;
  bool QuestionShown() const;
  void BeginWindowProgress(const std::string& Caption, int32_t Steps);
  void EndWindowProgress();

  // ---- controls (object names as the window's designer knows them)
  QFrame* pnQuestion = nullptr;
  TPanel* pQ = nullptr;
  QFrame* pnAnswers = nullptr;
  QFrame* pnStatus = nullptr;
  TPanel* spn[4] = {};
  QMenu* PopupMenu1 = nullptr;
  QTimer* TimerMain = nullptr;
  QTimer* TimerMakingEffects = nullptr;
  QTimer* TimerResize = nullptr;
  std::vector<TPanel*> FAnswerPanels;

  // ---- state
  TFormMainDialogs FDialogs;
  std::function<void()> FQuit;
  std::unique_ptr<TFileDialog> FOpenDialog;
  std::unique_ptr<TTrayController> FTray;
  std::unique_ptr<TSmartDict> FDict;
  TExamQuestion FCard;
  TExamCounters FCounters;
  int32_t FUnitCount = 0;
  bool FBusy = false;
  int32_t FEffectSteps = 0;
  TEffectKind FEffectKind = ekRight;
  int FEffectTarget = -1;
  QColor FSavedFontColor, FSavedBackground;
  bool FLayoutLock = false;
  QSize FAcceptedSize;  // the size the resize rule last gave the window
  QSize FRefusedSize;   // a size the user gave that the rule already answered
  bool FDestroyed = false;
};
