// ewe.dll on Qt WebEngine: the exported wke* functions of ewe.h.
#include <dlfcn.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>
#include <QUrl>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "ewe.h"
#include "ewe_view_object.h"

namespace {

using ewe::ViewObject;

QString textOf(const char16_t* text) {
  return text ? QString::fromUtf16(text) : QString();
}

QWebEngineView* webViewOf(wkeWebView view) {
  return view ? static_cast<QWebEngineView*>(ViewObject::from(view)->view()) : nullptr;
}

struct EditCommand {
  const char16_t* name;
  QWebEnginePage::WebAction action;
};

constexpr EditCommand kEditCommands[] = {
    {u"Copy", QWebEnginePage::Copy},   {u"Cut", QWebEnginePage::Cut},
    {u"Paste", QWebEnginePage::Paste}, {u"SelectAll", QWebEnginePage::SelectAll},
    {u"Undo", QWebEnginePage::Undo},   {u"Redo", QWebEnginePage::Redo},
};

// The directory this library was loaded from: the program's own.
QString libraryDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&wkeCreateWindow), &info) == 0 || !info.dli_fname) return QString();
  return QFileInfo(QString::fromLocal8Bit(info.dli_fname)).absolutePath();
}

// One profile for every view of the process, kept in "browser" beside the library: logins
// made in the box (their cookies) outlive the program; the HTTP cache stays in memory so
// the directory does not fill.
QWebEngineProfile* sharedProfile() {
  static QWebEngineProfile* profile = [] {
    auto* made = new QWebEngineProfile(QStringLiteral("zorvqi"), QCoreApplication::instance());
    const QString directory = libraryDirectory() + QStringLiteral("/browser");
    made->setPersistentStoragePath(directory);
    made->setCachePath(directory + QStringLiteral("/cache"));
    made->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    made->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
    return made;
  }();
  return profile;
}

// The box has no second window: a link with target="_blank" or a window.open() loads in the
// view itself. Only web pages: a script or a local file asked for this way opens nothing.
void openNewWindowsInPlace(QWebEngineView& web) {
  QObject::connect(web.page(), &QWebEnginePage::newWindowRequested, &web,
                   [&web](QWebEngineNewWindowRequest& request) {
                     const QUrl url = request.requestedUrl();
                     const QString scheme = url.scheme().toLower();
                     if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) web.load(url);
                   });
}

}  // namespace

extern "C" {

wkeWindow wkeCreateWindow(wkeNativeWindow host) {
  auto* hostWidget = reinterpret_cast<QWidget*>(host);
  auto* web = new QWebEngineView(hostWidget);
  web->setPage(new QWebEnginePage(sharedProfile(), web));
  // Right clicks belong to the program's own menu, which it pops up from the message filter.
  web->setContextMenuPolicy(Qt::NoContextMenu);
  openNewWindowsInPlace(*web);
  return (new ViewObject(hostWidget, web))->asWindow();
}

wkeHandle wkeGetFromWindow(wkeWindow window) {
  return window ? ViewObject::from(window)->asHandle() : nullptr;
}

wkeWebView wkeGetWebView(wkeHandle handle) {
  return handle ? ViewObject::from(handle)->asWebView() : nullptr;
}

void wkeSetUserData(wkeWebView view, void* userData) {
  if (view) ViewObject::from(view)->setUserData(userData);
}

wkeNativeWindow wkeGetHostWindow(wkeWebView view) {
  return reinterpret_cast<wkeNativeWindow>(webViewOf(view));
}

void wkeLoadURL(wkeWebView view, const char16_t* url) {
  if (auto* web = webViewOf(view)) web->load(QUrl::fromUserInput(textOf(url)));
}

void wkeLoadHTML(wkeWebView view, const char16_t* html) {
  if (auto* web = webViewOf(view)) web->setHtml(textOf(html));
}

void wkeReload(wkeWebView view) {
  if (auto* web = webViewOf(view)) web->reload();
}

void wkeExecCommand(wkeWebView view, const char16_t* command, const char16_t*) {
  auto* web = webViewOf(view);
  if (!web) return;
  const QString name = textOf(command);
  for (const EditCommand& known : kEditCommands) {
    if (name == QString::fromUtf16(known.name)) web->triggerPageAction(known.action);
  }
}

void wkeWindowMessageFilter(wkeWebView view, wkeMessageFilter filter) {
  if (view) ViewObject::from(view)->setFilter(filter);
}

}  // extern "C"
