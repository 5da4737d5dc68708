#include "cli/TerminalPrompt.h"

#include <unistd.h>

#include <cctype>

namespace {

struct TChoice {
  TDialogButton Button;
  const char* Label;
  char Key;
};
constexpr TChoice Choices[] = {
    {dbOk, "[o]k", 'o'}, {dbYes, "[y]es", 'y'}, {dbNo, "[n]o", 'n'}, {dbAll, "[a]ll", 'a'}, {dbCancel, "[c]ancel", 'c'}};

// Texts go out byte for byte; only on a terminal a line break written as a
// lone CR becomes a new line, or the terminal would print over the first line.
void PrintText(const std::string& Text) {
  std::string out = Text;
  if (isatty(STDERR_FILENO))
    for (size_t i = 0; i < out.size(); ++i)
      if (out[i] == '\r' && (i + 1 == out.size() || out[i + 1] != '\n')) out[i] = '\n';
  std::fprintf(stderr, "%s\n", out.c_str());
}

}  // namespace

TDialogButton TTerminalPrompt::Cautious(unsigned Buttons) {
  if (Buttons & dbNo) return dbNo;
  if (Buttons & dbCancel) return dbCancel;
  return dbOk;
}

TDialogButton TTerminalPrompt::Ask(const std::string& Text, TDialogKind, unsigned Buttons) {
  PrintText(Text);
  if (Buttons == dbOk) return dbOk;  // a message, not a question
  auto first = [&](std::initializer_list<TDialogButton> Wanted) {
    for (TDialogButton b : Wanted)
      if (Buttons & b) return b;
    return Cautious(Buttons);
  };
  switch (FPreset) {
    case paYes: return first({dbYes, dbOk});
    case paNo: return first({dbNo, dbCancel});
    case paAll: return first({dbAll, dbYes, dbOk});
    case paAsk: break;
  }
  if (!FTerminal) return Cautious(Buttons);
  for (;;) {
    std::string labels;
    for (const TChoice& c : Choices)
      if (Buttons & c.Button) {
        if (!labels.empty()) labels += '/';
        labels += c.Label;
      }
    std::fprintf(stderr, "%s? ", labels.c_str());
    std::fflush(stderr);
    char line[256];
    if (!std::fgets(line, sizeof line, FIn)) return Cautious(Buttons);
    char key = static_cast<char>(std::tolower(static_cast<unsigned char>(line[0])));
    for (const TChoice& c : Choices)
      if ((Buttons & c.Button) && key == c.Key) return c.Button;
  }
}
