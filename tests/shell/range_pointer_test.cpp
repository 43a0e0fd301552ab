#include "view_rig.h"

#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace {

// Moves the pointer over the window as a mouse does, to a whole device pixel: the first one whose
// corner lies in the view's pixel (x, y). QTest moves to whole window pixels, which at a
// fractional scale factor each Qt version turns into device pixels by its own rounding.
void movePointerTo(ViewRig& rig, int x, int y, Qt::MouseButtons held = Qt::NoButton)
{
    const double dpr = rig.view.devicePixelRatioF();
    const QPoint at = rig.inWindow(x, y);
    const QPointF position(std::ceil(at.x() * dpr) / dpr, std::ceil(at.y() * dpr) / dpr);
    QMouseEvent move(QEvent::MouseMove, position, rig.window()->mapToGlobal(position), Qt::NoButton, held,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(rig.window(), &move);
}

}  // namespace

// What the pointer does on the range view reaches the handlers in the system's terms: the pixel
// of the inner area, Button and Shift as the system numbers them, a click for a left press and
// release. What it does on the view's children stays with them.
class RangePointerTest : public QObject {
    Q_OBJECT

private slots:
    void positionsArriveAsWholeInnerPixels_data();
    void positionsArriveAsWholeInnerPixels();
    void moveThroughTheWindowReachesTheViewAtItsInnerPixel();
    void movesOverChildrenAreNotMovesOfTheView_data();
    void movesOverChildrenAreNotMovesOfTheView();
    void pressReportsButtonAndShift_data();
    void pressReportsButtonAndShift();
    void moveWithARightButtonHeldReportsIt();
    void leftPressAndReleaseFireOneClickOnRelease();
    void rightButtonNeverClicks();
    void bothClicksOfADoubleClickFire();
    void draggingOutReportsOutsidePositionsAndDoesNotFire();
    void pressesOnChildrenBelongToThem_data();
    void pressesOnChildrenBelongToThem();
};

void RangePointerTest::positionsArriveAsWholeInnerPixels_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<QPointF>("pixel");
    QTest::newRow("corner") << QPointF(0, 0) << QPointF(0, 0);
    QTest::newRow("fractions go down") << QPointF(100.7, 50.2) << QPointF(100, 50);
    QTest::newRow("last pixel") << QPointF(1023.99, 767.5) << QPointF(1023, 767);
    QTest::newRow("left of the view") << QPointF(-0.5, 3.9) << QPointF(-1, 3);
    QTest::newRow("above and beyond") << QPointF(1030.25, -7.75) << QPointF(1030, -8);
}

void RangePointerTest::positionsArriveAsWholeInnerPixels()
{
    QFETCH(QPointF, position);
    QFETCH(QPointF, pixel);
    ViewRig rig;
    QWidget& range = rig.range();
    QMouseEvent move(QEvent::MouseMove, position, range.mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&range, &move);
    const ReportedEvent expected{"move", 1, 0, static_cast<float>(pixel.x()), static_cast<float>(pixel.y())};
    QCOMPARE(rig.reportedOf("move"), std::vector<ReportedEvent>{expected});
}

void RangePointerTest::moveThroughTheWindowReachesTheViewAtItsInnerPixel()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    movePointerTo(rig, 500, 300);
    QVERIFY(!rig.reportedOf("move").empty());
    QCOMPARE(rig.reportedOf("move").back(), (ReportedEvent{"move", 0, 0, 500, 300}));
    movePointerTo(rig, 80, 0);
    QCOMPARE(rig.reportedOf("move").back(), (ReportedEvent{"move", 0, 0, 80, 0}));
}

void RangePointerTest::movesOverChildrenAreNotMovesOfTheView_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("i1") << 12 << 9;
    QTest::newRow("i10") << 12 << 297;
    QTest::newRow("i11") << 24 << 332;
    QTest::newRow("Command1") << 32 << 364;
    QTest::newRow("Analysis") << 32 << 396;
}

void RangePointerTest::movesOverChildrenAreNotMovesOfTheView()
{
    QFETCH(int, x);
    QFETCH(int, y);
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mouseMove(rig.window(), rig.inWindow(400, 400));
    rig.reported.clear();
    QTest::mouseMove(rig.window(), rig.inWindow(x, y));
    QTest::mouseMove(rig.window(), rig.inWindow(x + 1, y + 1));
    QVERIFY(rig.reported.empty());
}

void RangePointerTest::pressReportsButtonAndShift_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("Button");
    QTest::addColumn<int>("Shift");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << 1 << 0;
    QTest::newRow("right with ctrl") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ControlModifier) << 2 << 2;
    QTest::newRow("left with shift and alt")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::AltModifier) << 1 << 5;
    QTest::newRow("middle with shift") << Qt::MiddleButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << 4 << 1;
}

void RangePointerTest::pressReportsButtonAndShift()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, Button);
    QFETCH(int, Shift);
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mousePress(rig.window(), button, modifiers, rig.inWindow(321, 123));
    QCOMPARE(rig.reportedOf("down"), (std::vector<ReportedEvent>{{"down", Button, Shift, 321, 123}}));
    QTest::mouseRelease(rig.window(), button, modifiers, rig.inWindow(321, 123));
}

void RangePointerTest::moveWithARightButtonHeldReportsIt()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mousePress(rig.window(), Qt::RightButton, {}, rig.inWindow(200, 200));
    QTest::mouseMove(rig.window(), rig.inWindow(210, 205));
    QCOMPARE(rig.reportedOf("move").back(), (ReportedEvent{"move", 2, 0, 210, 205}));
    QTest::mouseRelease(rig.window(), Qt::RightButton, {}, rig.inWindow(210, 205));
}

void RangePointerTest::leftPressAndReleaseFireOneClickOnRelease()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mousePress(rig.window(), Qt::LeftButton, {}, rig.inWindow(500, 300));
    QVERIFY(rig.reportedOf("click").empty());
    QTest::mouseRelease(rig.window(), Qt::LeftButton, {}, rig.inWindow(500, 300));
    QCOMPARE(rig.reportedOf("click").size(), 1u);
    QCOMPARE(rig.reported.back().kind, "click");
}

void RangePointerTest::rightButtonNeverClicks()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mouseClick(rig.window(), Qt::RightButton, {}, rig.inWindow(500, 300));
    QTest::mouseClick(rig.window(), Qt::MiddleButton, {}, rig.inWindow(500, 300));
    QVERIFY(rig.reportedOf("click").empty());
    QCOMPARE(rig.reportedOf("down").size(), 2u);
}

void RangePointerTest::bothClicksOfADoubleClickFire()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mouseDClick(rig.window(), Qt::LeftButton, {}, rig.inWindow(500, 300));
    QCOMPARE(rig.reportedOf("click").size(), 2u);
    QCOMPARE(rig.reportedOf("down").size(), 2u);
}

void RangePointerTest::draggingOutReportsOutsidePositionsAndDoesNotFire()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QTest::mousePress(rig.window(), Qt::LeftButton, {}, rig.inWindow(20, 450));
    const QPoint leftOfTheView = rig.inWindow(-2, 460);
    movePointerTo(rig, -2, 460, Qt::LeftButton);
    QCOMPARE(rig.reportedOf("move").back(), (ReportedEvent{"move", 1, 0, -2, 460}));
    QTest::mouseRelease(rig.window(), Qt::LeftButton, {}, leftOfTheView);
    QVERIFY(rig.reportedOf("click").empty());
}

void RangePointerTest::pressesOnChildrenBelongToThem_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("i2") << 12 << 41;
    QTest::newRow("i11") << 24 << 332;
    QTest::newRow("Command1") << 32 << 364;
    QTest::newRow("Analysis") << 32 << 396;
}

// Command1 ignores all but the left button; what it ignores must not reach the view either.
void RangePointerTest::pressesOnChildrenBelongToThem()
{
    QFETCH(int, x);
    QFETCH(int, y);
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(rig.window(), button, {}, rig.inWindow(x, y));
        QTest::mouseMove(rig.window(), rig.inWindow(x + 3, y + 2));
        QTest::mouseRelease(rig.window(), button, {}, rig.inWindow(x + 3, y + 2));
    }
    QVERIFY(rig.reported.empty());
}

QTEST_MAIN(RangePointerTest)
#include "range_pointer_test.moc"
