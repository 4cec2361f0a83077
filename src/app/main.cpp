// zorvqi: the desktop program.
#include <QApplication>
#include <QSessionManager>
#include <cstdio>

#include "app/desktop_program.h"
#include "app/termination_signals.h"
#include "app/x11_platform.h"
#include "base/clock.h"
#include "base/program_dir.h"
#include "monitor/reminder_sound.h"
#include "notify/mail_sender.h"
#include "notify/push_sender.h"
#include "notify/reminder_settings.h"
#include "store/database.h"
#include "ui/browser/browser_environment.h"
#include "ui/main/window_controllers.h"
#include "ui/notes/notes_pad.h"
#include "ui/platform/global_hot_key.h"
#include "ui/platform/program_icon.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/system_tray_icon.h"
#include "ui/qtsupport/qt_dialogs.h"
#include "ui/qtsupport/ui_thread.h"

namespace {

// `--dir DIR` names the one directory of everything; without it an installed program keeps
// its data in the user's data directory.
void chooseProgramDirs(const QStringList& args) {
  const qsizetype at = args.indexOf(QStringLiteral("--dir"));
  if (at >= 0 && at + 1 < args.size()) {
    zorvqi::setProgramDir(args[at + 1].toLocal8Bit().toStdString());
    return;
  }
  const std::string failure = zorvqi::useInstalledDirsWhereNeeded();
  if (!failure.empty()) std::fprintf(stderr, "zorvqi: %s\n", failure.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  zorvqi::app::preferX11WhereAvailable();
  zorvqi::ui::prepareForBrowserLibrary();
  QApplication app(argc, argv);
  // The window hides into the tray; only exitProgram ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(zorvqi::ui::programIcon());
  chooseProgramDirs(QApplication::arguments());

  zorvqi::ui::UiEventPump pump;
  zorvqi::setThreadPump(&pump);
  zorvqi::ui::QtDialogs dialogs;
  zorvqi::ui::SystemTrayIcon tray;
  const std::unique_ptr<zorvqi::ui::GlobalHotKey> hotKey = zorvqi::ui::createGlobalHotKey();
  zorvqi::ui::AudioSinkSoundPlayer sound;

  zorvqi::app::DesktopProgram program(
      {dialogs, tray, *hotKey, sound, zorvqi::programDatabase(), &zorvqi::app::endProcessNow});
  // A logout, a shutdown or a kill ends the program as 退出 does; the session manager's save
  // request saves only what a cancelled logout would otherwise lose.
  const zorvqi::app::TerminationSignals terminations([&program] { program.exitProgram(); });
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &app,
                   [&program](QSessionManager&) { program.saveInterval(); });
  QObject::connect(&app, &QCoreApplication::aboutToQuit, &app, [&program] { program.exitProgram(); });
  if (program.start() == zorvqi::app::StartResult::Refused) return 0;
  dialogs.setParent(&program.window());

  // The article list and the monitor on the window, with the round end's mail and pushes;
  // popup hooks join with the popup window.
  const zorvqi::MailSender mail(zorvqi::programReminderSettings(), zorvqi::currentClock());
  const zorvqi::PushSender push(zorvqi::programReminderSettings());
  const zorvqi::RoundEndSenders senders{&mail, &push};
  zorvqi::ui::WindowControllers controllers(
      program.window(),
      {program.database(), program.browser(), dialogs, program.planSelection(),
       [&program] { return program.companion().baseAddress(); }, senders, &program.runTally()});
  controllers.view().setReminderHooks(
      {.showNewArticleTray = [&program] { program.reminderTray().showNewArticles(); },
       .playReminderSound =
           [&program] { program.sound().play(zorvqi::reminderSoundBytes(), program.window()); }});
  zorvqi::ui::NotesPad notes(program.window(), program.settings(), zorvqi::currentClock());
  program.setMonitorStop([&controllers] { controllers.monitor().abandonAll(); });
  program.gateMonitorButtons(controllers.monitorButtons());
  return QApplication::exec();
}
