#include "platform/qt/QtTray.h"

#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

namespace {

// The application's icon, or a plain "L" badge when it has none (a tray icon
// without a picture is not shown at all).
QIcon TrayIcon() {
  QIcon icon = QApplication::windowIcon();
  if (!icon.isNull()) return icon;
  QPixmap pix(32, 32);
  pix.fill(QColor(0x15, 0x6b, 0xb5));
  QPainter p(&pix);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(24);
  p.setFont(f);
  p.drawText(pix.rect(), Qt::AlignCenter, QStringLiteral("L"));
  p.end();
  return QIcon(pix);
}

}  // namespace

TQtTray::TQtTray(QObject* Parent) : QObject(Parent), FIcon(new QSystemTrayIcon(this)) {
  connect(FIcon, &QSystemTrayIcon::activated, this, &TQtTray::Activated);
}

TQtTray::~TQtTray() {
  FIcon->hide();
  FIcon->setContextMenu(nullptr);
}

bool TQtTray::Add(const std::string& Tip) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  FIcon->setIcon(TrayIcon());
  FIcon->setToolTip(QString::fromStdString(Tip));
  FIcon->show();
  return FIcon->isVisible();
}

void TQtTray::SetTip(const std::string& Tip) { FIcon->setToolTip(QString::fromStdString(Tip)); }

void TQtTray::Remove() { FIcon->hide(); }

bool TQtTray::IsShown() const { return FIcon->isVisible(); }

void TQtTray::SetMenu(const std::vector<TTrayMenuItem>& Items) {
  auto menu = std::make_unique<QMenu>();
  menu->setObjectName(QStringLiteral("PopupTray"));
  for (const TTrayMenuItem& item : Items) {
    QAction* a = item.Caption.empty() ? menu->addSeparator() : menu->addAction(QString::fromStdString(item.Caption));
    a->setObjectName(QString::fromStdString(item.Name));
    if (item.Action) connect(a, &QAction::triggered, this, [action = item.Action] { action(); });
  }
  FIcon->setContextMenu(menu.get());
  FMenu = std::move(menu);
}

QRect TQtTray::Geometry() const { return FIcon->isVisible() ? FIcon->geometry() : QRect(); }

void TQtTray::Activated(QSystemTrayIcon::ActivationReason Reason) {
  if (Reason == QSystemTrayIcon::Trigger && OnLeftPress) OnLeftPress();
  if (Reason == QSystemTrayIcon::Context && OnRightPress) OnRightPress();
}
