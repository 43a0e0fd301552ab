#include "harness.h"
#include "platform/qt/shell.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// The whole system on the offscreen screen, started as the program starts it.
struct ShellRig {
    ShellRig() { shell.start(); }

    RecordingSoundPlayer sounds;
    Simulator s{testPictures(), sounds, "/opt/стрелбище"};
    Shell shell{s};

    MainWindowView& view() { return shell.mainWindow(); }
    QPoint inWindow(int x, int y) { return view().rangeView().mapTo(&view(), QPoint(x, y)); }
};

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void startUpLoadsTheFormAndShowsTheWindow();
    void resizingRecentresOnlyTheButtonBar_data();
    void resizingRecentresOnlyTheButtonBar();
    void pointerMovesReachAimTracking();
    void leftClickFiresAShot();
    void timersTickFromTheEventLoop();
    void timersCatchUpBeforeEveryHandler();
    void showBringsTheMainWindowToTheFront();
    void closingUnloadsBothWindowsAndEndsTheEventLoop();
};

void ShellTest::startUpLoadsTheFormAndShowsTheWindow()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    QCOMPARE(rig.s.f.state(), WindowState::Shown);
    QCOMPARE(rig.s.appPath, "/opt/стрелбище");
    QCOMPARE(rig.s.f.mi.Left, 708.0f);
    QCOMPARE(rig.s.proverka.state(), WindowState::NotLoaded);
    // The offscreen platform frames a window with 2 pixels on each side: 796 pixels outside.
    QCOMPARE(rig.view().frameGeometry().width(), 796);
    QCOMPARE(rig.s.f.Width, 11940.0f);
    QCOMPARE(rig.view().buttonBar().x(), 50);
    QCOMPARE(rig.view().size(), QSize(792, 598));
}

void ShellTest::resizingRecentresOnlyTheButtonBar_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("barLeft");
    QTest::newRow("start size") << 792 << 50;            // 742.5 twips, 49.5 pixels
    QTest::newRow("wider") << 1200 << 254;               // 3802.5 twips, 253.5 pixels
    QTest::newRow("as wide as the bar") << 693 << 0;
    QTest::newRow("narrower than the bar") << 400 << -146;  // -2197.5 twips, -146.5 pixels
}

void ShellTest::resizingRecentresOnlyTheButtonBar()
{
    QFETCH(int, clientWidth);
    QFETCH(int, barLeft);
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    rig.view().resize(clientWidth, 700);
    QTRY_COMPARE(rig.view().buttonBar().x(), barLeft);
    QCOMPARE(rig.s.f.Width, static_cast<float>((clientWidth + 4) * 15));
    QCOMPARE(rig.view().buttonBar().geometry(), QRect(barLeft, 8, 697, 33));
    QCOMPARE(rig.view().rangeBorder().geometry(), QRect(1, 56, 1028, 772));
    QCOMPARE(rig.view().rangeView().geometry(), QRect(2, 2, 1024, 768));
}

void ShellTest::pointerMovesReachAimTracking()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    QTest::mouseMove(rig.view().windowHandle(), rig.inWindow(500, 300));
    QCOMPARE(rig.s.armX, 501.0f);
    QCOMPARE(rig.s.armY, 301.0f);
    QCOMPARE(rig.s.f.mm1.Left, 529.0f);
    QVERIFY(rig.s.f.Timer1.enabled());
}

void ShellTest::leftClickFiresAShot()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    QTest::mouseClick(rig.view().windowHandle(), Qt::LeftButton, {}, rig.inWindow(500, 300));
    QCOMPARE(rig.s.shotNumber, 1);
    QVERIFY(!rig.s.f.i(1).text().empty());
    QCOMPARE(rig.view().rangeView().scoreBox(1)->text().toStdString(), rig.s.f.i(1).text());
    QTest::mouseClick(rig.view().windowHandle(), Qt::RightButton, {}, rig.inWindow(500, 300));
    QCOMPARE(rig.s.shotNumber, 1);
}

void ShellTest::timersTickFromTheEventLoop()
{
    ShellRig rig;
    int ticks = 0;
    rig.s.f.Timer1.onTimer = [&] { ++ticks; };
    rig.shell.dispatch([&] { rig.s.f.Timer1.setEnabled(true); });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 5000);
    rig.shell.dispatch([&] { rig.s.f.Timer1.setEnabled(false); });
    const int stoppedAt = ticks;
    QTest::qWait(700);
    QCOMPARE(ticks, stoppedAt);
}

void ShellTest::timersCatchUpBeforeEveryHandler()
{
    ShellRig rig;
    int recoilTicks = 0;
    rig.s.f.otkat.onTimer = [&] { ++recoilTicks; };
    QThread::msleep(40);
    int ticksSeenByTheHandler = -1;
    rig.shell.dispatch([&] { ticksSeenByTheHandler = recoilTicks; });
    QCOMPARE(ticksSeenByTheHandler, 1);
}

void ShellTest::showBringsTheMainWindowToTheFront()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());
    rig.shell.dispatch([&] { rig.s.f.Show(); });
    QTRY_VERIFY(rig.view().isActiveWindow());
}

void ShellTest::closingUnloadsBothWindowsAndEndsTheEventLoop()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    rig.shell.dispatch([&] { rig.s.proverka.Show(); });
    QTimer::singleShot(0, &rig.view(), [&] { rig.view().close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(rig.s.proverka.state(), WindowState::NotLoaded);
    QCOMPARE(rig.s.f.state(), WindowState::NotLoaded);
    QVERIFY(rig.view().isHidden());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
