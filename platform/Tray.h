#pragma once
// The program's icon in the system tray: a tip, a left-press and a
// right-press notification and a context menu. Where the desktop has no tray
// Add reports false and the icon simply is not there.

#include <functional>
#include <string>
#include <vector>

// One entry of the tray menu; an empty Caption makes a separator.
struct TTrayMenuItem {
  std::string Name;     // object name of the entry
  std::string Caption;  // with & before the access key
  std::function<void()> Action;
};

class TTray {
 public:
  virtual ~TTray() = default;
  // Shows the icon with Tip; true when a tray really shows it.
  virtual bool Add(const std::string& Tip) = 0;
  // Replaces the tip (the caller keeps it to 63 bytes).
  virtual void SetTip(const std::string& Tip) = 0;
  virtual void Remove() = 0;
  // True between a successful Add and Remove.
  virtual bool IsShown() const = 0;
  // The menu that pops up at the cursor on a right press.
  virtual void SetMenu(const std::vector<TTrayMenuItem>& Items) = 0;

  // Run on the GUI thread when the icon is pressed.
  std::function<void()> OnLeftPress;
  std::function<void()> OnRightPress;
};
