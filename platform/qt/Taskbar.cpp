#include "platform/qt/Taskbar.h"

#include "platform/qt/X11Native.h"

#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

xcb_atom_t Atom(xcb_connection_t* Conn, const char* Name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(Conn, xcb_intern_atom(Conn, 0, static_cast<uint16_t>(std::strlen(Name)), Name), nullptr);
  xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

std::vector<xcb_atom_t> WindowState(xcb_connection_t* Conn, xcb_window_t Window, xcb_atom_t State) {
  std::vector<xcb_atom_t> atoms;
  xcb_get_property_reply_t* reply =
      xcb_get_property_reply(Conn, xcb_get_property(Conn, 0, Window, State, XCB_ATOM_ATOM, 0, 1024), nullptr);
  if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
    auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    atoms.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return atoms;
}

}  // namespace

void SetSkipTaskbar(QWidget* Window, bool Skip) {
  xcb_connection_t* conn = X11Connection();
  if (!conn || !Window) return;
  const auto win = static_cast<xcb_window_t>(Window->winId());
  const xcb_atom_t state = Atom(conn, "_NET_WM_STATE");
  const xcb_atom_t flags[] = {Atom(conn, "_NET_WM_STATE_SKIP_TASKBAR"), Atom(conn, "_NET_WM_STATE_SKIP_PAGER")};
  if (state == XCB_ATOM_NONE || flags[0] == XCB_ATOM_NONE || flags[1] == XCB_ATOM_NONE) return;
  if (Window->isVisible()) {
    // A mapped window belongs to the window manager: ask it.
    xcb_client_message_event_t msg{};
    msg.response_type = XCB_CLIENT_MESSAGE;
    msg.format = 32;
    msg.window = win;
    msg.type = state;
    msg.data.data32[0] = Skip ? 1 : 0;  // _NET_WM_STATE_ADD / _REMOVE
    msg.data.data32[1] = flags[0];
    msg.data.data32[2] = flags[1];
    msg.data.data32[3] = 1;  // from a normal application
    xcb_window_t root = X11RootWindow(conn);
    xcb_send_event(conn, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&msg));
  } else {
    // Before mapping the window's own property is read; Qt merges its states into it.
    std::vector<xcb_atom_t> atoms = WindowState(conn, win, state);
    for (xcb_atom_t f : flags) {
      auto at = std::find(atoms.begin(), atoms.end(), f);
      if (Skip && at == atoms.end()) atoms.push_back(f);
      if (!Skip && at != atoms.end()) atoms.erase(at);
    }
    xcb_change_property(conn, XCB_PROP_MODE_REPLACE, win, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.data());
  }
  xcb_flush(conn);
}

bool HasSkipTaskbar(QWidget* Window) {
  xcb_connection_t* conn = X11Connection();
  if (!conn || !Window) return false;
  const std::vector<xcb_atom_t> atoms =
      WindowState(conn, static_cast<xcb_window_t>(Window->winId()), Atom(conn, "_NET_WM_STATE"));
  return std::find(atoms.begin(), atoms.end(), Atom(conn, "_NET_WM_STATE_SKIP_TASKBAR")) != atoms.end();
}
