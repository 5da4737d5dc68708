#pragma once
// A flat sample panel with an outer and an inner bevel, as the colour groups
// of the configuration dialog show them. Reports presses and mouse moves.

#include <QFrame>

enum TBevel { bvNone, bvLowered, bvRaised };

class TBevelPanel : public QFrame {
  Q_OBJECT
 public:
  explicit TBevelPanel(const QString& Text, QWidget* Parent = nullptr);
  void SetBevels(TBevel Outer, TBevel Inner);
  TBevel BevelOuter() const { return FOuter; }
  TBevel BevelInner() const { return FInner; }
  QString Text() const { return FText; }

 signals:
  void MouseDown();
  void MouseMoved();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;

 private:
  QString FText;
  TBevel FOuter = bvRaised;
  TBevel FInner = bvNone;
};
