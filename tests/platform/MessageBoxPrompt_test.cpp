#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "platform/qt/MessageBoxPrompt.h"
#include "platform/qt/QtFileDialog.h"

namespace {

struct TBoxAnswer {
  QString Text, Title;
  QMessageBox::StandardButtons Buttons;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

TEST(MessageBoxPrompt, ButtonsKindsAndAnswers) {
  TMessageBoxPrompt prompt;
  TBoxAnswer seen;
  // Answers the next box from inside its event loop.
  auto press = [&seen](QMessageBox::StandardButton b) {
    QTimer::singleShot(0, [&seen, b] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = {box->text(), box->windowTitle(), box->standardButtons(), box->icon()};
      if (b == QMessageBox::NoButton)
        QTest::keyClick(box, Qt::Key_Escape);
      else
        box->button(b)->click();
    });
  };

  press(QMessageBox::No);
  EXPECT_EQ(prompt.Ask("Line one. \r\nLine two", dkConfirmation, dbYes | dbNo), dbNo);
  EXPECT_EQ(seen.Text, "Line one. \nLine two");
  EXPECT_EQ(seen.Title, "Confirmation");
  EXPECT_EQ(seen.Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(seen.Icon, QMessageBox::Question);

  press(QMessageBox::YesToAll);
  EXPECT_EQ(prompt.Ask("?", dkWarning, dbYes | dbNo | dbAll | dbCancel), dbAll);
  EXPECT_EQ(seen.Icon, QMessageBox::Warning);

  press(QMessageBox::NoButton);  // Esc gives the safe answer
  EXPECT_EQ(prompt.Ask("?", dkError, dbYes | dbNo | dbCancel), dbCancel);
  EXPECT_EQ(seen.Icon, QMessageBox::Critical);

  press(QMessageBox::Ok);
  prompt.Message("Done");
  EXPECT_EQ(seen.Buttons, QMessageBox::Ok);
  EXPECT_EQ(seen.Icon, QMessageBox::NoIcon);
}

TEST(QtFileDialog, FiltersBecomeQtNameFilters) {
  EXPECT_EQ(TQtFileDialog::NameFilters("Dictionary files|*.lxd|Any file|*.*"),
            (QStringList{"Dictionary files (*.lxd)", "Any file (*)"}));
  EXPECT_EQ(TQtFileDialog::NameFilters("Pictures|*.png;*.bmp"), QStringList{"Pictures (*.png *.bmp)"});
  EXPECT_TRUE(TQtFileDialog::NameFilters("").isEmpty());
}

}  // namespace
