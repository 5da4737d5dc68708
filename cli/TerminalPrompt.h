#pragma once
// The prompt of lexidrill-cli: messages go to standard error; a question is
// answered by the --yes/--no/--all option when one was given, otherwise asked
// on the terminal, and without a terminal it takes the cautious answer
// (No, else Cancel, else OK).

#include <cstdio>
#include <string>

#include "platform/Prompt.h"

enum TPresetAnswer { paAsk, paYes, paNo, paAll };

class TTerminalPrompt final : public TPrompt {
 public:
  TTerminalPrompt(TPresetAnswer Preset, bool HasTerminal, std::FILE* In) : FPreset(Preset), FTerminal(HasTerminal), FIn(In) {}
  TDialogButton Ask(const std::string& Text, TDialogKind Kind, unsigned Buttons) override;

  static TDialogButton Cautious(unsigned Buttons);

 private:
  TPresetAnswer FPreset;
  bool FTerminal;
  std::FILE* FIn;
};
