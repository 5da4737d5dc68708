#pragma once
// The message boxes and confirmation questions of the program. Logic code
// asks through Prompt() only; the program installs its message-box prompt at
// start, tests install a scripted one, and without either every question gets
// its safe answer (Cancel, else No, else OK) without being shown.

#include <string>

enum TDialogKind { dkPlain, dkInformation, dkWarning, dkError, dkConfirmation };

// Buttons are bits so a question can offer several; Ask returns exactly one.
enum TDialogButton : unsigned { dbOk = 1, dbCancel = 2, dbYes = 4, dbNo = 8, dbAll = 16 };

class TPrompt {
 public:
  virtual ~TPrompt() = default;
  // Shows Text with the icon of Kind and the given buttons; returns the one
  // pressed. Closing the box without a button returns SafeAnswer(Buttons).
  virtual TDialogButton Ask(const std::string& Text, TDialogKind Kind, unsigned Buttons) = 0;

  void Message(const std::string& Text, TDialogKind Kind = dkPlain) { Ask(Text, Kind, dbOk); }

  static TDialogButton SafeAnswer(unsigned Buttons) {
    if (Buttons & dbCancel) return dbCancel;
    if (Buttons & dbNo) return dbNo;
    return dbOk;
  }
};

class TSilentPrompt final : public TPrompt {
 public:
  TDialogButton Ask(const std::string&, TDialogKind, unsigned Buttons) override { return SafeAnswer(Buttons); }
};

namespace prompt_detail {
inline TPrompt*& Current() {
  static TPrompt* current = nullptr;
  return current;
}
}  // namespace prompt_detail

// The process-wide prompt.
inline TPrompt& Prompt() {
  static TSilentPrompt silent;
  TPrompt* p = prompt_detail::Current();
  return p ? *p : silent;
}

// Installs p (not owned); nullptr puts the silent prompt back.
inline void SetPrompt(TPrompt* p) { prompt_detail::Current() = p; }
