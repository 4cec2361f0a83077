// The functions of a loaded browser library (ewe.dll).
//
// Contract: `BrowserLibrary::load(path)` opens the shared object at that full path and looks
// up the ten wke* functions of ewe/ewe.h; it gives nothing when the file cannot be opened or
// lacks one of them. A loaded library stays in the process until it ends: the web engine it
// brings cannot be unloaded safely. Thread safety: load from the UI thread; the functions
// themselves are UI-thread only.
#pragma once

#include <optional>
#include <string>

#include "ewe/ewe.h"

namespace zorvqi::ui {

struct BrowserLibrary {
  decltype(&wkeCreateWindow) createWindow = nullptr;
  decltype(&wkeGetFromWindow) getFromWindow = nullptr;
  decltype(&wkeGetWebView) getWebView = nullptr;
  decltype(&wkeSetUserData) setUserData = nullptr;
  decltype(&wkeGetHostWindow) getHostWindow = nullptr;
  decltype(&wkeLoadURL) loadUrl = nullptr;
  decltype(&wkeLoadHTML) loadHtml = nullptr;
  decltype(&wkeReload) reload = nullptr;
  decltype(&wkeExecCommand) execCommand = nullptr;
  decltype(&wkeWindowMessageFilter) windowMessageFilter = nullptr;

  static std::optional<BrowserLibrary> load(const std::string& path);
};

}  // namespace zorvqi::ui
