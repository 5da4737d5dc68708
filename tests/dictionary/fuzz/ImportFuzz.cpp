// Imports arbitrary bytes as a text file into a small dictionary. The first
// byte picks the options, the second how the repeated-question dialog is
// answered; the rest is the file.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "dictionary/ProgressProcs.h"
#include "dictionary/SmartDict.h"
#include "platform/Prompt.h"

namespace {

class TScriptedPrompt final : public TPrompt {
 public:
  uint8_t Script = 0;
  TDialogButton Ask(const std::string&, TDialogKind, unsigned Buttons) override {
    static const TDialogButton order[] = {dbYes, dbNo, dbAll, dbCancel, dbOk};
    TDialogButton b = order[(Script++) % 5];
    return (Buttons & b) ? b : SafeAnswer(Buttons);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
  if (Size < 2) return 0;
  static TScriptedPrompt prompt;
  static const std::string file = "/tmp/lexidrill-import-fuzz-" + std::to_string(::getpid()) + ".txt";
  SetPrompt(&prompt);
  prompt.Script = Data[1];
  ProgressProcs().ProgressText = [](const std::string&) { return true; };
  if (FILE* f = std::fopen(file.c_str(), "wb")) {
    std::fwrite(Data + 2, 1, Size - 2, f);
    std::fclose(f);
  }
  TSmartDict dict(file + ".lxd", true);
  for (int i = 0; i < 20; ++i) dict.AddOrUpdateQuestion("q" + std::to_string(i), "a" + std::to_string(i), "");
  const uint8_t options = Data[0];
  dict.ImportFromText(file, options & 1, options & 2, options & 4);
  TExamQuestion card;
  if (dict.BeginExamination(5, 3))
    while (dict.NextQuestion(card, false)) card.Variants[0].Tried = true;
  dict.ReleaseWithoutSaving();
  return 0;
}
