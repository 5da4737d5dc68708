#include "platform/qt/X11HotKey.h"

#include "platform/qt/X11Native.h"

#include <QCoreApplication>
#include <cstdlib>
#include <xcb/xcb_keysyms.h>

namespace {

constexpr uint16_t NumLockMask = XCB_MOD_MASK_2;
constexpr uint16_t CapsLockMask = XCB_MOD_MASK_LOCK;
// Modifiers that tell one key combination from another; locks and mouse
// buttons do not.
constexpr uint16_t RelevantMask = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

// Every keycode that produces the letter (lower-case keysyms equal their
// Latin-1 codes).
std::vector<uint8_t> LetterKeyCodes(xcb_connection_t* Conn, uint32_t VirtualKey) {
  std::vector<uint8_t> codes;
  xcb_key_symbols_t* syms = xcb_key_symbols_alloc(Conn);
  if (!syms) return codes;
  xcb_keycode_t* found = xcb_key_symbols_get_keycode(syms, VirtualKey - 'A' + 'a');
  for (xcb_keycode_t* k = found; k && *k != XCB_NO_SYMBOL; ++k) codes.push_back(*k);
  std::free(found);
  xcb_key_symbols_free(syms);
  return codes;
}

}  // namespace

uint16_t X11ModifierMask(uint32_t Modifiers) {
  uint16_t mask = 0;
  if (Modifiers & hmAlt) mask |= XCB_MOD_MASK_1;
  if (Modifiers & hmControl) mask |= XCB_MOD_MASK_CONTROL;
  if (Modifiers & hmShift) mask |= XCB_MOD_MASK_SHIFT;
  return mask;
}

TX11HotKey::TX11HotKey(QObject* Parent) : QObject(Parent) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installNativeEventFilter(this);
}

TX11HotKey::~TX11HotKey() {
  Unregister();
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool TX11HotKey::Register(uint32_t Modifiers, uint32_t VirtualKey) {
  Unregister();
  xcb_connection_t* conn = X11Connection();
  if (!conn || !IsValidHotKey(Modifiers, VirtualKey)) return false;
  xcb_window_t root = X11RootWindow(conn);
  if (root == XCB_WINDOW_NONE) return false;
  const uint16_t mask = X11ModifierMask(Modifiers);
  const uint16_t locks[] = {0, NumLockMask, CapsLockMask, NumLockMask | CapsLockMask};
  bool taken = false;
  std::vector<uint8_t> codes = LetterKeyCodes(conn, VirtualKey);
  for (uint8_t code : codes) {
    for (uint16_t lock : locks) {
      xcb_void_cookie_t cookie = xcb_grab_key_checked(conn, 0, root, mask | lock, code, XCB_GRAB_MODE_ASYNC,
                                                      XCB_GRAB_MODE_ASYNC);
      if (xcb_generic_error_t* error = xcb_request_check(conn, cookie)) {
        std::free(error);  // BadAccess: another program holds this combination
        taken = true;
      } else {
        FGrabbed.push_back({code, static_cast<uint16_t>(mask | lock)});
      }
    }
  }
  if (taken || FGrabbed.empty()) {
    Unregister();
    return false;
  }
  FMask = mask;
  return true;
}

void TX11HotKey::Unregister() {
  if (FGrabbed.empty()) return;
  if (xcb_connection_t* conn = X11Connection()) {
    xcb_window_t root = X11RootWindow(conn);
    for (const TGrab& g : FGrabbed) xcb_ungrab_key(conn, g.KeyCode, root, g.Mask);
    xcb_flush(conn);
  }
  FGrabbed.clear();
  FMask = 0;
}

bool TX11HotKey::nativeEventFilter(const QByteArray& EventType, void* Message, qintptr*) {
  if (FGrabbed.empty() || EventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(Message);
  const uint8_t type = event->response_type & ~0x80;
  if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) return false;
  auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
  if ((key->state & RelevantMask) != FMask) return false;
  bool ours = false;
  for (const TGrab& g : FGrabbed) ours = ours || g.KeyCode == key->detail;
  if (!ours) return false;
  // The handler may open a modal window; never do that inside X event dispatch.
  if (type == XCB_KEY_PRESS) QMetaObject::invokeMethod(this, &TX11HotKey::Pressed, Qt::QueuedConnection);
  return true;
}

void TX11HotKey::Pressed() {
  if (OnPressed && IsRegistered()) OnPressed();
}
