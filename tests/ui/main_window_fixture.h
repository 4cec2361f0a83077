// A main window with its article list and monitor, on a real SQLite file in a fresh program
// directory, with the stand-in ewe.dll behind its browser box. For the window's Qt tests.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "base/clock.h"
#include "base/dialogs.h"
#include "base/program_dir.h"
#include "store/database.h"
#include "support/ewe_standin/ewe_standin_fixture.h"
#include "support/store_files.h"
#include "text/charset.h"
#include "ui/browser/browser_view.h"
#include "ui/main/main_window.h"
#include "ui/main/tree_widget_plan_selection.h"
#include "ui/main/window_controllers.h"
#include "ui/qtsupport/qt_text.h"

namespace zorvqi::testing {

inline constexpr const char* kServiceBase = "http://127.0.0.1:1";

class MainWindowFixture {
 public:
  // `sql` (UTF-8) runs on the new zorv.db after the shipped schema.
  explicit MainWindowFixture(const std::string& sql) {
    setProgramDir(dir.path().toStdString());
    journal = std::make_unique<EweStandinJournal>(installEweStandin(dir.path().toStdString()));
    createSqliteFile(file("zorv.db"), shippedSchema() + sql);
    database.openStore(file("zorv.db"));
    window.resize(ui::MainWindow::kDesignWidth, ui::MainWindow::kDesignHeight);
    window.show();
    browser.create(window.浏览器框);
    selection = std::make_unique<ui::TreeWidgetPlanSelection>(*window.栏目框);
    controllers = std::make_unique<ui::WindowControllers>(
        window, ui::WindowServices{database, browser, dialogs, *selection,
                                   [] { return std::string(kServiceBase); }, nullptr, &tally});
    journal->reset();
  }

  std::string file(const std::string& name) const { return (dir.path() + "/").toStdString() + name; }
  QString status() const { return window.状态框->toPlainText(); }
  ui::ArticleListModel& articles() { return controllers->articles(); }
  ui::ArticlePages& pages() { return controllers->pages(); }
  // GBK cell text of a row as UTF-8, for comparisons with the tests' own literals.
  std::string cell(int row, int column) { return gbkToUtf8(articles().article(row).cells[column]); }
  std::string storedMark(int id) {
    const TextTable t = database.queryTable("select issoucang from info where id=" + std::to_string(id));
    return t.rows.empty() ? std::string("missing") : t.rows[0][0];
  }

  QTemporaryDir dir;
  std::unique_ptr<EweStandinJournal> journal;
  Database database;
  RecordingDialogs dialogs;
  ui::MainWindow window;
  ui::BrowserView browser;
  std::unique_ptr<ui::TreeWidgetPlanSelection> selection;
  ui::RunTally tally;
  std::unique_ptr<ui::WindowControllers> controllers;
};

}  // namespace zorvqi::testing
