#pragma once
// "Configure Lexidrill": examination counts, units, event sounds, the fonts
// and colours of the six colour groups, blink counts, menu and status bar and
// the call-up key. The controls hold copies; Settings changes only on Apply
// (directly or through the question on closing) and on Load defaults. Apply
// is enabled exactly while the controls differ from what is stored.

#include <QDialog>
#include <array>
#include <cstdint>

#include "ui/OptionsSnapshot.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class TBevelPanel;
class TFileDialog;
class TSmartDict;

class TOptions : public QDialog {
  Q_OBJECT
 public:
  // FileDialog is the owner's, used by "Browse..."; the dictionary is not
  // used, only carried like the other dialogs do.
  TOptions(QWidget* Owner, TFileDialog& FileDialog, TSmartDict* Dict);
  ~TOptions() override;

  // After the run: Load defaults was used, or Apply changed the answer count
  // or the draw period.
  bool NeedsNewExamination() const;

  // ---- handlers, public so tests drive them as a user would
  void LoadControls();
  void TrackChanges();
  void btSaveClick();
  void btDefaultClick();
  void cbHKEnabledClick();
  void cbIntervalClick();
  void cbSoundONClick();
  // A key pressed in edHK; true when it was taken as the call-up key.
  bool edHKKeyDown(int Key, bool Ctrl, bool Shift, bool Alt);
  void SelectColorGroup(int32_t Group);
  void ColorGroupChange();
  // Bevels and cursors; Hovered is the panel under the mouse or -1.
  void RefreshPanelLook(int32_t Hovered = -1);
  void btSetFontClick();
  void btSetBackGroundClick();
  void btPlayClick();
  void btOnOffClick();
  void btSelectClick();
  void SetOnOffCaption();

  int32_t ColorGroup() const { return FColorGroup; }
  const TPanelLook& PanelLook(int32_t Group) const { return FLooks[Group]; }
  TBevelPanel* Panel(int32_t Group) const { return FPanels[Group]; }

 public slots:
  // Close, Esc and the close box: asks to apply pending changes.
  void reject() override;

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

 private:
  void BuildTestPage(QWidget* Page);
  void BuildSoundPage(QWidget* Page);
  void BuildInterfacePage(QWidget* Page);
  void ShowLooks();
  TOptionsSnapshot SnapshotFromControls();
  void SetSoundRow(int Row, const std::string& State, const std::string& ShownFile);

  TFileDialog& FFileDialog;

  QTabWidget* pcOptions = nullptr;
  QPushButton* btDefault = nullptr;
  QPushButton* btSave = nullptr;
  QPushButton* btCancel = nullptr;
  QMenu* pmCancel = nullptr;
  QAction* Cancel1 = nullptr;

  QSpinBox* UpDownQCount = nullptr;
  QSpinBox* UpDownACount = nullptr;
  QCheckBox* cbInterval = nullptr;
  QSpinBox* UpDownSerQCount = nullptr;
  QLabel* lbSerQCount = nullptr;
  QLabel* lbNextQuestion = nullptr;
  QSpinBox* UpDownMin = nullptr;
  QLabel* lbMin = nullptr;
  QSpinBox* UpDownSec = nullptr;
  QLabel* lbSec = nullptr;

  QTableWidget* sgSound = nullptr;
  QCheckBox* cbSoundON = nullptr;
  QPushButton* btSelect = nullptr;
  QPushButton* btPlay = nullptr;
  QPushButton* btOnOff = nullptr;
  QMenu* PopupMenu1 = nullptr;

  std::array<TBevelPanel*, ColorGroupCount> FPanels{};
  QComboBox* cbColorGroup = nullptr;
  QPushButton* btSetFont = nullptr;
  QPushButton* btSetBackGround = nullptr;
  QLabel* lbBlinks = nullptr;
  QSpinBox* UpDownBlinks = nullptr;
  QCheckBox* cbMainMenuOff = nullptr;
  QCheckBox* cbStatusOff = nullptr;
  QCheckBox* cbHKEnabled = nullptr;
  QLineEdit* edHK = nullptr;

  TPanelLooks FLooks;
  std::array<int32_t, 3> FBlinks{};
  int32_t FHotKeyModifiers = 0;
  int32_t FHotKeyKey = 0;
  int32_t FColorGroup = 0;
  bool FApplied = false;
  bool FDefaults = false;
  int32_t FOpenedAnswersCount = 0;
  int32_t FOpenedNextUnKnown = 0;
  TOptionsSnapshot FOpened;
};

// The configure command of the main window: runs the dialog modally and
// tells whether a new examination must start.
bool ExecuteOptions(QWidget* Owner, TFileDialog& FileDialog, TSmartDict* Dict);
