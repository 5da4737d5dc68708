#pragma once
// A captioned panel of the main window (question, answer and status panels):
// one line of centred text inside an outer bevel, drawn in the colours its
// palette holds in every colour group, so a disabled panel keeps its look.
// Reports clicks, focus changes and mouse moves for the window to act on.

#include <QLabel>

class TPanel : public QLabel {
  Q_OBJECT
 public:
  explicit TPanel(QWidget* Parent = nullptr);

  enum TOuterBevel { obRaised, obLowered };
  void SetOuterBevel(TOuterBevel Bevel);
  TOuterBevel OuterBevel() const { return FBevel; }

  // Font colour and background only; the font stays.
  void SetColors(const QColor& FontColor, const QColor& Background);
  QColor FontColor() const;
  QColor Background() const;

 signals:
  void Clicked();
  void Entered();  // took the keyboard focus
  void Exited();   // lost it
  void MouseMoved();

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;

 private:
  TOuterBevel FBevel = obRaised;
};
