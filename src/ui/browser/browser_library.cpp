#include "ui/browser/browser_library.h"

#include <dlfcn.h>

namespace zorvqi::ui {

namespace {

template <typename Function>
bool lookUp(void* handle, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(handle, name));
  return function != nullptr;
}

}  // namespace

std::optional<BrowserLibrary> BrowserLibrary::load(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) return std::nullopt;
  BrowserLibrary library;
  const bool complete =
      lookUp(handle, "wkeCreateWindow", library.createWindow) &&
      lookUp(handle, "wkeGetFromWindow", library.getFromWindow) &&
      lookUp(handle, "wkeGetWebView", library.getWebView) &&
      lookUp(handle, "wkeSetUserData", library.setUserData) &&
      lookUp(handle, "wkeGetHostWindow", library.getHostWindow) &&
      lookUp(handle, "wkeLoadURL", library.loadUrl) && lookUp(handle, "wkeLoadHTML", library.loadHtml) &&
      lookUp(handle, "wkeReload", library.reload) && lookUp(handle, "wkeExecCommand", library.execCommand) &&
      lookUp(handle, "wkeWindowMessageFilter", library.windowMessageFilter);
  if (!complete) return std::nullopt;
  return library;
}

}  // namespace zorvqi::ui
