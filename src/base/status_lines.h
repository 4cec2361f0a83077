// The status box as a port for whoever only reports: one time-stamped line at a time.
//
// Contract: `appendStatus` adds the line "\r\n" + text + " - " + the long time text to the
// status box (GBK). The monitor's view is one; the desktop and the headless program hand it
// to the parts that report outside a round (the mail test of the options).
// Thread safety: implementations may be called from any thread.
#pragma once

#include <string>

namespace zorvqi {

class StatusLines {
 public:
  virtual ~StatusLines() = default;
  virtual void appendStatus(const std::string& text) = 0;
};

}  // namespace zorvqi
