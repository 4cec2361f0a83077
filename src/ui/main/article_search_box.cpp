#include "ui/main/article_search_box.h"

#include <QKeyEvent>

#include "text/charset.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::ui {

QString searchBoxHint() {
  return QStringLiteral("输入关键词，回车搜索");
}

ArticleSearchBox::ArticleSearchBox(QLineEdit& box, ArticlePages& pages, MonitorView& status)
    : box_(&box), pages_(pages), status_(status) {
  box.installEventFilter(this);
}

bool ArticleSearchBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != box_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      focusEntered();
      return false;
    case QEvent::FocusOut:
      focusLeft();
      return false;
    case QEvent::MouseButtonDblClick:
      box_->clear();
      return true;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
      pages_.searchTitles(fromQString(box_->text()));
      return true;
    }
    default:
      return false;
  }
}

void ArticleSearchBox::focusEntered() {
  status_.setStatus(utf8ToGbk("输入关键词，按 Enter键 回车，将显示历史文章中的相关文章，双击可清空"));
  if (box_->text() == searchBoxHint()) box_->clear();
}

void ArticleSearchBox::focusLeft() {
  if (box_->text().isEmpty()) box_->setText(searchBoxHint());
}

}  // namespace zorvqi::ui
