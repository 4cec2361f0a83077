// What the process must do before its QApplication exists so that ewe.dll can start Qt
// WebEngine later.
//
// Contract: `prepareForBrowserLibrary()` shares OpenGL contexts between windows
// (Qt::AA_ShareOpenGLContexts) and, when the process runs as root, turns off the web
// engine's sandbox (QTWEBENGINE_DISABLE_SANDBOX=1), which refuses to run as root otherwise;
// a value the user has set for that variable is kept. Call it once, first thing in main.
// Thread safety: main thread, before any other thread exists.
#pragma once

namespace zorvqi::ui {

void prepareForBrowserLibrary();

}  // namespace zorvqi::ui
