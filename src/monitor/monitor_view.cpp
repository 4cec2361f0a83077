#include "monitor/monitor_view.h"

#include "text/now_text.h"

namespace zorvqi {

std::string MonitorView::statusLineText(const std::string& text) {
  return "\r\n" + text + " - " + nowText(TimeForm::Long);
}

std::string roundEndTimeCell(const std::string& cell) {
  // Time cells hold ASCII only, so five characters are five bytes.
  return cell.size() <= 5 ? cell : cell.substr(cell.size() - 5);
}

}  // namespace zorvqi
