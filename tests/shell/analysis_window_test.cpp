#include "found_widgets.h"
#include "harness.h"
#include "platform/qt/analysis_window_view.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

namespace {

// The analysis window's view over the started simulator, brought up to date as the shell does
// after every event.
struct AnalysisRig {
    Harness h;
    AnalysisWindowView view{h.s.analysisWindow, h.s.shotLog};

    QWidget* window() const { return windowNamed(QStringLiteral("analysis")); }
    QTableWidget& table(const char* name) const
    {
        return childNamed<QTableWidget>(*window(), QString::fromLatin1(name));
    }
    QString text(const char* name) const { return childNamed<QLabel>(*window(), QString::fromLatin1(name)).text(); }
    QString cell(const char* table, int row, int column) const { return this->table(table).item(row, column)->text(); }

    // Shot k of a precision series, aimed from a fresh aim redraw at the same point of the bull.
    void fireAimedShot(int k)
    {
        h.move(355, 139 - 5.0f * static_cast<float>(k));
        h.click();
        view.sync();
        h.advanceBy(200);
    }
};

}  // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensCentredInFrontAndOnlyHidesOnClose();
    void tenShotsFillTheTableAndAResetStartsAnEmptySeries();
};

void AnalysisWindowTest::opensCentredInFrontAndOnlyHidesOnClose()
{
    AnalysisRig rig;
    rig.view.sync();
    QVERIFY(!rig.window());
    rig.h.s.f.Analysis.click();
    rig.view.sync();
    QWidget* w = rig.window();
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("АНАЛИЗ НА СТРЕЛБАТА"));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPoint offCentre =
        w->frameGeometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, "centred on the screen");

    QVERIFY(w->close());
    QCOMPARE(rig.window(), w);
    QVERIFY(w->isHidden());
    rig.h.s.f.Analysis.click();
    rig.view.sync();
    QVERIFY(w->isVisible());
}

void AnalysisWindowTest::tenShotsFillTheTableAndAResetStartsAnEmptySeries()
{
    AnalysisRig rig;
    rig.h.s.f.BAVNA.click();
    rig.h.s.f.Analysis.click();
    rig.view.sync();
    for (int k = 0; k < 10; ++k)
        rig.fireAimedShot(k);

    QTableWidget& shots = rig.table("shots");
    QCOMPARE(shots.rowCount(), 10);
    QCOMPARE(shots.columnCount(), 11);
    const QString points = QString::fromStdString(rig.h.s.f.i(10).text());
    QCOMPARE(rig.cell("shots", 9, 0), QStringLiteral("10"));
    QCOMPARE(rig.cell("shots", 9, 1), points);
    QVERIFY(rig.cell("shots", 9, 2).startsWith(points + QLatin1Char(',')));
    QCOMPARE(shots.currentRow(), 9);
    const QString total = QString::fromStdString(rig.h.s.f.i(11).text());
    QCOMPARE(rig.text("points"), total);
    const QString groupSize = rig.text("groupSize");
    QVERIFY(!groupSize.isEmpty());

    rig.h.s.f.Restart.click();
    rig.view.sync();
    QCOMPARE(shots.rowCount(), 0);
    QCOMPARE(rig.text("points"), QStringLiteral("0"));
    QTableWidget& earlier = rig.table("earlier");
    QCOMPARE(earlier.rowCount(), 1);
    QCOMPARE(rig.cell("earlier", 0, 0), QStringLiteral("10"));
    QCOMPARE(rig.cell("earlier", 0, 1), total);
    QCOMPARE(rig.cell("earlier", 0, 3), groupSize);
}

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
