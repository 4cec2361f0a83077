// The fields of one page fetch, as a plan or the plan editor holds them.
//
// Contract: every text is GBK. The switches are integers as stored with a plan: only the
// value 1 turns a switch on. Markers may be empty; they only serve the start-marker check
// that decides whether the second HTTP stack is tried. Thread safety: a plain value.
#pragma once

#include <string>

namespace zorvqi {

struct PageRequest {
  std::string url;
  int postSwitch = 0;  // 1: POST, otherwise GET
  std::string postData;
  std::string cookie;
  std::string headerText;  // lines "Name:value" separated by "\r\n"
  int gbkSwitch = 0;       // 1: the page is GBK, otherwise UTF-8
  int gzipSwitch = 0;      // 1: a zlib body is decompressed too, and deflate may be asked for
  std::string startMarker;
  std::string endMarker;

  bool isPost() const { return postSwitch == 1; }
};

}  // namespace zorvqi
