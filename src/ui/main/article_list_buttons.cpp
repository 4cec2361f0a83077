#include "ui/main/article_list_buttons.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace zorvqi::ui {

ArticleListButtons::ArticleListButtons(QToolButton& favourites, QToolButton& allArticles, QLabel& headerLabel,
                                       QTableView& list, ArticlePages& pages)
    : headerLabel_(&headerLabel), pages_(pages) {
  connect(&favourites, &QToolButton::clicked, this, [this] { pages_.showFavourites(); });
  connect(&allArticles, &QToolButton::clicked, this, [this] { pages_.showAllArticles(); });
  headerLabel.setText({});
  headerLabel.setAttribute(Qt::WA_TranslucentBackground);
  headerLabel.setGeometry(list.x(), list.y(), list.width(), list.horizontalHeader()->sizeHint().height());
  headerLabel.raise();
  headerLabel.installEventFilter(this);
}

bool ArticleListButtons::eventFilter(QObject* watched, QEvent* event) {
  if (watched != headerLabel_ || event->type() != QEvent::MouseButtonDblClick) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  pages_.headerLabelDoubleClicked(qRound(mouse->position().x()));
  return true;
}

}  // namespace zorvqi::ui
