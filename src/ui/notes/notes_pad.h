// The notes pad: 便签框 over the article list, shown and hidden with 便签, saved on every change.
//
// Contract: the note is stored as key "内容" of section "数据" of the settings file, one line
// with every line break written as "<br>".
// - `loadNote` reads the whole stored value (uncut: a note longer than the settings file's
//   read limit would otherwise be saved back cut on the next keystroke), turns every "<br>"
//   (case-sensitive) into a line break, puts it into 便签框 without that counting as a change,
//   and appends "\r\n记事读取成功！" to the status box without a time stamp.
// - `saveNote` writes the box's text with every line break as "<br>" and sets the status box
//   to "记事已于 " + the save time + " 自动保存成功！ ..." (the outcome of the write is not
//   told). The save time reads the given clock as '2020/5/3  09:07:05' (two spaces, 24-hour
//   clock, the time fields two digits).
// - 便签 clicked: `loadNote`; then a shown box is hidden, a hidden one is shown after
//   迷你首页 is released (the browser box is left as it is).
// - Every change of 便签框's text: `saveNote`.
// The window and the clock must outlive this object. Thread safety: UI thread only.
#pragma once

#include <QObject>
#include <QString>

#include "base/clock.h"
#include "store/settings_file.h"

namespace zorvqi::ui {

class MainWindow;

class NotesPad : public QObject {
 public:
  NotesPad(MainWindow& window, SettingsFile settings, const Clock& clock);

  void loadNote();
  void saveNote();
  void toggle();

  // The save time as the status box shows it, '2020/5/3  09:07:05'.
  static QString saveTimeText(const LocalTime& time);

 private:
  MainWindow& window_;
  SettingsFile settings_;
  const Clock& clock_;
};

}  // namespace zorvqi::ui
