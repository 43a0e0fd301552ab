#include "view_rig.h"

#include "app/bindings.h"
#include "course/course_run.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <vector>

// The course's controls on the main window: the menu "Дисциплина", the panel and the lamps, as
// the model holds them.
class CourseControlsTest : public QObject {
    Q_OBJECT

private slots:
    void theMenuListsTheModelsItemsInOrderUnderAnalysis();
    void anItemIsChosenWithTheArrowKeysAndEnter();
    void thePanelShowsTheCourseWithItsSpokenCaptions();
    void everyCommandShowsWholeInTheLargestLettersThatFit();
    void theLampTheCourseLightsShinesAndNothingShowsWithoutACourse();
    void theLightsAreReadAsTheyShowFromTheLoadOn();
};

namespace {

QStringList menuTexts(QPushButton& button)
{
    QStringList texts;
    for (const QAction* action : button.menu()->actions())
        texts << action->text();
    return texts;
}

QString spoken(const QWidget& view, const char* name)
{
    return childNamed<QLabel>(view, QString::fromLatin1(name)).accessibleName();
}

// Time runs to `to` through every tick on the way, and the view shows where it stands.
void runTo(ViewRig& rig, Millis to)
{
    while (const std::optional<Millis> next = rig.s.timers.nextDeadline()) {
        if (*next > to)
            break;
        rig.s.timers.advance(*next);
    }
    rig.s.timers.advance(to);
    rig.view.sync();
}

}  // namespace

void CourseControlsTest::theMenuListsTheModelsItemsInOrderUnderAnalysis()
{
    ViewRig rig;
    auto& button = childNamed<QPushButton>(rig.view, QStringLiteral("Discipline"));
    QCOMPARE(button.text(), QStringLiteral("Дисциплина"));
    const QRect analysis = childNamed<QPushButton>(rig.view, QStringLiteral("Analysis")).geometry();
    QCOMPARE(button.size(), analysis.size());
    QCOMPARE(button.x(), analysis.x());
    QVERIFY(button.y() > analysis.bottom());
    QVERIFY(button.y() - analysis.bottom() < analysis.height());
    const QStringList courses{
        QStringLiteral("Стандартен пистолет 25 м"), QStringLiteral("Спортен пистолет 25 м, прецизност"),
        QStringLiteral("Спортен пистолет 25 м, дуел"), QStringLiteral("Скорострелен пистолет 25 м")};
    QCOMPARE(menuTexts(button), courses);

    rig.s.f.Discipline.items.back().Visible = true;
    rig.view.sync();
    QCOMPARE(menuTexts(button), courses + QStringList{QStringLiteral("Край на дисциплината")});
}

void CourseControlsTest::anItemIsChosenWithTheArrowKeysAndEnter()
{
    ViewRig rig;
    std::vector<std::size_t> chosen;
    for (std::size_t n = 0; n < rig.s.f.Discipline.items.size(); ++n)
        rig.s.f.Discipline.items[n].onClick = [&chosen, n] { chosen.push_back(n); };
    auto& button = childNamed<QPushButton>(rig.view, QStringLiteral("Discipline"));
    QMenu& menu = *button.menu();

    QTimer::singleShot(0, &menu, [&menu] {
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Return);
    });
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);
    QTRY_COMPARE(chosen, std::vector<std::size_t>{2});
}

void CourseControlsTest::thePanelShowsTheCourseWithItsSpokenCaptions()
{
    ViewRig rig;
    bindEvents(rig.s);
    startCourse(rig.s, 2);
    runTo(rig, 700);
    const QWidget& panel = childNamed(rig.view, QStringLiteral("coursePanel"));
    QVERIFY(panel.isVisible());
    QCOMPARE(spoken(rig.view, "courseCommand"), QStringLiteral("Команда: ЗАРЕДИ"));
    QCOMPARE(spoken(rig.view, "courseTimeLeft"), QStringLiteral("Оставащо време: 59,3"));
    QCOMPARE(spoken(rig.view, "courseSeries"), QStringLiteral("Серия: Пробна серия"));
    QCOMPARE(childNamed<QLabel>(rig.view, QStringLiteral("courseTimeLeft")).text(), QStringLiteral("59,3"));
    auto& ready = childNamed<QPushButton>(rig.view, QStringLiteral("Ready"));
    QVERIFY(ready.isVisible());
    QCOMPARE(ready.text(), QStringLiteral("Готов"));

    QTest::mouseClick(&ready, Qt::LeftButton);
    QCOMPARE(spoken(rig.view, "courseCommand"), QStringLiteral("Команда: ВНИМАНИЕ"));
    QVERIFY(!ready.isVisible());
    // The panel stands clear of the plates' row, right of the middle plates' arm.
    QVERIFY(panel.geometry().top() > 140);
    QVERIFY(panel.geometry().left() > 509 + 60);
    QVERIFY(panel.geometry().right() < 790 && panel.geometry().bottom() < 540);
}

void CourseControlsTest::everyCommandShowsWholeInTheLargestLettersThatFit()
{
    ViewRig rig;
    bindEvents(rig.s);
    startCourse(rig.s, 3);
    rig.view.sync();
    const auto& command = childNamed<QLabel>(rig.view, QStringLiteral("courseCommand"));
    const auto shownWhole = [&command] {
        return QFontMetrics(command.font()).horizontalAdvance(command.text()) <= command.contentsRect().width();
    };
    QCOMPARE(command.text(), QStringLiteral("ЗАРЕДИ"));
    QVERIFY(shownWhole());
    QCOMPARE(command.font().pointSizeF(), 20.0);

    QTest::mouseClick(&childNamed<QPushButton>(rig.view, QStringLiteral("Ready")), Qt::LeftButton);
    QCOMPARE(command.text(), QStringLiteral("ВНИМАНИЕ"));
    QVERIFY(shownWhole());
    QVERIFY(command.font().pointSizeF() < 20.0);

    runTo(rig, 7'000);  // the start, from the attention at 0: its five letters are as big as the load's
    QCOMPARE(command.text(), QStringLiteral("СТАРТ"));
    QCOMPARE(command.font().pointSizeF(), 20.0);
}

void CourseControlsTest::theLampTheCourseLightsShinesAndNothingShowsWithoutACourse()
{
    ViewRig rig;
    bindEvents(rig.s);
    auto& lamps = childNamed(rig.view, QStringLiteral("courseLamps"));
    QVERIFY(!lamps.isVisible());
    QVERIFY(!childNamed(rig.view, QStringLiteral("coursePanel")).isVisible());

    startCourse(rig.s, 2);
    runTo(rig, 60'000);  // the attention, from the course's start at 0: the red light
    QVERIFY(lamps.isVisible());
    QVERIFY(lamps.geometry().bottom() < 90);
    const QImage red = lamps.grab().toImage();
    const QPoint redCentre(lamps.height() / 2, lamps.height() / 2);
    const QPoint greenCentre(lamps.width() - lamps.height() / 2, lamps.height() / 2);
    QCOMPARE(red.pixelColor(redCentre), QColor(255, 32, 32));
    QCOMPARE(red.pixelColor(greenCentre), QColor(20, 60, 25));

    runTo(rig, 67'000);  // the duel's first exposure: the green light
    const QImage green = lamps.grab().toImage();
    QCOMPARE(green.pixelColor(redCentre), QColor(70, 20, 20));
    QCOMPARE(green.pixelColor(greenCentre), QColor(32, 230, 64));
}

void CourseControlsTest::theLightsAreReadAsTheyShowFromTheLoadOn()
{
    ViewRig rig;
    bindEvents(rig.s);
    const QWidget& lamps = childNamed(rig.view, QStringLiteral("courseLamps"));
    startCourse(rig.s, 2);
    runTo(rig, 100);
    QCOMPARE(lamps.accessibleName(), QStringLiteral("Светлините са угасени"));
    runTo(rig, 60'000);
    QCOMPARE(lamps.accessibleName(), QStringLiteral("Червена светлина"));
    runTo(rig, 67'000);
    QCOMPARE(lamps.accessibleName(), QStringLiteral("Зелена светлина"));
}

QTEST_MAIN(CourseControlsTest)
#include "course_controls_test.moc"
