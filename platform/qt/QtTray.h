#pragma once
// The tray icon over QSystemTrayIcon: a left press is its Trigger, a right
// press its Context activation; Qt pops the menu up at the cursor itself.

#include <QObject>
#include <QSystemTrayIcon>
#include <memory>

#include "platform/Tray.h"

class QMenu;

class TQtTray final : public QObject, public TTray {
  Q_OBJECT
 public:
  explicit TQtTray(QObject* Parent = nullptr);
  ~TQtTray() override;

  bool Add(const std::string& Tip) override;
  void SetTip(const std::string& Tip) override;
  void Remove() override;
  bool IsShown() const override;
  void SetMenu(const std::vector<TTrayMenuItem>& Items) override;

  // Where the icon sits on the screen (empty when not shown).
  QRect Geometry() const;
  QMenu* Menu() const { return FMenu.get(); }

 private:
  void Activated(QSystemTrayIcon::ActivationReason Reason);

  std::unique_ptr<QMenu> FMenu;
  QSystemTrayIcon* FIcon;
};
