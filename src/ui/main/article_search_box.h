// 搜索框: the keyword search of the stored articles and its hint text.
//
// Contract: Enter (or the keypad's Enter) searches for the box's text through
// ArticlePages::searchTitles, the text as typed (the hint text too, when it is still there);
// an empty box does nothing, other keys only edit. Getting the focus sets the status box to
// the search tip and empties a box that holds exactly the hint "输入关键词，回车搜索"; losing it
// puts the hint back into an empty box. A double-click empties the box.
// Thread safety: UI thread only.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QPointer>

#include "monitor/monitor_view.h"
#include "ui/main/article_pages.h"

namespace zorvqi::ui {

QString searchBoxHint();

class ArticleSearchBox : public QObject {
  Q_OBJECT

 public:
  ArticleSearchBox(QLineEdit& box, ArticlePages& pages, MonitorView& status);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void focusEntered();
  void focusLeft();

  QPointer<QLineEdit> box_;
  ArticlePages& pages_;
  MonitorView& status_;
};

}  // namespace zorvqi::ui
