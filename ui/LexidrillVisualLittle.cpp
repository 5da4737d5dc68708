#include "ui/LexidrillVisualLittle.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "dictionary/ProgressProcs.h"
#include "engine/ItemStack.h"
#include "ui/MultiPartVisual.h"

namespace {

QPointer<TFormMultiPartVisual> window;

// A window popped from HiddenForms may have been freed while it was hidden.
bool StillExists(QWidget* W) { return W && QApplication::allWidgets().contains(W); }

void OpenWindow(const std::string& Caption, int32_t Steps) {
  delete window.data();
  window = new TFormMultiPartVisual();
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->Open(Caption, Steps);
  window->show();
  QCoreApplication::processEvents();
}

void BeginProgress(const std::string& Caption, int32_t Steps) {
  int32_t hidden = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    // A modal dialog stays: hiding it would end its modal run.
    if (w->isVisible() && !w->isModal() && w != window && PushForm(w)) {
      w->hide();
      ++hidden;
    }
  }
  PushInt(hidden);
  OpenWindow(Caption, Steps);
}

void BeginProgressKeepForms(const std::string& Caption, int32_t Steps) {
  PushInt(0);
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
  for (int32_t n = PopInt(); n > 0; --n) {
    auto* w = static_cast<QWidget*>(PopForm());
    if (StillExists(w)) w->show();
  }
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
