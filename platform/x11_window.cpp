// The one piece of the display that speaks to X11 itself, kept apart so that
// Xlib's names stay out of the rest of the platform.
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xutil.h>

#include "platform/detail.h"

namespace platform::detail {

namespace {

// SDL pins a window that is not resizable to its size (minimum = maximum),
// which would keep the window manager from giving it the whole screen. SDL
// pins it again when the window leaves full screen.
void UnpinSize(::Display* connection, ::Window window) {
  XSizeHints* hints = XAllocSizeHints();
  if (!hints) return;
  long supplied = 0;
  if (XGetWMNormalHints(connection, window, hints, &supplied)) {
    hints->flags &= ~(PMinSize | PMaxSize);
    XSetWMNormalHints(connection, window, hints);
  }
  XFree(hints);
}

}  // namespace

// SDL asks the window manager for full screen only once the window is mapped,
// so the window would first appear as an ordinary one with a title bar. The
// state set on the window before mapping is the one it is mapped in.
void MarkFullscreenBeforeMapping(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  ::Display* connection = info.info.x11.display;
  const ::Window xwindow = info.info.x11.window;
  UnpinSize(connection, xwindow);
  const Atom state = XInternAtom(connection, "_NET_WM_STATE", False);
  const Atom fullscreen = XInternAtom(connection, "_NET_WM_STATE_FULLSCREEN", False);
  XChangeProperty(connection, xwindow, state, XA_ATOM, 32, PropModeAppend,
                  reinterpret_cast<const unsigned char*>(&fullscreen), 1);
}

}  // namespace platform::detail
