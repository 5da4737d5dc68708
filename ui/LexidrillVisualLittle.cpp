#include "ui/LexidrillVisualLittle.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "dictionary/ProgressProcs.h"
#include "ui/MultiPartVisual.h"

namespace {

QPointer<TFormMultiPartVisual> window;
// Windows hidden by each begin, innermost level last.
std::vector<std::vector<QPointer<QWidget>>> hiddenLevels;

void OpenWindow(const std::string& Caption, int32_t Steps) {
  delete window.data();
  window = new TFormMultiPartVisual();
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->Open(Caption, Steps);
  window->show();
  QCoreApplication::processEvents();
}

void BeginProgress(const std::string& Caption, int32_t Steps) {
  std::vector<QPointer<QWidget>> hidden;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    // A modal dialog stays: hiding it would end its modal run.
    if (w->isVisible() && w->isWindow() && !w->isModal() && w != window) {
      w->hide();
      hidden.push_back(w);
    }
  }
  hiddenLevels.push_back(std::move(hidden));
  OpenWindow(Caption, Steps);
}

void BeginProgressKeepForms(const std::string& Caption, int32_t Steps) {
  hiddenLevels.emplace_back();
  OpenWindow(Caption, Steps);
}

void ProgressStep(const std::string& Text, int32_t Min, int32_t Max, int32_t Position) {
  if (window) window->NextStep("Please wait... " + Text, Min, Max, Position);
  QCoreApplication::processEvents();
}

bool ProgressTick() {
  if (!window) return false;
  window->Tick();
  return true;
}

void EndProgress() {
  delete window.data();
  window = nullptr;
  if (hiddenLevels.empty()) return;
  std::vector<QPointer<QWidget>> hidden = std::move(hiddenLevels.back());
  hiddenLevels.pop_back();
  for (auto it = hidden.rbegin(); it != hidden.rend(); ++it)
    if (*it) (*it)->show();
}

bool ProgressText(const std::string& Text) { return window ? window->Text(Text) : false; }

}  // namespace

void InstallVisualProgress() {
  TProgressProcs& p = ProgressProcs();
  p.BeginProgress = BeginProgress;
  p.BeginProgressKeepForms = BeginProgressKeepForms;
  p.ProgressStep = ProgressStep;
  p.ProgressTick = ProgressTick;
  p.EndProgress = EndProgress;
  p.ProgressText = ProgressText;
}

TFormMultiPartVisual* ProgressWindow() { return window.data(); }
