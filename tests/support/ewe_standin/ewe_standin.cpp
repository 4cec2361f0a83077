// The stand-in ewe.dll: the wke* exports over a plain widget, recording every call.
#include "ewe_standin.h"

#include <QString>
#include <QWidget>
#include <string>

#include "ewe_view_object.h"

namespace {

using ewe::ViewObject;

std::string& journal() {
  static std::string lines;
  return lines;
}

bool& refusingViews() {
  static bool refusing = false;
  return refusing;
}

std::string utf8Of(const char16_t* text) {
  return text ? QString::fromUtf16(text).toStdString() : std::string();
}

void record(const std::string& line) {
  journal() += line + "\n";
}

std::string numberOf(const void* pointer) {
  return std::to_string(reinterpret_cast<std::uintptr_t>(pointer));
}

}  // namespace

extern "C" {

const char* eweStandinJournal(void) {
  return journal().c_str();
}

void eweStandinReset(void) {
  journal().clear();
  refusingViews() = false;
}

void eweStandinRefuseViews(int refuse) {
  refusingViews() = refuse != 0;
}

wkeWindow wkeCreateWindow(wkeNativeWindow host) {
  record("wkeCreateWindow " + std::to_string(host));
  auto* hostWidget = reinterpret_cast<QWidget*>(host);
  auto* view = new QWidget(hostWidget);
  view->setObjectName(QStringLiteral("eweStandinView"));
  return (new ViewObject(hostWidget, view))->asWindow();
}

wkeHandle wkeGetFromWindow(wkeWindow window) {
  record("wkeGetFromWindow");
  return window ? ViewObject::from(window)->asHandle() : nullptr;
}

wkeWebView wkeGetWebView(wkeHandle handle) {
  record("wkeGetWebView");
  return handle && !refusingViews() ? ViewObject::from(handle)->asWebView() : nullptr;
}

void wkeSetUserData(wkeWebView view, void* userData) {
  record("wkeSetUserData " + numberOf(userData));
  if (view) ViewObject::from(view)->setUserData(userData);
}

wkeNativeWindow wkeGetHostWindow(wkeWebView view) {
  record("wkeGetHostWindow");
  return view ? reinterpret_cast<wkeNativeWindow>(ViewObject::from(view)->view()) : 0;
}

void wkeLoadURL(wkeWebView, const char16_t* url) {
  record("wkeLoadURL " + utf8Of(url));
}

void wkeLoadHTML(wkeWebView, const char16_t* html) {
  record("wkeLoadHTML " + utf8Of(html));
}

void wkeReload(wkeWebView) {
  record("wkeReload");
}

void wkeExecCommand(wkeWebView, const char16_t* command, const char16_t* argument) {
  record("wkeExecCommand " + utf8Of(command) + " " + utf8Of(argument));
}

void wkeWindowMessageFilter(wkeWebView view, wkeMessageFilter filter) {
  record("wkeWindowMessageFilter");
  if (view) ViewObject::from(view)->setFilter(filter);
}

}  // extern "C"
