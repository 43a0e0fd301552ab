#include "forms/blit.h"
#include "raster_helpers.h"
#include "view_rig.h"

#include <QPaintEvent>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

constexpr std::uint32_t sightColour = 0xff311834u;

// The part of the range view that every test compares: it lies inside what the offscreen
// platform's window grab returns also at a scale factor of 1.5, where the grab keeps only the
// window's logical size of device pixels from the top-left corner.
const QRect comparedArea(0, 0, 500, 330);

// Counts the range view's paints and remembers what they covered.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& w) { w.installEventFilter(this); }
    int paints = 0;
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
};

// What the window's backing store holds, in device pixels: exactly what was last painted.
QImage shownOnScreen(ViewRig& rig)
{
    return rig.view.screen()->grabWindow(rig.view.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The device pixel at the middle of an inner-area pixel of the range view.
QPoint devicePixel(ViewRig& rig, int x, int y)
{
    const double dpr = rig.view.devicePixelRatioF();
    const QPoint inWindow = rig.inWindow(0, 0);
    return {static_cast<int>(std::floor((inWindow.x() + x + 0.5) * dpr)),
            static_cast<int>(std::floor((inWindow.y() + y + 0.5) * dpr))};
}

std::uint32_t shownAt(const QImage& shown, ViewRig& rig, int x, int y)
{
    return shown.pixel(devicePixel(rig, x, y));
}

void waitForPaint(const PaintRecorder& recorder, int before)
{
    QTRY_VERIFY(recorder.paints > before);
}

// The compared part of the range view as a full repaint shows it, against what is shown.
void compareWithFullRepaint(ViewRig& rig)
{
    const double dpr = rig.view.devicePixelRatioF();
    const QImage full = rig.view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage shown = shownOnScreen(rig);
    const QRect logical = comparedArea.translated(rig.inWindow(0, 0));
    const QRect area(QPoint(std::ceil(logical.x() * dpr), std::ceil(logical.y() * dpr)),
                     QPoint(std::floor((logical.right() + 1) * dpr) - 1, std::floor((logical.bottom() + 1) * dpr) - 1));
    QCOMPARE(shown.copy(area), full.copy(area));
}

}  // namespace

// The range view shows the model's image with the sight pieces over it, repaints only what the
// model refreshed or moved, and keeps the pixel grid at fractional scale factors.
class RangePaintTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheModelImage();
    void repaintsOnlyTheRefreshedRectangle();
    void sightPiecesShowAtTheirRoundedPlaces();
    void partialRepaintsMatchAFullRepaint();
    void pixelGridStaysCrisp();
};

void RangePaintTest::showsTheModelImage()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    const QImage shown = shownOnScreen(rig);
    for (int y = 30; y < comparedArea.bottom(); y += 37)
        for (int x = 80; x < comparedArea.right(); x += 41)
            QCOMPARE(shownAt(shown, rig, x, y), backgroundPixel(bluePlate3, x, y));
}

void RangePaintTest::repaintsOnlyTheRefreshedRectangle()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    PaintRecorder recorder(rig.range());
    QTest::qWait(20);
    recorder.painted = {};
    const int before = recorder.paints;

    rig.s.f.Основа.PaintPicture(rig.s.f.МаскаОснова0.Picture(), 300, 200, 40, 30, 300, 200, 40, 30);
    rig.s.f.Основа.Refresh();
    rig.view.sync();
    waitForPaint(recorder, before);

    QCOMPARE(recorder.painted.boundingRect(), QRect(300, 200, 40, 30));
    const QImage shown = shownOnScreen(rig);
    QCOMPARE(shownAt(shown, rig, 300, 200), backgroundPixel(blueNoTarget, 300, 200));
    QCOMPARE(shownAt(shown, rig, 339, 229), backgroundPixel(blueNoTarget, 339, 229));
    QCOMPARE(shownAt(shown, rig, 340, 229), backgroundPixel(bluePlate3, 340, 229));
}

void RangePaintTest::sightPiecesShowAtTheirRoundedPlaces()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    PaintRecorder recorder(rig.range());
    const int before = recorder.paints;
    rig.s.f.mm1.Left = 100.4f;
    rig.s.f.mm1.Top = 50.5f;
    rig.s.f.mm3.Left = 200.5f;
    rig.s.f.mm3.Top = 300;
    rig.s.f.mmu.Left = 400.6f;
    rig.s.f.mmu.Top = 100.2f;
    rig.view.sync();
    waitForPaint(recorder, before);

    const QImage shown = shownOnScreen(rig);
    QCOMPARE(shownAt(shown, rig, 100, 50), sightColour);
    QCOMPARE(shownAt(shown, rig, 114, 69), sightColour);
    QCOMPARE(shownAt(shown, rig, 115, 60), backgroundPixel(bluePlate3, 115, 60));
    QCOMPARE(shownAt(shown, rig, 100, 70), backgroundPixel(bluePlate3, 100, 70));
    // The base's picture is 48 wide; it shows 44 columns.
    QCOMPARE(shownAt(shown, rig, 199, 305), backgroundPixel(bluePlate3, 199, 305));
    QCOMPARE(shownAt(shown, rig, 200, 305), sightColour);
    QCOMPARE(shownAt(shown, rig, 243, 311), sightColour);
    QCOMPARE(shownAt(shown, rig, 244, 305), backgroundPixel(bluePlate3, 244, 305));
    QCOMPARE(shownAt(shown, rig, 401, 100), sightColour);
    QCOMPARE(shownAt(shown, rig, 402, 119), sightColour);
    QCOMPARE(shownAt(shown, rig, 403, 110), backgroundPixel(bluePlate3, 403, 110));
}

void RangePaintTest::partialRepaintsMatchAFullRepaint()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    PaintRecorder recorder(rig.range());
    MainWindow& f = rig.s.f;
    const std::vector<std::function<void()>> changes{
        [&] {
            f.mm1.Left = 300.33f;
            f.mm1.Top = 200.67f;
            f.mm2.Left = 330.5f;
            f.mm2.Top = 201.5f;
        },
        [&] {
            bitBlt(drawAnywhere(f.Основа), 280, 190, 123, 200, f.МаскаОснова1.image(), 280, 190, RasterOp::SRCCOPY);
            f.Основа.Refresh();
            f.mm1.Left = 301.5f;
            f.mmu.Left = 317.66666f;
            f.mmu.Top = 191.25f;
        },
        [&] {
            f.mm3.Left = 299.75f;
            f.mm3.Top = 208.5f;
            f.mm2.Visible = false;
        },
        [&] {
            bitBlt(drawAnywhere(f.Основа), 0, 0, 1024, 768, f.МаскаОснова3.image(), 0, 0, RasterOp::SRCCOPY);
            f.mm1.Left = 10.5f;
            f.mm1.Top = -5.5f;
            f.Основа.Refresh();
        },
        [&] {
            f.mm2.Visible = true;
            f.mm3.Left = 477.5f;
            f.mm3.Top = 313.33f;
        },
        [&] {
            f.mm1.Left = 301;
            f.mm1.Top = 191;
            f.mmu.Left = 333;
            f.mmu.Top = 207;
        },
        [&] {
            f.mm1.Left = 101;
            f.mm1.Top = 101;
            f.mmu.Left = 111;
            f.mmu.Top = 111;
        },
        [&] {
            bitBlt(drawAnywhere(f.Основа), 151, 77, 33, 21, f.МаскаОснова0.image(), 151, 77, RasterOp::SRCCOPY);
            f.Основа.Refresh();
        },
    };
    for (const auto& change : changes) {
        const int before = recorder.paints;
        change();
        rig.view.sync();
        waitForPaint(recorder, before);
        compareWithFullRepaint(rig);
    }
}

// Every device pixel takes the colour of one image pixel next to it, and every image pixel shows:
// no smoothing, no pixel dropped, whatever the scale factor.
void RangePaintTest::pixelGridStaysCrisp()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    const double dpr = rig.view.devicePixelRatioF();
    const QImage shown = shownOnScreen(rig);
    const QRect block(300, 200, 60, 40);
    const QPoint origin = devicePixel(rig, 0, 0) - QPoint(std::floor(0.5 * dpr), std::floor(0.5 * dpr));
    std::vector<bool> columnSeen(block.width()), rowSeen(block.height());
    for (int dy = std::ceil(block.top() * dpr); dy < std::floor((block.bottom() + 1) * dpr); ++dy) {
        for (int dx = std::ceil(block.left() * dpr); dx < std::floor((block.right() + 1) * dpr); ++dx) {
            const std::uint32_t colour = shown.pixel(origin + QPoint(dx, dy));
            const int x = static_cast<int>(std::floor(dx / dpr)), y = static_cast<int>(std::floor(dy / dpr));
            bool fromGrid = false;
            for (int sy = y - 1; sy <= y + 1; ++sy)
                for (int sx = x - 1; sx <= x + 1; ++sx)
                    if (colour == backgroundPixel(bluePlate3, sx, sy) && block.contains(sx, sy)) {
                        fromGrid = true;
                        columnSeen[sx - block.left()] = true;
                        rowSeen[sy - block.top()] = true;
                    }
            QVERIFY2(fromGrid, qPrintable(QStringLiteral("device pixel %1, %2 is blended").arg(dx).arg(dy)));
        }
    }
    QVERIFY(std::all_of(columnSeen.begin() + 1, columnSeen.end() - 1, [](bool b) { return b; }));
    QVERIFY(std::all_of(rowSeen.begin() + 1, rowSeen.end() - 1, [](bool b) { return b; }));
}

QTEST_MAIN(RangePaintTest)
#include "range_paint_test.moc"
