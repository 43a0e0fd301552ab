#include "analysis/coach_advice.h"
#include "analysis/coach_figures.h"
#include "analysis/window_text.h"
#include "found_widgets.h"
#include "harness.h"
#include "shell/analysis_window/analysis_window_host.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>

namespace {

// The analysis window's view over the started simulator, brought up to date as the shell does
// after every event.
struct AnalysisRig {
    Harness h;
    AnalysisWindowHost view{h.s.analysisWindow, h.s.shotLog, h.s.course, [this] { h.s.analysisWindow.Hide(); }};

    QWidget* window() const { return windowNamed(QStringLiteral("analysis")); }
    QTableWidget& table(const char* name) const
    {
        return childNamed<QTableWidget>(*window(), QString::fromLatin1(name));
    }
    QString text(const char* name) const { return childNamed<QLabel>(*window(), QString::fromLatin1(name)).text(); }
    QString cell(const char* table, int row, int column) const { return this->table(table).item(row, column)->text(); }

    void openOnPrecisionFire()
    {
        h.s.f.BAVNA.click();
        h.s.f.Analysis.click();
        view.sync();
    }

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
    void theCoachsFiguresAreReadUnderTheirCaptions();
    void theBladeOffsetAndTheRunsSeriesAreReadAsTheirFigures();
    void aReplayStopsAtASecondPressANewShotAndASeriesReset();
    void everyColumnOfATenShotSeriesFitsAndTheChosenShotIsTakenApart();
    void theCoursesResultsShowOnlyOnceACourseHasSome();
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
    QCOMPARE(rig.h.s.analysisWindow.state(), WindowState::Hidden);
    rig.view.sync();
    QVERIFY(w->isHidden());
    rig.h.s.f.Analysis.click();
    rig.view.sync();
    QVERIFY(w->isVisible());
}

void AnalysisWindowTest::tenShotsFillTheTableAndAResetStartsAnEmptySeries()
{
    AnalysisRig rig;
    rig.openOnPrecisionFire();
    for (int k = 0; k < 10; ++k)
        rig.fireAimedShot(k);

    QTableWidget& shots = rig.table("shots");
    QCOMPARE(shots.rowCount(), 10);
    QCOMPARE(shots.columnCount(), 10);
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

void AnalysisWindowTest::theCoachsFiguresAreReadUnderTheirCaptions()
{
    AnalysisRig rig;
    rig.openOnPrecisionFire();
    for (int k = 0; k < 3; ++k)
        rig.fireAimedShot(k);
    rig.h.advanceBy(700);
    rig.fireAimedShot(3);  // after a sway tick, at the frame of a move

    QTableWidget& shots = rig.table("shots");
    const std::vector<std::string> fourth = seriesText(rig.h.s.shotLog, rig.h.s.course).shots.at(3);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&shots)->tableInterface();
    QVERIFY(table);
    for (int column = 1; column < shots.columnCount(); ++column) {
        const QString caption = QString::fromUtf8(shotColumns.at(column)).replace(QLatin1Char('\n'), QLatin1Char(' '));
        QCOMPARE(table->cellAt(3, column)->text(QAccessible::Name),
                 caption + QStringLiteral(": ") + QString::fromStdString(fourth.at(column)));
    }

    const QString advice = QString::fromStdString(coachAdvice(coachFigures(rig.h.s.shotLog.series())));
    QLabel& adviceLabel = childNamed<QLabel>(*rig.window(), QStringLiteral("advice"));
    QCOMPARE(adviceLabel.text(), advice);
    QVERIFY(adviceLabel.wordWrap());
    QCOMPARE(adviceLabel.accessibleName(), QStringLiteral("Съвет: ") + advice);
}

void AnalysisWindowTest::theBladeOffsetAndTheRunsSeriesAreReadAsTheirFigures()
{
    AnalysisRig rig;
    rig.openOnPrecisionFire();
    rig.fireAimedShot(0);
    rig.fireAimedShot(1);

    // The pointer's frame puts the blade 21.6667 px right of mm1 and level with it: 0.2167 right of
    // and 0.15 above where the shot reads a level centred blade (21.45, 0.15).
    QLabel& offset = childNamed<QLabel>(*rig.window(), QStringLiteral("bladeOffset"));
    QCOMPARE(offset.text(), QStringLiteral("X 0,22   Y 0,15"));
    QCOMPARE(offset.accessibleName(), QStringLiteral("Мушка от средата на прореза, px: X 0,22   Y 0,15"));

    rig.h.s.f.Restart.click();
    rig.view.sync();
    rig.fireAimedShot(0);
    QWidget& chart = childNamed(*rig.window(), QStringLiteral("seriesChart"));
    const QString present =
        QStringLiteral("серия 2, текущата: %1 точки, %2 десетични").arg(rig.text("points"), rig.text("decimal"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(&chart)->text(QAccessible::Description),
        QStringLiteral("серия 1: %1 точки, %2 десетични; ").arg(rig.cell("earlier", 0, 1), rig.cell("earlier", 0, 2)) +
            present);
}

void AnalysisWindowTest::aReplayStopsAtASecondPressANewShotAndASeriesReset()
{
    AnalysisRig rig;
    rig.openOnPrecisionFire();
    auto& play = childNamed<QPushButton>(*rig.window(), QStringLiteral("replay"));
    QVERIFY2(!play.isEnabled(), "no shot to replay");
    rig.fireAimedShot(0);

    play.click();
    QVERIFY(play.isChecked());
    QCOMPARE(play.text(), QStringLiteral("Спри"));
    play.click();
    QVERIFY(!play.isChecked());
    QCOMPARE(play.text(), QStringLiteral("Повтори"));

    play.click();
    rig.fireAimedShot(1);
    QVERIFY2(!play.isChecked(), "a new shot stops the replay");
    QCOMPARE(rig.table("shots").rowCount(), 2);
    QCOMPARE(rig.cell("shots", 1, 1), QString::fromStdString(rig.h.s.f.i(2).text()));

    play.click();
    rig.h.s.f.Restart.click();
    rig.view.sync();
    QVERIFY2(!play.isChecked(), "a series reset stops the replay");
    QVERIFY(!play.isEnabled());
}

void AnalysisWindowTest::everyColumnOfATenShotSeriesFitsAndTheChosenShotIsTakenApart()
{
    AnalysisRig rig;
    rig.openOnPrecisionFire();
    for (int k = 0; k < 10; ++k)
        rig.fireAimedShot(k);
    QWidget* w = rig.window();
    QCOMPARE(w->size(), QSize(1260, 720));
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTableWidget& shots = rig.table("shots");
    QCOMPARE(shots.horizontalScrollBar()->maximum(), 0);
    QVERIFY(!shots.horizontalScrollBar()->isVisible());

    shots.selectRow(2);
    const ChosenShotText third = chosenShotText(&rig.h.s.shotLog.series().at(2));
    QLabel& hold = childNamed<QLabel>(*w, QStringLiteral("hold"));
    QCOMPARE(hold.text(), QString::fromStdString(third.hold.value));
    QCOMPARE(hold.accessibleName(), QStringLiteral("Задържане, мм: ") + QString::fromStdString(third.hold.value));
    QCOMPARE(childNamed<QLabel>(*w, QStringLiteral("landing")).text(), QString::fromStdString(third.landing.value));
}

void AnalysisWindowTest::theCoursesResultsShowOnlyOnceACourseHasSome()
{
    AnalysisRig rig;
    rig.h.s.f.Analysis.click();
    rig.view.sync();
    QVERIFY(!rig.table("course").isVisible());

    rig.h.s.course.course = 2;  // the duel: 6 match series of 50 points at most
    rig.h.s.course.record.resize(1);
    rig.h.s.course.record[0].stopped = true;
    rig.view.sync();
    QTableWidget& course = rig.table("course");
    QVERIFY(course.isVisible());
    QCOMPARE(course.accessibleName(), QStringLiteral("Резултати от дисциплината"));
    QCOMPARE(course.rowCount(), 2);
    QCOMPARE(rig.cell("course", 0, 0), QStringLiteral("Пробна"));
    QCOMPARE(rig.cell("course", 1, 3), QStringLiteral("0 от 300"));
}

QTEST_MAIN(AnalysisWindowTest)
#include "analysis_window_test.moc"
