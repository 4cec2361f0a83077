#include "ui/main/window_monitor_view.h"

#include "base/clock.h"
#include "text/now_text.h"
#include "ui/main/main_window.h"
#include "ui/qtsupport/ui_thread.h"

namespace zorvqi::ui {
namespace {

template <class Hook, class... Args>
void callHook(const Hook& hook, Args&&... args) {
  if (!hook) return;
  runOnUiThread([&] { hook(std::forward<Args>(args)...); });
}

}  // namespace

WindowMonitorView::WindowMonitorView(MainWindow& window, ArticleListModel& articles, RunTally* tally)
    : window_(&window), articles_(&articles), tally_(tally) {}

void WindowMonitorView::setStatus(const std::string& text) {
  runOnUiThread([&] {
    if (window_) window_->setStatus(text);
  });
}

void WindowMonitorView::appendRawStatus(const std::string& text) {
  runOnUiThread([&] {
    if (window_) window_->appendRawStatus(text);
  });
}

void WindowMonitorView::insertArticleAtTop(const ArticleRow& row) {
  runOnUiThread([&] {
    if (articles_) articles_->insertAtTop(row);
    if (tally_) tally_->articleStored(currentClock().now());
  });
}

void WindowMonitorView::appendArticle(const ArticleRow& row) {
  runOnUiThread([&] {
    if (articles_) articles_->append(row);
  });
}

void WindowMonitorView::clearArticles() {
  runOnUiThread([&] {
    if (articles_) articles_->clear();
  });
}

void WindowMonitorView::trimArticles(int keep) {
  runOnUiThread([&] {
    if (articles_) articles_->trimTo(keep);
  });
}

void WindowMonitorView::markTopRowAtRoundEnd() {
  runOnUiThread([&] {
    if (articles_) articles_->markTopRowAtRoundEnd();
  });
}

void WindowMonitorView::roundEnded() {
  if (tally_) tally_->roundEnded(nowText(TimeForm::Long));
}

void WindowMonitorView::ensurePopupWindow() {
  callHook(hooks_.ensurePopupWindow);
}

void WindowMonitorView::addPopupRow(const std::string& title, const std::string& address, bool key) {
  callHook(hooks_.addPopupRow, title, address, key);
}

void WindowMonitorView::startPopupAutoClear() {
  callHook(hooks_.startPopupAutoClear);
}

void WindowMonitorView::showNewArticleTray() {
  callHook(hooks_.showNewArticleTray);
}

void WindowMonitorView::playReminderSound() {
  callHook(hooks_.playReminderSound);
}

}  // namespace zorvqi::ui
