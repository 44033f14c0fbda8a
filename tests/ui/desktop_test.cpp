// The program on a real X11 desktop: a window manager and a panel along the top of the screen,
// as many users have. Run through tests/x11_desktop.sh, which starts Xvfb and openbox.
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "app/app.h"
#include "balance/aervik.h"
#include "tests/ui/ui_harness.h"

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
             "needs an X11 desktop: run through tests/x11_desktop.sh");
  }

  void theMainWindowLiesBelowATopPanel() {
    // A dock window 32 pixels high that reserves the top of the screen, as a desktop panel does.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget panel;
    panel.setAttribute(Qt::WA_X11NetWmWindowTypeDock);
    panel.setGeometry(0, 0, screen.width(), 32);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const QString strut =
        QStringLiteral("0, 0, 32, 0, 0, 0, 0, 0, 0, %1, 0, 0").arg(screen.width() - 1);
    QCOMPARE(QProcess::execute(QStringLiteral("xprop"),
                               {QStringLiteral("-id"), QString::number(panel.winId()),
                                QStringLiteral("-f"), QStringLiteral("_NET_WM_STRUT_PARTIAL"),
                                QStringLiteral("32c"), QStringLiteral("-set"),
                                QStringLiteral("_NET_WM_STRUT_PARTIAL"), strut}),
             0);
    QTRY_COMPARE(QGuiApplication::primaryScreen()->availableGeometry().top(), 32);

    climate::CreateWindows();
    Gaervik->show();
    // The frame, title bar and menu included, at the corner of the area the panel leaves.
    QTRY_COMPARE(Gaervik->frameGeometry().topLeft(), QPoint(0, 32));
    climate::DestroyWindows();
  }
};

UI_TEST_CLASS(DesktopTest)
#include "desktop_test.moc"
