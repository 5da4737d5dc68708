#pragma once
// The program's message boxes: QMessageBox with the icon of the kind and the
// asked buttons, over the active window. A box closed without a button gives
// the safe answer.

#include "platform/Prompt.h"

class TMessageBoxPrompt final : public TPrompt {
 public:
  TDialogButton Ask(const std::string& Text, TDialogKind Kind, unsigned Buttons) override;
};
