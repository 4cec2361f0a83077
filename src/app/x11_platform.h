// The window system the desktop program asks Qt for.
//
// Contract: `preferX11WhereAvailable()` sets QT_QPA_PLATFORM to "xcb" when DISPLAY is set and
// not empty and QT_QPA_PLATFORM is unset, so a Wayland session runs the program through
// XWayland (the hot key, centring and top-most need X11); a platform the user chose stays.
// Call it before the application object is made. Thread safety: changes the environment;
// call it at start, before other threads run.
#pragma once

namespace zorvqi::app {

void preferX11WhereAvailable();

}  // namespace zorvqi::app
