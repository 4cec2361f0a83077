// The stand-in ewe.dll's own exports, beside the wke* functions of ewe/ewe.h.
//
// Contract: the journal holds one line per wke* call, in call order: the function name, then
// its arguments separated by single spaces (handles as decimal integers, texts as UTF-8):
//   wkeCreateWindow HOST / wkeGetFromWindow / wkeGetWebView / wkeSetUserData DATA /
//   wkeGetHostWindow / wkeLoadURL URL / wkeLoadHTML HTML / wkeReload /
//   wkeExecCommand COMMAND ARGUMENT / wkeWindowMessageFilter
// The view it makes is a plain QWidget child of the host. While views are refused,
// wkeGetWebView gives 0. Thread safety: UI thread only.
#pragma once

#include "ewe/ewe.h"

#ifdef __cplusplus
extern "C" {
#endif

// Every line of the journal, each ended by '\n'; valid until the next call into the library.
WKE_API const char* eweStandinJournal(void);
// Empties the journal and stops refusing views.
WKE_API void eweStandinReset(void);
WKE_API void eweStandinRefuseViews(int refuse);

#ifdef __cplusplus
}
#endif
