// The desktop program's choice of window system before its application object exists.
#include <QTest>

#include <cstdlib>

#include "app/x11_platform.h"

namespace {

void setOrUnset(const char* name, const char* value) {
  if (value) {
    ::setenv(name, value, 1);
  } else {
    ::unsetenv(name);
  }
}

// The variable's value, or a null QByteArray when it is unset.
QByteArray saved(const char* name) {
  const char* value = std::getenv(name);
  return value ? QByteArray(value) : QByteArray();
}

}  // namespace

class X11PlatformTest : public QObject {
  Q_OBJECT

 private slots:
  void choosesXcbOnlyWhenX11IsThereAndTheUserChoseNothing_data() {
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("expected");
    // An empty QByteArray stands for an unset variable.
    QTest::newRow("Wayland session with XWayland") << QByteArray(":0") << QByteArray() << QByteArray("xcb");
    QTest::newRow("user chose wayland") << QByteArray(":0") << QByteArray("wayland") << QByteArray("wayland");
    QTest::newRow("user chose offscreen")
        << QByteArray(":1") << QByteArray("offscreen") << QByteArray("offscreen");
    QTest::newRow("no X11 display") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("empty DISPLAY") << QByteArray("") << QByteArray() << QByteArray();
  }

  void choosesXcbOnlyWhenX11IsThereAndTheUserChoseNothing() {
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, expected);
    const QByteArray savedDisplay = saved("DISPLAY");
    const QByteArray savedPlatform = saved("QT_QPA_PLATFORM");
    setOrUnset("DISPLAY", display.isNull() ? nullptr : display.constData());
    setOrUnset("QT_QPA_PLATFORM", platform.isNull() ? nullptr : platform.constData());

    zorvqi::app::preferX11WhereAvailable();
    const QByteArray chosen = saved("QT_QPA_PLATFORM");

    setOrUnset("DISPLAY", savedDisplay.isNull() ? nullptr : savedDisplay.constData());
    setOrUnset("QT_QPA_PLATFORM", savedPlatform.isNull() ? nullptr : savedPlatform.constData());
    QCOMPARE(chosen.isNull(), expected.isNull());
    QCOMPARE(chosen, expected);
  }
};

QTEST_GUILESS_MAIN(X11PlatformTest)
#include "x11_platform_test.moc"
