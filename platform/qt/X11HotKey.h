#pragma once
// The global call-up key on X11: a passive key grab on the root window, taken
// once as is and once with each of NumLock and CapsLock (and both), so the
// key works whatever the lock state; a native event filter sees the presses.
// Elsewhere (Wayland, offscreen) Register simply reports false.

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>
#include <vector>

#include "platform/HotKey.h"

// The X modifier mask (Shift, Control, Mod1 = Alt) for the modifier bits.
uint16_t X11ModifierMask(uint32_t Modifiers);

class TX11HotKey final : public QObject, public THotKey, public QAbstractNativeEventFilter {
  Q_OBJECT
 public:
  explicit TX11HotKey(QObject* Parent = nullptr);
  ~TX11HotKey() override;

  bool Register(uint32_t Modifiers, uint32_t VirtualKey) override;
  void Unregister() override;
  bool IsRegistered() const override { return !FGrabbed.empty(); }

  bool nativeEventFilter(const QByteArray& EventType, void* Message, qintptr* Result) override;

 private:
  struct TGrab {
    uint8_t KeyCode;
    uint16_t Mask;
  };
  void Pressed();

  std::vector<TGrab> FGrabbed;
  uint16_t FMask = 0;
};
