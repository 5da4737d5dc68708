#pragma once
// A global call-up key: pressed anywhere on the desktop, it reaches the
// program. Keys are given as the settings store them: modifier bits 1 Alt,
// 2 Ctrl, 4 Shift and a letter's key code 65..90 ('A'..'Z').

#include <cstdint>
#include <functional>

enum THotKeyModifier : uint32_t { hmAlt = 1, hmControl = 2, hmShift = 4 };

// A letter with at least one modifier. A bare letter is refused: grabbed for
// the whole desktop it could no longer be typed in any program.
inline bool IsValidHotKey(uint32_t Modifiers, uint32_t VirtualKey) {
  return VirtualKey >= 'A' && VirtualKey <= 'Z' && (Modifiers & (hmAlt | hmControl | hmShift)) != 0 &&
         (Modifiers & ~uint32_t{hmAlt | hmControl | hmShift}) == 0;
}

class THotKey {
 public:
  virtual ~THotKey() = default;
  // Releases any key held, then takes this one; false when it cannot be had
  // (no X server, taken by another program, not a valid key).
  virtual bool Register(uint32_t Modifiers, uint32_t VirtualKey) = 0;
  virtual void Unregister() = 0;
  virtual bool IsRegistered() const = 0;

  // Run on the GUI thread, outside any native event handling, per press.
  std::function<void()> OnPressed;
};
