#include "ui/Options.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/FileDialog.h"
#include "settings/FileDialogs.h"
#include "settings/Folders.h"
#include "settings/Sounds.h"
#include "ui/BevelPanel.h"
#include "ui/DialogParts.h"
#include "ui/LookDialogs.h"
#include "ui/SettingsLook.h"
#include "ui/WinColors.h"

namespace {

const char* const PanelNames[ColorGroupCount] = {"panQ",      "panA",      "panActA",
                                                 "panCorrA", "panWrongA", "panHelp"};
const QString OnText = QStringLiteral("On");
const QString OffText = QStringLiteral("Off");

// Column 0 of the sound grid shows the picture of its state instead of text.
class TSoundStateDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override {
    QStyleOptionViewItem o = Option;
    initStyleOption(&o, Index);
    const bool on = Index.data(Qt::DisplayRole).toString() == OnText;
    o.text.clear();
    o.features &= ~QStyleOptionViewItem::HasDecoration;
    o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, Painter, o.widget);
    const QIcon icon = o.widget->style()->standardIcon(on ? QStyle::SP_MediaPlay : QStyle::SP_MediaStop);
    const int side = qMin(16, qMin(o.rect.width(), o.rect.height()) - 2);
    const QRect r(o.rect.center().x() - side / 2, o.rect.center().y() - side / 2, side, side);
    icon.paint(Painter, r, Qt::AlignCenter, on ? QIcon::Normal : QIcon::Disabled);
  }
};

}  // namespace

TOptions::TOptions(QWidget* Owner, TFileDialog& FileDialog, TSmartDict*)
    : QDialog(Owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      FFileDialog(FileDialog) {
  setObjectName("Options");
  setWindowTitle("Configure Lexidrill");

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  pcOptions = new QTabWidget(this);
  pcOptions->setObjectName("pcOptions");
  auto* tab1 = new QWidget;
  tab1->setObjectName("TabSheet1");
  auto* tab3 = new QWidget;
  tab3->setObjectName("TabSheet3");
  auto* tab5 = new QWidget;
  tab5->setObjectName("TabSheet5");
  pcOptions->addTab(tab1, "  &Test  ");
  pcOptions->addTab(tab3, "  &Sound  ");
  pcOptions->addTab(tab5, "  &Interface  ");
  BuildTestPage(tab1);
  BuildSoundPage(tab3);
  BuildInterfacePage(tab5);
  layout->addWidget(pcOptions);

  auto* buttons = new QHBoxLayout;
  btDefault = NewButton(this, "btDefault", "Load defaults");
  btSave = NewButton(this, "btSave", "Apply");
  btCancel = NewButton(this, "btCancel", "Close");
  btSave->setEnabled(false);
  buttons->addWidget(btDefault);
  buttons->addStretch();
  buttons->addWidget(btSave);
  buttons->addWidget(btCancel);
  layout->addLayout(buttons);
  connect(btDefault, &QPushButton::clicked, this, &TOptions::btDefaultClick);
  connect(btSave, &QPushButton::clicked, this, &TOptions::btSaveClick);
  connect(btCancel, &QPushButton::clicked, this, &TOptions::reject);

  pmCancel = new QMenu(this);
  pmCancel->setObjectName("pmCancel");
  Cancel1 = pmCancel->addAction("Cancel");
  Cancel1->setObjectName("Cancel1");
  Cancel1->setShortcut(Qt::Key_Escape);
  Cancel1->setVisible(false);
  addAction(Cancel1);
  connect(Cancel1, &QAction::triggered, this, &TOptions::reject);

  // Creation: page, remembered values, group 0; then the stored values.
  pcOptions->setCurrentIndex(Settings.OptionsPage);
  FOpenedAnswersCount = Settings.CurAnswersCount;
  FOpenedNextUnKnown = Settings.NextUnKnown;
  for (int32_t g = 0; g < ColorGroupCount; ++g) cbColorGroup->addItem(ColorGroupName(g));
  cbColorGroup->setCurrentIndex(cgQuestion);
  ColorGroupChange();
  FOpened = SnapshotFromSettings(Settings);
  LoadControls();
  CentreOnScreen(this);
}

TOptions::~TOptions() { Settings.OptionsPage = pcOptions->currentIndex(); }

void TOptions::BuildTestPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);

  auto* global = new QGroupBox("Global", Page);
  auto* g = new QGridLayout(global);
  UpDownQCount = NewUpDown(global, "edQCount", "UpDownQCount", 10, 1000, true, 10);
  UpDownACount = NewUpDown(global, "edACount", "UpDownACount", 3, 16, true);
  g->addWidget(UpDownQCount, 0, 0);
  g->addWidget(NewLabel(global, "Label5", "The total number of questions in the current examination"), 0, 1);
  g->addWidget(UpDownACount, 1, 0);
  g->addWidget(NewLabel(global, "Label4", "The number of answer variants to the question"), 1, 1);
  g->setColumnStretch(1, 1);
  page->addWidget(global);

  auto* unit = new QGroupBox("Unit", Page);
  auto* u = new QGridLayout(unit);
  cbInterval = NewCheckBox(unit, "cbInterval", "Use Units - hide program when all answers in Unit will be correct");
  u->addWidget(cbInterval, 0, 0, 1, 4);
  UpDownSerQCount = NewUpDown(unit, "edSerQCount", "UpDownSerQCount", 1, 99, false);
  lbSerQCount = NewLabel(unit, "lbSerQCount", "Unit includes (the number of answers)");
  u->addWidget(UpDownSerQCount, 1, 0);
  u->addWidget(lbSerQCount, 1, 1, 1, 3);
  lbNextQuestion = NewLabel(unit, "lbNextQuestion", "After hiding... Show Lexidrill again throught");
  u->addWidget(lbNextQuestion, 2, 0, 1, 4);
  UpDownMin = NewUpDown(unit, "edMin", "UpDownMin", 0, 99, true);
  lbMin = NewLabel(unit, "lbMin", "Minutes");
  UpDownSec = NewUpDown(unit, "edSec", "UpDownSec", 0, 59, true);
  lbSec = NewLabel(unit, "lbSec", "Seconds");
  u->addWidget(UpDownMin, 3, 0);
  u->addWidget(lbMin, 3, 1);
  u->addWidget(UpDownSec, 3, 2);
  u->addWidget(lbSec, 3, 3);
  u->setColumnStretch(3, 1);
  page->addWidget(unit);
  page->addStretch();

  for (QSpinBox* s : {UpDownQCount, UpDownACount, UpDownSerQCount, UpDownMin, UpDownSec})
    connect(s, &QSpinBox::valueChanged, this, &TOptions::TrackChanges);
  connect(cbInterval, &QCheckBox::toggled, this, &TOptions::cbIntervalClick);
}

void TOptions::BuildSoundPage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);
  sgSound = new QTableWidget(SoundCount, 3, Page);
  sgSound->setObjectName("sgSound");
  sgSound->setHorizontalHeaderLabels({"", "Sound event", "Wav - file"});
  sgSound->verticalHeader()->hide();
  sgSound->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  sgSound->horizontalHeader()->setMinimumSectionSize(16);
  sgSound->setColumnWidth(0, 24);
  sgSound->setColumnWidth(1, 106);
  sgSound->setColumnWidth(2, 394);
  sgSound->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgSound->setSelectionMode(QAbstractItemView::SingleSelection);
  sgSound->setEditTriggers(QAbstractItemView::NoEditTriggers);
  sgSound->setItemDelegateForColumn(0, new TSoundStateDelegate(sgSound));
  const int rowHeight = 20;
  sgSound->verticalHeader()->setDefaultSectionSize(rowHeight);
  for (int r = 0; r < SoundCount; ++r) {
    for (int c = 0; c < 3; ++c) sgSound->setItem(r, c, new QTableWidgetItem);
    sgSound->item(r, 1)->setText(QString::fromStdString(SoundEventName(r)));
  }
  // The design widths suit a smaller font than ours: the event names must
  // fit, and all 15 rows show below the header without scrolling.
  sgSound->resizeColumnToContents(1);
  sgSound->setColumnWidth(1, qMax(106, sgSound->columnWidth(1) + 8));
  const int frame = 2 * sgSound->frameWidth();
  sgSound->setFixedHeight(sgSound->horizontalHeader()->sizeHint().height() + SoundCount * rowHeight + frame);
  sgSound->setMinimumWidth(sgSound->columnWidth(0) + sgSound->columnWidth(1) + 394 + frame);
  sgSound->horizontalHeader()->setStretchLastSection(true);
  sgSound->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgSound->setCurrentCell(0, 0);
  page->addWidget(sgSound);

  auto* row = new QHBoxLayout;
  cbSoundON = NewCheckBox(Page, "cbSoundON", "Enable");
  btSelect = NewButton(Page, "btSelect", "Browse...");
  btPlay = NewButton(Page, "btPlay", "Play");
  btOnOff = NewButton(Page, "btOnOff", "On/off");
  row->addWidget(cbSoundON);
  row->addStretch();
  row->addWidget(btSelect);
  row->addWidget(btPlay);
  row->addWidget(btOnOff);
  page->addLayout(row);

  PopupMenu1 = new QMenu(sgSound);
  PopupMenu1->setObjectName("PopupMenu1");
  connect(PopupMenu1->addAction("&Play"), &QAction::triggered, this, &TOptions::btPlayClick);
  connect(PopupMenu1->addAction("&On/Off"), &QAction::triggered, this, &TOptions::btOnOffClick);
  connect(PopupMenu1->addAction("&Browse"), &QAction::triggered, this, &TOptions::btSelectClick);
  sgSound->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(sgSound, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& At) { PopupMenu1->popup(sgSound->viewport()->mapToGlobal(At)); });

  connect(sgSound, &QTableWidget::cellDoubleClicked, this, &TOptions::btPlayClick);
  connect(sgSound, &QTableWidget::currentCellChanged, this, &TOptions::SetOnOffCaption);
  connect(btPlay, &QPushButton::clicked, this, &TOptions::btPlayClick);
  connect(btOnOff, &QPushButton::clicked, this, &TOptions::btOnOffClick);
  connect(btSelect, &QPushButton::clicked, this, &TOptions::btSelectClick);
  connect(cbSoundON, &QCheckBox::toggled, this, &TOptions::cbSoundONClick);
}

void TOptions::BuildInterfacePage(QWidget* Page) {
  auto* page = new QVBoxLayout(Page);

  auto* looks = new QGroupBox("Fonts and Colors", Page);
  auto* l = new QGridLayout(looks);
  for (int32_t g = 0; g < ColorGroupCount; ++g) {
    auto* p = new TBevelPanel(ColorGroupName(g), looks);
    p->setObjectName(PanelNames[g]);
    p->setMinimumWidth(150);
    FPanels[g] = p;
    l->addWidget(p, g % 3, g / 3);
    connect(p, &TBevelPanel::MouseDown, this, [this, g] { SelectColorGroup(g); });
    connect(p, &TBevelPanel::MouseMoved, this, [this, g] { RefreshPanelLook(g); });
  }
  auto* side = new QVBoxLayout;
  cbColorGroup = new QComboBox(looks);
  cbColorGroup->setObjectName("cbColorGroup");
  btSetFont = NewButton(looks, "btSetFont", "Font");
  btSetBackGround = NewButton(looks, "btSetBackGround", "Background");
  auto* blinks = new QHBoxLayout;
  lbBlinks = NewLabel(looks, "lbBlinks", "Blink effects ");
  UpDownBlinks = NewUpDown(looks, "edBlinks", "UpDownBlinks", 0, 5, true);
  blinks->addWidget(lbBlinks);
  blinks->addWidget(UpDownBlinks);
  side->addWidget(cbColorGroup);
  side->addWidget(btSetFont);
  side->addWidget(btSetBackGround);
  side->addLayout(blinks);
  side->addStretch();
  l->addLayout(side, 0, 2, 3, 1);
  page->addWidget(looks);

  auto* controls = new QGroupBox("Controls", Page);
  auto* c = new QGridLayout(controls);
  cbMainMenuOff = NewCheckBox(controls, "cbMainMenuOff", "Hide Main Menu");
  cbStatusOff = NewCheckBox(controls, "cbStatusOff", "Hide Status Bar");
  cbHKEnabled = NewCheckBox(controls, "cbHKEnabled", "Quick Call Key ");
  edHK = new QLineEdit("edHK", controls);
  edHK->setObjectName("edHK");
  edHK->setReadOnly(true);
  edHK->setToolTip("Use letter charactest and modifiers Ctrl, Alt, Shift");
  edHK->installEventFilter(this);
  c->addWidget(cbMainMenuOff, 0, 0);
  c->addWidget(cbStatusOff, 1, 0);
  c->addWidget(cbHKEnabled, 0, 1);
  c->addWidget(edHK, 0, 2);
  page->addWidget(controls);
  page->addStretch();

  connect(cbColorGroup, &QComboBox::activated, this, &TOptions::ColorGroupChange);
  connect(btSetFont, &QPushButton::clicked, this, &TOptions::btSetFontClick);
  connect(btSetBackGround, &QPushButton::clicked, this, &TOptions::btSetBackGroundClick);
  connect(UpDownBlinks, &QSpinBox::valueChanged, this, &TOptions::TrackChanges);
  connect(cbMainMenuOff, &QCheckBox::toggled, this, &TOptions::TrackChanges);
  connect(cbStatusOff, &QCheckBox::toggled, this, &TOptions::TrackChanges);
  connect(cbHKEnabled, &QCheckBox::toggled, this, &TOptions::cbHKEnabledClick);
  connect(edHK, &QLineEdit::textChanged, this, &TOptions::TrackChanges);
}

bool TOptions::NeedsNewExamination() const {
  return FDefaults || (FApplied && (Settings.CurAnswersCount != FOpenedAnswersCount ||
                                    Settings.NextUnKnown != FOpenedNextUnKnown));
}

// ---------------------------------------------------------------- loading

void TOptions::SetSoundRow(int Row, const std::string& State, const std::string& ShownFile) {
  sgSound->item(Row, 0)->setText(QString::fromStdString(State));
  sgSound->item(Row, 2)->setText(QString::fromStdString(ShownFile));
}

void TOptions::LoadControls() {
  cbInterval->setChecked(Settings.IntervalPresent);
  UpDownQCount->setValue(Settings.MaxQCount);
  UpDownACount->setValue(Settings.CurAnswersCount);
  UpDownSerQCount->setValue(Settings.IntervalQCount);
  UpDownMin->setValue(Settings.IntervalMin);
  UpDownSec->setValue(Settings.IntervalSec);
  cbMainMenuOff->setChecked(Settings.MainMenuOff);
  cbStatusOff->setChecked(Settings.StatusOff);

  FLooks = LooksFromSettings(Settings);
  ShowLooks();

  cbSoundON->setChecked(Settings.SoundON);
  for (int i = 0; i < SoundCount; ++i)
    SetSoundRow(i, Settings.Sounds[i].Enabled ? "On" : "Off", PathToFolderTag(Settings.Sounds[i].FileName));

  FBlinks = {Settings.EftCorrACount, Settings.EftIncorrACount, Settings.EftHelpACount};
  ColorGroupChange();

  cbHKEnabled->setChecked(Settings.HotKeyEnabled);
  const int32_t m = Settings.HotKeyModifiers;
  edHKKeyDown(Settings.HotKeyVirtualKey, m & HotKeyCtrl, m & HotKeyShift, m & HotKeyAlt);

  cbHKEnabledClick();
  cbIntervalClick();
  cbSoundONClick();
  SetOnOffCaption();
}

void TOptions::ShowLooks() {
  for (int32_t g = 0; g < ColorGroupCount; ++g) SetPanelLook(FPanels[g], FLooks[g].Font, FLooks[g].Background);
}

// ---------------------------------------------------------------- tracking

TOptionsSnapshot TOptions::SnapshotFromControls() {
  if (HasBlinks(FColorGroup)) FBlinks[FColorGroup - FirstBlinkGroup] = UpDownBlinks->value();
  TOptionsSnapshot s;
  s.IntervalPresent = cbInterval->isChecked();
  s.IntervalMin = UpDownMin->value();
  s.IntervalSec = UpDownSec->value();
  s.IntervalQCount = UpDownSerQCount->value();
  s.CurAnswersCount = UpDownACount->value();
  s.MaxQCount = UpDownQCount->value();
  s.MainMenuOff = cbMainMenuOff->isChecked();
  s.StatusOff = cbStatusOff->isChecked();
  s.Looks = FLooks;
  s.CorrectFontColor = FLooks[cgCorrectAnswer].Font.Color;
  s.SoundON = cbSoundON->isChecked();
  for (int i = 0; i < SoundCount; ++i) {
    s.Sounds[i].Enabled = sgSound->item(i, 0)->text() == OnText;
    s.Sounds[i].FileName = FolderTagToPath(sgSound->item(i, 2)->text().toStdString());
  }
  s.Blinks = FBlinks;
  s.HotKeyEnabled = cbHKEnabled->isChecked();
  s.HotKeyModifiers = FHotKeyModifiers;
  s.HotKeyVirtualKey = FHotKeyKey;
  return s;
}

void TOptions::TrackChanges() { btSave->setEnabled(!SameOptions(SnapshotFromControls(), FOpened)); }

// ---------------------------------------------------------------- enabling

void TOptions::cbHKEnabledClick() {
  edHK->setEnabled(cbHKEnabled->isChecked());
  TrackChanges();
}

void TOptions::cbIntervalClick() {
  const bool on = cbInterval->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{UpDownSerQCount, lbSerQCount, lbNextQuestion, lbMin, lbSec,
                                                    UpDownMin, UpDownSec})
    w->setEnabled(on);
  TrackChanges();
}

void TOptions::cbSoundONClick() {
  const bool on = cbSoundON->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{sgSound, btPlay, btOnOff, btSelect}) w->setEnabled(on);
  TrackChanges();
}

// ---------------------------------------------------------------- call-up key

bool TOptions::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == edHK && Event->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(Event);
    const Qt::KeyboardModifiers m = k->modifiers();
    return edHKKeyDown(k->key(), m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::AltModifier));
  }
  return QDialog::eventFilter(Watched, Event);
}

bool TOptions::edHKKeyDown(int Key, bool Ctrl, bool Shift, bool Alt) {
  if (!IsHotKeyLetter(Key)) return false;
  FHotKeyModifiers = (Ctrl ? HotKeyCtrl : 0) | (Shift ? HotKeyShift : 0) | (Alt ? HotKeyAlt : 0);
  FHotKeyKey = Key;
  edHK->setText(QString::fromStdString(HotKeyText(FHotKeyModifiers, Key)));
  TrackChanges();
  return true;
}

// ---------------------------------------------------------------- colour groups

void TOptions::SelectColorGroup(int32_t Group) {
  cbColorGroup->setCurrentIndex(Group);
  ColorGroupChange();
}

void TOptions::ColorGroupChange() {
  // The group changes before the up-down moves: its change would otherwise
  // store the new group's count as the count of the group being left.
  FColorGroup = qMax(0, cbColorGroup->currentIndex());
  const bool blinks = HasBlinks(FColorGroup);
  UpDownBlinks->setEnabled(blinks);
  lbBlinks->setEnabled(blinks);
  UpDownBlinks->setValue(blinks ? FBlinks[FColorGroup - FirstBlinkGroup] : 0);
  RefreshPanelLook();
}

void TOptions::RefreshPanelLook(int32_t Hovered) {
  for (int32_t g = 0; g < ColorGroupCount; ++g) {
    TBevelPanel* p = FPanels[g];
    if (g == FColorGroup)
      p->SetBevels(bvLowered, bvLowered);
    else if (g == Hovered)
      p->SetBevels(bvNone, bvRaised);
    else
      p->SetBevels(bvLowered, bvRaised);
    p->setCursor(g == FColorGroup ? Qt::ArrowCursor : Qt::PointingHandCursor);
  }
}

void TOptions::btSetFontClick() {
  TPanelLook& look = FLooks[FColorGroup];
  QFont font = QFontOf(look.Font);
  QColor color = FontColorOf(look.Font);
  if (!FontDialog().Execute(this, font, color)) return;
  TakeQFont(font, look.Font);
  look.Font.Color = ColorValueOf(color, look.Font.Color);
  // Active and Correct Answer share one font; each keeps its own colour.
  const int32_t twin = FColorGroup == cgActiveAnswer    ? cgCorrectAnswer
                       : FColorGroup == cgCorrectAnswer ? cgActiveAnswer
                                                        : -1;
  if (twin >= 0) {
    const TColor keep = FLooks[twin].Font.Color;
    FLooks[twin].Font = look.Font;
    FLooks[twin].Font.Color = keep;
  }
  ShowLooks();
  TrackChanges();
}

void TOptions::btSetBackGroundClick() {
  TPanelLook& look = FLooks[FColorGroup];
  QColor color = WinColor(look.Background);
  if (!ColorDialog().Execute(this, color)) return;
  look.Background = ColorValueOf(color, look.Background);
  ShowLooks();
  TrackChanges();
}

// ---------------------------------------------------------------- sounds

void TOptions::btPlayClick() {
  const int r = sgSound->currentRow();
  if (r < 0) return;
  PlaySoundFile(FolderTagToPath(sgSound->item(r, 2)->text().toStdString()), false);
}

void TOptions::btOnOffClick() {
  const int r = sgSound->currentRow();
  if (r < 0) return;
  QTableWidgetItem* state = sgSound->item(r, 0);
  state->setText(state->text() == OnText ? OffText : OnText);
  TrackChanges();
  SetOnOffCaption();
}

void TOptions::btSelectClick() {
  const int r = sgSound->currentRow();
  if (r < 0) return;
  if (!ExecuteFileDialog(FFileDialog, fkSound, true, "Open Sound File")) return;
  SetSoundRow(r, "On", FFileDialog.FileName);
  btPlayClick();
  TrackChanges();
  SetOnOffCaption();
}

void TOptions::SetOnOffCaption() {
  const int r = sgSound->currentRow();
  if (r < 0)
    btOnOff->setText("Turn on/off");
  else
    btOnOff->setText(sgSound->item(r, 0)->text() == OnText ? "Turn off" : "Turn on");
}

// ---------------------------------------------------------------- apply, defaults, closing

void TOptions::btSaveClick() {
  Settings.IntervalPresent = cbInterval->isChecked();
  Settings.IntervalMin = static_cast<int16_t>(UpDownMin->value());
  Settings.IntervalSec = static_cast<int16_t>(UpDownSec->value());
  Settings.IntervalQCount = static_cast<int16_t>(UpDownSerQCount->value());
  Settings.CurAnswersCount = static_cast<int16_t>(UpDownACount->value());
  Settings.MaxQCount = static_cast<int16_t>(UpDownQCount->value());
  Settings.MainMenuOff = cbMainMenuOff->isChecked();
  Settings.StatusOff = cbStatusOff->isChecked();
  WriteLooks(FLooks, Settings);
  Settings.SoundON = cbSoundON->isChecked();
  for (int i = 0; i < SoundCount; ++i) {
    Settings.Sounds[i].Enabled = sgSound->item(i, 0)->text() == OnText;
    Settings.Sounds[i].FileName = FolderTagToPath(sgSound->item(i, 2)->text().toStdString());
  }
  if (HasBlinks(FColorGroup)) FBlinks[FColorGroup - FirstBlinkGroup] = UpDownBlinks->value();
  Settings.EftCorrACount = static_cast<int16_t>(FBlinks[0]);
  Settings.EftIncorrACount = static_cast<int16_t>(FBlinks[1]);
  Settings.EftHelpACount = static_cast<int16_t>(FBlinks[2]);
  Settings.HotKeyEnabled = cbHKEnabled->isChecked();
  Settings.HotKeyModifiers = 0;
  if (FHotKeyKey > 0) {
    Settings.HotKeyVirtualKey = FHotKeyKey;
    Settings.HotKeyModifiers = FHotKeyModifiers;
  }
  FOpened = SnapshotFromSettings(Settings);
  TrackChanges();
  FApplied = true;
}

void TOptions::btDefaultClick() {
  SetDefaultSettings();
  LoadControls();
  btSaveClick();
  FDefaults = true;
}

void TOptions::reject() {
  if (btSave->isEnabled() && AskApplyChanges())
    btSaveClick();
  QDialog::reject();
}

bool ExecuteOptions(QWidget* Owner, TFileDialog& FileDialog, TSmartDict* Dict) {
  TOptions dialog(Owner, FileDialog, Dict);
  dialog.exec();
  return dialog.NeedsNewExamination();
}
