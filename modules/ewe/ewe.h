// ewe.dll: the browser library, a web view that lives as a child inside a host window.
//
// Contract: the host handle is the host QWidget* as an integer; wkeCreateWindow makes a
// child view inside it (a top-level one when the handle is 0) and hands out a window object,
// from which wkeGetFromWindow and wkeGetWebView lead to the web view (0 when none could be
// made). wkeGetHostWindow gives the view's own QWidget* as an integer, which the caller moves
// and shows; the view follows its host's size afterwards. Loads are asynchronous: the calls
// return at once and report nothing. wkeExecCommand knows the edit commands "Copy", "Cut",
// "Paste", "SelectAll", "Undo" and "Redo" ("Copy" puts the selection on the clipboard) and
// ignores others. The message filter sees the view's mouse and key messages, as the codes
// below, before the view handles them; a result of 0 leaves the message to the view, any
// other result swallows it. The view has no context menu of its own; a page's request for a
// new window (target="_blank", window.open) loads an http or https address in the view itself
// and ignores any other. Every view of the process shares one profile stored in the
// directory "browser" beside the library: cookies are kept there across runs, the HTTP cache
// only in memory. The view and its
// objects go with the host window; no call may name them after that. Texts are UTF-16 with
// a terminator; null text pointers read as empty. The program must set
// Qt::AA_ShareOpenGLContexts before its QApplication exists.
// Thread safety: UI thread only.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#else
#include <uchar.h>
#endif

#define WKE_API __attribute__((visibility("default")))

typedef intptr_t wkeNativeWindow;
typedef struct wkeWindowObject* wkeWindow;
typedef struct wkeHandleObject* wkeHandle;
typedef struct wkeViewObject* wkeWebView;

// Message codes given to the filter. lParam holds the mouse position in the view (x in the
// low 16 bits, y in the next 16, both signed); wParam the buttons and modifiers held
// (wkeMkLButton ...) for mouse messages, with the wheel's delta in the high 16 bits for
// wkeMsgMouseWheel, and the Qt key code for key messages.
enum {
  wkeMsgKeyDown = 0x100,
  wkeMsgKeyUp = 0x101,
  wkeMsgMouseMove = 0x200,
  wkeMsgLButtonDown = 0x201,
  wkeMsgLButtonUp = 0x202,
  wkeMsgLButtonDblClk = 0x203,
  wkeMsgRButtonDown = 0x204,
  wkeMsgRButtonUp = 0x205,
  wkeMsgRButtonDblClk = 0x206,
  wkeMsgMButtonDown = 0x207,
  wkeMsgMButtonUp = 0x208,
  wkeMsgMButtonDblClk = 0x209,
  wkeMsgMouseWheel = 0x20A
};
enum { wkeMkLButton = 0x1, wkeMkRButton = 0x2, wkeMkShift = 0x4, wkeMkControl = 0x8, wkeMkMButton = 0x10 };

typedef intptr_t (*wkeMessageFilter)(wkeNativeWindow window, unsigned int message, uintptr_t wParam,
                                     intptr_t lParam);

WKE_API wkeWindow wkeCreateWindow(wkeNativeWindow host);
WKE_API wkeHandle wkeGetFromWindow(wkeWindow window);
WKE_API wkeWebView wkeGetWebView(wkeHandle handle);
WKE_API void wkeSetUserData(wkeWebView view, void* userData);
WKE_API wkeNativeWindow wkeGetHostWindow(wkeWebView view);
WKE_API void wkeLoadURL(wkeWebView view, const char16_t* url);
WKE_API void wkeLoadHTML(wkeWebView view, const char16_t* html);
WKE_API void wkeReload(wkeWebView view);
WKE_API void wkeExecCommand(wkeWebView view, const char16_t* command, const char16_t* argument);
WKE_API void wkeWindowMessageFilter(wkeWebView view, wkeMessageFilter filter);

#ifdef __cplusplus
}
#endif
