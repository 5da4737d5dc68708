#pragma once
// A scripted prompt for tests: records every box shown and answers from a
// queue (the safe answer once the queue is empty). Installs itself for its
// lifetime.

#include <deque>
#include <string>
#include <vector>

#include "platform/Prompt.h"

struct TShownBox {
  std::string Text;
  TDialogKind Kind;
  unsigned Buttons;
};

class TFakePrompt final : public TPrompt {
 public:
  TFakePrompt() { SetPrompt(this); }
  ~TFakePrompt() override { SetPrompt(nullptr); }
  TFakePrompt(const TFakePrompt&) = delete;
  TFakePrompt& operator=(const TFakePrompt&) = delete;

  TDialogButton Ask(const std::string& Text, TDialogKind Kind, unsigned Buttons) override {
    Shown.push_back({Text, Kind, Buttons});
    if (Answers.empty()) return SafeAnswer(Buttons);
    TDialogButton a = Answers.front();
    Answers.pop_front();
    return a;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& b : Shown) t.push_back(b.Text);
    return t;
  }

  std::deque<TDialogButton> Answers;
  std::vector<TShownBox> Shown;
};
