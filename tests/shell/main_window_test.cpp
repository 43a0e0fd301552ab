#include "view_rig.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

// The main window's widgets: caption, captions, places, background, and what the controls
// hand to the model.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void captionIsExact();
    void buttonCaptions_data();
    void buttonCaptions();
    void controlsStandAtTheirPixelPlaces_data();
    void controlsStandAtTheirPixelPlaces();
    void rangeViewIsA1024By768AreaInsideASunkenTwoPixelBorder();
    void windowOpensCentredWithItsClientSize();
    void backgroundIsGrey();
    void barButtonsClickTheirModelButtons();
    void command1ClicksItsModelButton();
    void typingIntoAScoreBoxSetsTheModelText();
    void modelTextShowsInTheScoreBox();
    void closingReportsTheUnload();
    void thePointerOverTheRangeViewIsTheOneScreenMousePointerNames();
};

void MainWindowTest::captionIsExact()
{
    ViewRig rig;
    const QString caption = rig.view.windowTitle();
    QCOMPARE(caption.size(), 111);
    QVERIFY(caption.startsWith(QStringLiteral("СИМУЛАТОР НА РЕАЛНА СТРЕЛБА С ЗОКРАВИН")));
    QVERIFY(caption.endsWith(QStringLiteral("ДЕСЕН БУТОН - МИШЕНА")));
    QList<qsizetype> longRuns;
    for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral(" {2,}")).globalMatch(caption))
        longRuns.append(m.capturedLength());
    QCOMPARE(longRuns, (QList<qsizetype>{15, 2, 7}));
    QCOMPARE(caption, QStringLiteral("СИМУЛАТОР НА РЕАЛНА СТРЕЛБА С ЗОКРАВИН               ЛЯВ БУТОН НА МИШКАТА  - "
                                     "ИЗСТРЕЛ       ДЕСЕН БУТОН - МИШЕНА"));
}

void MainWindowTest::buttonCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("BAVNA") << "BAVNA" << QStringLiteral("ПРЕЦИЗНА СТРЕЛБА");
    QTest::newRow("Restart") << "Restart" << QStringLiteral("СМЯНА НА МИШЕНА");
    QTest::newRow("Barza") << "Barza" << QStringLiteral("БЪРЗА СТРЕЛБА");
    QTest::newRow("Command1") << "Command1" << QStringLiteral("Мишена");
    QTest::newRow("Analysis") << "Analysis" << QStringLiteral("Анализ");
}

void MainWindowTest::buttonCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    ViewRig rig;
    auto* button = rig.view.findChild<QPushButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
}

void MainWindowTest::controlsStandAtTheirPixelPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");  // in the parent's pixels; the range view's children in its inner area
    QTest::newRow("BAVNA") << "BAVNA" << QRect(0, 0, 121, 33);
    QTest::newRow("Restart") << "Restart" << QRect(272, 0, 121, 33);
    QTest::newRow("Barza") << "Barza" << QRect(560, 0, 121, 33);
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("i%d", k) << QStringLiteral("i%1").arg(k) << QRect(0, 32 * (k - 1), 25, 19);
    QTest::newRow("i11") << "i11" << QRect(0, 320, 49, 24);
    QTest::newRow("Command1") << "Command1" << QRect(0, 352, 65, 25);
    QTest::newRow("Analysis") << "Analysis" << QRect(0, 384, 65, 25);
}

void MainWindowTest::controlsStandAtTheirPixelPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    ViewRig rig;
    auto* widget = rig.view.findChild<QWidget*>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), place);
    QVERIFY(widget->isVisible());
}

void MainWindowTest::rangeViewIsA1024By768AreaInsideASunkenTwoPixelBorder()
{
    ViewRig rig;
    auto* border = &childNamed<QFrame>(rig.view, QStringLiteral("rangeBorder"));
    QVERIFY(border);
    // 10 twips from the left, 56 pixels down.
    QCOMPARE(border->geometry(), QRect(1, 56, 1028, 772));
    QCOMPARE(border->frameWidth(), 2);
    QCOMPARE(border->frameShadow(), QFrame::Sunken);
    QCOMPARE(rig.range().geometry(), QRect(2, 2, 1024, 768));
    QCOMPARE(childNamed(rig.view, QStringLiteral("Frame1")).geometry().topLeft().y(), 8);
    QCOMPARE(childNamed(rig.view, QStringLiteral("Frame1")).size(), QSize(697, 33));
}

void MainWindowTest::windowOpensCentredWithItsClientSize()
{
    ViewRig rig;
    QVERIFY(QTest::qWaitForWindowExposed(&rig.view));
    QCOMPARE(rig.view.size(), QSize(792, 598));
    const QPoint screenCentre = rig.view.screen()->availableGeometry().center();
    const QPoint offCentre = rig.view.frameGeometry().center() - screenCentre;
    QVERIFY2(offCentre.manhattanLength() <= 1,
             qPrintable(QStringLiteral("off by %1, %2").arg(offCentre.x()).arg(offCentre.y())));
}

void MainWindowTest::backgroundIsGrey()
{
    ViewRig rig;
    const QImage shown = rig.view.grab().toImage();
    const QPoint betweenBarAndRange(400 * shown.devicePixelRatio(), 48 * shown.devicePixelRatio());
    const QPoint insideBarBetweenButtons =
        childNamed(rig.view, QStringLiteral("Frame1")).mapTo(&rig.view, QPoint(200, 16)) * shown.devicePixelRatio();
    QCOMPARE(shown.pixel(betweenBarAndRange), qRgb(128, 128, 128));
    QCOMPARE(shown.pixel(insideBarBetweenButtons), qRgb(128, 128, 128));
}

void MainWindowTest::barButtonsClickTheirModelButtons()
{
    ViewRig rig;
    std::vector<std::string> clicked;
    rig.s.f.BAVNA.onClick = [&] { clicked.push_back("BAVNA"); };
    rig.s.f.Restart.onClick = [&] { clicked.push_back("Restart"); };
    rig.s.f.Barza.onClick = [&] { clicked.push_back("Barza"); };
    for (const char* name : {"Barza", "BAVNA", "Restart", "Barza"})
        QTest::mouseClick(rig.view.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
    QCOMPARE(clicked, (std::vector<std::string>{"Barza", "BAVNA", "Restart", "Barza"}));
}

void MainWindowTest::command1ClicksItsModelButton()
{
    ViewRig rig;
    int clicks = 0;
    rig.s.f.Command1.onClick = [&] { ++clicks; };
    QTest::mouseClick(&childNamed<QPushButton>(rig.view, QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QVERIFY(rig.reported.empty());
}

void MainWindowTest::typingIntoAScoreBoxSetsTheModelText()
{
    ViewRig rig;
    std::vector<std::string> changes;
    rig.s.f.i(11).onChange = [&] { changes.push_back(rig.s.f.i(11).text()); };
    QLineEdit* total = (&childNamed<QLineEdit>(rig.view, QStringLiteral("i11")));
    QTest::keyClicks(total, QStringLiteral("95"));
    QCOMPARE(changes, (std::vector<std::string>{"9", "95"}));
    // Typing in the middle keeps the cursor where it is.
    total->setCursorPosition(0);
    QTest::keyClicks(total, QStringLiteral("1"));
    QTest::keyClicks(total, QStringLiteral("2"));
    QCOMPARE(rig.s.f.i(11).text(), "1295");
    QCOMPARE(total->text(), QStringLiteral("1295"));
}

void MainWindowTest::modelTextShowsInTheScoreBox()
{
    ViewRig rig;
    rig.s.f.i(3).setText("7");
    rig.s.f.i(11).setText("-12");
    rig.view.sync();
    QCOMPARE((&childNamed<QLineEdit>(rig.view, QStringLiteral("i3")))->text(), QStringLiteral("7"));
    QCOMPARE((&childNamed<QLineEdit>(rig.view, QStringLiteral("i11")))->text(), QStringLiteral("-12"));
    rig.s.f.i(3).setText("");
    rig.view.sync();
    QCOMPARE((&childNamed<QLineEdit>(rig.view, QStringLiteral("i3")))->text(), QString());
}

void MainWindowTest::closingReportsTheUnload()
{
    ViewRig rig;
    QVERIFY(rig.view.close());
    QCOMPARE(rig.unloads, 1);
    QVERIFY(rig.view.isHidden());
}

void MainWindowTest::thePointerOverTheRangeViewIsTheOneScreenMousePointerNames()
{
    ViewRig rig;
    QVERIFY(!rig.range().testAttribute(Qt::WA_SetCursor));
    rig.s.f.ScreenMousePointer = 11;
    rig.view.sync();
    QCOMPARE(rig.range().cursor().shape(), Qt::WaitCursor);
    rig.s.f.ScreenMousePointer = 0;
    rig.view.sync();
    QVERIFY2(!rig.range().testAttribute(Qt::WA_SetCursor), "the default pointer is the view's own again");
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
