#include "ui/main/article_menu.h"

#include "text/number.h"
#include "ui/main/article_list_model.h"

namespace zorvqi::ui {
namespace {

QAction* namedAction(QMenu& menu, const QString& name, const QString& caption) {
  QAction* action = menu.addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

ArticleMenu::ArticleMenu() : menu_(std::make_unique<QMenu>()) {
  menu_->setObjectName(QStringLiteral("文章菜单"));
  favourite_ = namedAction(*menu_, QStringLiteral("加入收藏"), QStringLiteral("加入到收藏夹"));
  exportRows_ = namedAction(*menu_, QStringLiteral("导出已选行"), QStringLiteral("导出已选行"));
  qrCode_ = namedAction(*menu_, QStringLiteral("生成二维码"), QStringLiteral("生成二维码"));
  menu_->addSeparator();
  previousPage_ = namedAction(*menu_, QStringLiteral("上一页"), QStringLiteral("上一页"));
  nextPage_ = namedAction(*menu_, QStringLiteral("下一页"), QStringLiteral("下一页"));
}

void ArticleMenu::prepare(const ArticleRow* selected) {
  favourite_->setEnabled(selected != nullptr);
  if (!selected) return;
  const bool notFavourite = textToInt32(selected->cells[kStateColumn]) == 0;
  favourite_->setText(notFavourite ? QStringLiteral("加入到收藏夹") : QStringLiteral("移出收藏夹"));
}

}  // namespace zorvqi::ui
