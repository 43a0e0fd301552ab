#include "found_widgets.h"
#include "harness.h"
#include "shell/main_window/main_window_widget.h"
#include "shell/shell.h"

#include <QLineEdit>
#include <QPushButton>
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
    Shell shell{s, sounds};

    QWidget& view() { return *windowNamed(QStringLiteral("f")); }
    QWidget& child(const char* name) { return childNamed(view(), QString::fromUtf8(name)); }
    QPoint inWindow(int x, int y) { return child("Основа").mapTo(&view(), QPoint(x, y)); }
    // Runs `during` as the handler of a user's event: a click on a button of the window.
    void inEvent(const std::function<void()>& during)
    {
        s.f.BAVNA.onClick = during;
        QTest::mouseClick(&childNamed<QPushButton>(view(), QStringLiteral("BAVNA")), Qt::LeftButton);
    }
};

}  // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    void startUpLoadsTheFormAndShowsTheWindow();
    void startUpPreparesEverySoundWithoutPlayingIt();
    void resizingRecentresOnlyTheButtonBar_data();
    void resizingRecentresOnlyTheButtonBar();
    void pointerMovesReachAimTracking();
    void leftClickFiresAShot();
    void timersTickFromTheEventLoop();
    void timersCatchUpBeforeEveryHandler();
    void showBringsTheMainWindowToTheFront();
    void closingUnloadsEveryWindowAndEndsTheEventLoop();
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
    QCOMPARE(rig.child("Frame1").x(), 50);
    QCOMPARE(rig.view().size(), QSize(792, 598));
}

void ShellTest::startUpPreparesEverySoundWithoutPlayingIt()
{
    ShellRig rig;
    const std::vector<std::string> sounds{"/opt/стрелбище/AK.wav", "/opt/стрелбище/AK2.wav",
                                          "/opt/стрелбище/signal_command.wav", "/opt/стрелбище/signal_start.wav",
                                          "/opt/стрелбище/signal_stop.wav"};
    QCOMPARE(rig.sounds.prepared, sounds);
    QVERIFY(rig.sounds.played.empty());
}

void ShellTest::resizingRecentresOnlyTheButtonBar_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<int>("barLeft");
    QTest::newRow("start size") << 792 << 50;  // 742.5 twips, 49.5 pixels
    QTest::newRow("wider") << 1200 << 254;     // 3802.5 twips, 253.5 pixels
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
    QTRY_COMPARE(rig.child("Frame1").x(), barLeft);
    QCOMPARE(rig.s.f.Width, static_cast<float>((clientWidth + 4) * 15));
    QCOMPARE(rig.child("Frame1").geometry(), QRect(barLeft, 8, 697, 33));
    QCOMPARE(rig.child("rangeBorder").geometry(), QRect(1, 56, 1028, 772));
    QCOMPARE(rig.child("Основа").geometry(), QRect(2, 2, 1024, 768));
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
    QCOMPARE(childNamed<QLineEdit>(rig.view(), QStringLiteral("i1")).text().toStdString(), rig.s.f.i(1).text());
    QTest::mouseClick(rig.view().windowHandle(), Qt::RightButton, {}, rig.inWindow(500, 300));
    QCOMPARE(rig.s.shotNumber, 1);
}

void ShellTest::timersTickFromTheEventLoop()
{
    ShellRig rig;
    int ticks = 0;
    rig.s.f.Timer1.onTimer = [&] { ++ticks; };
    rig.inEvent([&] { rig.s.f.Timer1.setEnabled(true); });
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 5000);
    rig.inEvent([&] { rig.s.f.Timer1.setEnabled(false); });
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
    rig.inEvent([&] { ticksSeenByTheHandler = recoilTicks; });
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
    rig.inEvent([&] { rig.s.f.Show(); });
    QTRY_VERIFY(rig.view().isActiveWindow());
}

void ShellTest::closingUnloadsEveryWindowAndEndsTheEventLoop()
{
    ShellRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view()));
    rig.inEvent([&] {
        rig.s.proverka.Show();
        rig.s.analysisWindow.Show();
    });
    QWidget* analysis = windowNamed(QStringLiteral("analysis"));
    QVERIFY(analysis && analysis->isVisible());
    QTimer::singleShot(0, &rig.view(), [&] { rig.view().close(); });
    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(rig.s.proverka.state(), WindowState::NotLoaded);
    QCOMPARE(rig.s.analysisWindow.state(), WindowState::NotLoaded);
    QVERIFY(analysis->isHidden());
    QCOMPARE(rig.s.f.state(), WindowState::NotLoaded);
    QVERIFY(rig.view().isHidden());
}

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
