#include "exam/SizeRule.h"

#include <algorithm>
#include <cstdlib>

#include "settings/Settings.h"

int QuestionPanelHeight(int Step) { return SizeSteps[static_cast<size_t>(std::clamp(Step, 0, MaxSizeStep))].QuestionHeight; }
int AnswerPanelHeight(int Step) { return SizeSteps[static_cast<size_t>(std::clamp(Step, 0, MaxSizeStep))].AnswerHeight; }

int HeightAtStep(int Height, int From, int To, int Count) {
  return Height + QuestionPanelHeight(To) - QuestionPanelHeight(From) +
         (AnswerPanelHeight(To) - AnswerPanelHeight(From)) * Count;
}

TResizeAnswer FormCanResize(const TResizeRequest& R) {
  TResizeAnswer a;
  a.Width = std::max(R.NewWidth, MinFormWidth);
  if (a.Width != R.Width) a.StatusPanelWidth = (a.Width - 8) / 4;
  a.Height = R.Height;
  a.Step = R.Step;
  const int h = R.Height, want = R.NewHeight;
  if (std::abs(h - want) < ResizeDeadBand || (want < h && R.Step <= 0) || (want > h && R.Step >= MaxSizeStep))
    return a;
  int best = -1, bestDistance = 0;
  const int first = want > h ? R.Step + 1 : 0;
  const int last = want > h ? MaxSizeStep : R.Step - 1;
  for (int k = first; k <= last; ++k) {
    const int d = std::abs(HeightAtStep(h, R.Step, k, R.AnswersCount) - want);
    if (best < 0 || d < bestDistance) {
      best = k;
      bestDistance = d;
    }
  }
  if (best < 0) return a;
  a.Step = best;
  a.Height = HeightAtStep(h, R.Step, best, R.AnswersCount);
  a.StepChanged = best != R.Step;
  return a;
}

void SizeKeyRequest(TSizeKey Key, int& Width, int& Height) {
  switch (Key) {
    case skUp: Height -= 16; break;
    case skDown: Height += 16; break;
    case skLeft: Width -= 8; break;
    case skRight: Width += 8; break;
  }
}
