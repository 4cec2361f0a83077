// The desktop program on a temporary program directory, with stand-ins for the parts a test
// cannot drive on a real desktop: the tray, the global hot key and the sound. Each test file
// that starts the program includes this header.
//
// Contract: `ProgramDirectory` makes the directory and puts ewe.dll (the stand-in), zorv.db
// and zorvqi.ini there on request; `TestProgram` sets the program directory, builds the
// DesktopProgram on its own store, dialogs and stand-ins, and counts the process ends that
// exitProgram asks for instead of ending the test. Texts given and read here are UTF-8.
// Thread safety: UI thread only.
#pragma once

#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/desktop_program.h"
#include "base/event_pump.h"
#include "base/program_dir.h"
#include "support/ewe_standin/ewe_standin_fixture.h"
#include "support/store_files.h"
#include "support/temp_dir.h"
#include "text/charset.h"

namespace zorvqi::testing {

class StandinTray : public ui::TrayIcon {
 public:
  struct Shown {
    ui::TrayImage image;
    QString tip;
  };

  bool trayThere = true;
  std::vector<Shown> shown;
  int removed = 0;

  bool canShow() const override { return trayThere; }
  void show(ui::TrayImage image, const QString& tip) override { shown.push_back({image, tip}); }
  void remove() override { ++removed; }
  void click(ui::TrayClick click) { reportClick(click, QPoint(40, 30)); }
};

class StandinHotKey : public ui::GlobalHotKey {
 public:
  ui::HotKeyGrab result = ui::HotKeyGrab::Unsupported;
  Qt::KeyboardModifiers modifiers;
  Qt::Key key = Qt::Key_unknown;
  std::function<void()> pressed;

  ui::HotKeyGrab grab(Qt::KeyboardModifiers grabbedModifiers, Qt::Key grabbedKey,
                      std::function<void()> handler) override {
    if (result != ui::HotKeyGrab::Grabbed) return result;
    modifiers = grabbedModifiers;
    key = grabbedKey;
    pressed = std::move(handler);
    return result;
  }
};

class SilentSound : public ui::SoundPlayer {
 public:
  std::vector<std::string> played;
  void play(const std::string& waveBytes, StatusLines&) override { played.push_back(waveBytes); }
};

// A plan row of table `rule` (UTF-8 name).
inline std::string planRow(int id, int category, const std::string& name, int isdo) {
  return "INSERT INTO rule (id, class, code, name, url, cookie, ua, buquan, regular, before, after, tindex, "
         "uindex, oindex, isdo, lastid, type, postinfo, tcode) VALUES (" +
         std::to_string(id) + ", " + std::to_string(category) + ", '1', '" + name +
         "', 'http://127.0.0.1:9/list', '', '', '[1]', '(.*?)', '', '', 1, 0, '', " + std::to_string(isdo) +
         ", '', 5, '', '');";
}

class ProgramDirectory {
 public:
  ProgramDirectory() { QVERIFY(dir_.isValid()); }

  std::string path() const { return dir_.path().toStdString(); }
  std::string file(const std::string& name) const { return path() + "/" + name; }

  std::string addBrowserLibrary() { return installEweStandin(path()); }
  void addDatabase(const std::string& extraSql = "") {
    createSqliteFile(file("zorv.db"), shippedSchema() + extraSql);
  }
  void addGarbageDatabase() { writeFileBytes(file("zorv.db"), std::string(4096, '\x5a') + "not a database"); }
  void writeSettings(const std::string& utf8) { writeFileBytes(file("zorvqi.ini"), utf8ToGbk(utf8)); }
  std::string settingsText() const { return gbkToUtf8(readFileBytes(file("zorvqi.ini"))); }

 private:
  QTemporaryDir dir_;
};

class TestProgram {
 public:
  explicit TestProgram(const ProgramDirectory& directory) {
    setProgramDir(directory.path());
    program = std::make_unique<app::DesktopProgram>(
        app::DesktopParts{dialogs, tray, hotKey, sound, database, [this] { ++processEnds; }});
  }
  ~TestProgram() {
    program.reset();
    clearProgramStopForTests();
  }

  // The message boxes shown so far, as (title, text) in UTF-8.
  std::vector<std::pair<std::string, std::string>> messages() const {
    std::vector<std::pair<std::string, std::string>> result;
    for (const auto& shown : dialogs.shown())
      result.emplace_back(gbkToUtf8(shown.title), gbkToUtf8(shown.text));
    return result;
  }
  std::string status() const { return gbkToUtf8(program->window().statusText()); }

  RecordingDialogs dialogs;
  StandinTray tray;
  StandinHotKey hotKey;
  SilentSound sound;
  Database database;
  int processEnds = 0;
  std::unique_ptr<app::DesktopProgram> program;
};

// A directory with everything start-up needs: the stand-in browser library, a database with
// plans in two categories, and a settings file.
inline void makeCompleteDirectory(ProgramDirectory& dir, const std::string& settings) {
  dir.addBrowserLibrary();
  dir.addDatabase(planRow(1, 1, "论坛甲", 1) + planRow(2, 1, "论坛乙", 0) + planRow(3, 2, "新闻丙", 1) +
                  planRow(4, 2, "停用丁", 3));
  dir.writeSettings("[配置]\n类别=<论坛><新闻>\n" + settings);
}

}  // namespace zorvqi::testing
