#include "found_widgets.h"
#include "harness.h"
#include "shell/target_window/target_window_host.h"
#include "state/range_facts.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

namespace {

void deleteWhatWasLeft()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The target window's view over the started simulator, its intents turned into the shell's calls;
// each is followed by the view's sync, as the shell does.
class TargetRig {
public:
    TargetRig() : h(), s(h.s), view(s.proverka, intents()) {}

    void run(const std::function<void()>& handler)
    {
        handler();
        view.sync();
    }
    // The window of the current load, found as the user's tools find it; the windows of earlier
    // loads are deleted first.
    QWidget* window() const
    {
        deleteWhatWasLeft();
        return windowNamed(QStringLiteral("proverka"));
    }
    QLineEdit* textBox(const char* name) const { return &childNamed<QLineEdit>(*window(), QString::fromLatin1(name)); }
    QScrollBar* scrollBar(const char* name) const
    {
        return &childNamed<QScrollBar>(*window(), QString::fromLatin1(name));
    }
    std::uint32_t shownAt(QPoint p) const { return window()->grab().toImage().pixel(p); }

    Harness h;
    Simulator& s;
    TargetWindowHost view;

private:
    TargetWindowIntents intents()
    {
        return {
            .clicked = [this] { run([this] { s.proverka.click(); }); },
            .closed = [this] { run([this] { s.proverka.Unload(); }); },
            .typed = [this](TextBox TargetControls::*box,
                            std::string text) { run([&] { (s.proverka.controls().*box).setText(text); }); },
            .movedBar = [this](ScrollBar TargetControls::*bar,
                               int value) { run([&] { (s.proverka.controls().*bar).setValue(value); }); },
        };
    }
};

constexpr double pixelsPerMillimetre = range::targetPixelsPerMillimetre;

QPoint pixelOf(double xMillimetres, double yMillimetres)
{
    return {static_cast<int>(xMillimetres * pixelsPerMillimetre), static_cast<int>(yMillimetres * pixelsPerMillimetre)};
}

QRgb facePixel(QPoint p)
{
    static const QImage face(QStringLiteral(":/pictures/target_face.png"));
    return face.pixel(p);
}

// Turns the wheel over the middle of a child as a mouse does: its window is handed a wheel event
// of `angle` eighths of a degree (120 a notch), which Qt passes on to the child beneath.
void turnWheel(QWidget* child, QPoint angle)
{
    QWidget* window = child->window();
    const QPointF at = child->mapTo(window, QPointF(child->rect().center()));
    QWheelEvent turn(at, window->mapToGlobal(at), {}, angle, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(window->windowHandle(), &turn);
}

}  // namespace

class TargetWindowTest : public QObject {
    Q_OBJECT

private slots:
    void rightButtonMakesAFramelessCentredWindowInItsLoadState();
    void childrenStandAtTheirPixelPlaces_data();
    void childrenStandAtTheirPixelPlaces();
    void aShotLoadsTheWindowHiddenAndCentredAndShowLaterShowsThatWindow();
    void marksAreDrawnWhereTheModelPutsThem();
    void aMarksLabelStandsOnAWhiteTagBesideIt();
    void theDarkFrameRunsAlongTheEdges();
    void unloadRemovesTheWindowAndTheNextLoadIsFresh();
    void aClickWithEitherButtonOnTheFaceOrAMarkIsTheFormClick();
    void aClickOnAChildIsNotTheFormClick_data();
    void aClickOnAChildIsNotTheFormClick();
    void movingABarRunsItsHandler();
    void aWheelNotchOrAKeyMovesABarByOneOfItsSteps_data();
    void aWheelNotchOrAKeyMovesABarByOneOfItsSteps();
    void typingIntoATextBoxSetsTheModelText();
    void closingByTheWindowManagerUnloads();
};

void TargetWindowTest::rightButtonMakesAFramelessCentredWindowInItsLoadState()
{
    TargetRig rig;
    rig.view.sync();
    QVERIFY(!rig.window());
    rig.run([&] { rig.s.f.Основа.mouseDown(2, 0, 5, 5); });

    QWidget* w = rig.window();
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->windowTitle(), QString::fromUtf8(targetCaption));
    QCOMPARE(w->windowType(), Qt::Window);
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w->size(), QSize(599, 531));
    const QPoint offCentre = w->geometry().center() - w->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 1,
             qPrintable(QStringLiteral("off by %1, %2").arg(offCentre.x()).arg(offCentre.y())));

    QCOMPARE(rig.textBox("tHorizont")->text(), QStringLiteral("0"));
    QCOMPARE(rig.textBox("tVertikal")->text(), QStringLiteral("0"));
    QCOMPARE(rig.textBox("tbi")->text(), QString());
    for (const char* name : {"Horizont", "Vertikal"}) {
        const QScrollBar* bar = rig.scrollBar(name);
        QCOMPARE(bar->value(), 100);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 200);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 10);
    }
    QCOMPARE(rig.scrollBar("Horizont")->orientation(), Qt::Horizontal);
    QCOMPARE(rig.scrollBar("Vertikal")->orientation(), Qt::Vertical);
    QCOMPARE(rig.scrollBar("Vertikal")->invertedAppearance(), false);
}

void TargetWindowTest::childrenStandAtTheirPixelPlaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::newRow("tbi") << "tbi" << QRect(48, 80, 41, 33);
    QTest::newRow("Horizont") << "Horizont" << QRect(64, 488, 81, 9);
    QTest::newRow("tHorizont") << "tHorizont" << QRect(80, 504, 41, 19);
    QTest::newRow("Picture2") << "Picture2" << QRect(16, 504, 51, 11);
    QTest::newRow("Picture1") << "Picture1" << QRect(128, 504, 51, 11);
    QTest::newRow("Vertikal") << "Vertikal" << QRect(528, 56, 9, 65);
    QTest::newRow("tVertikal") << "tVertikal" << QRect(544, 80, 41, 19);
    QTest::newRow("Picture3") << "Picture3" << QRect(560, 24, 11, 51);
    QTest::newRow("Picture4") << "Picture4" << QRect(560, 104, 11, 51);
}

void TargetWindowTest::childrenStandAtTheirPixelPlaces()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    auto* child = rig.window()->findChild<QWidget*>(name);
    QVERIFY(child);
    QCOMPARE(child->geometry(), place);
    QVERIFY(child->isVisible());
    if (auto* arrow = qobject_cast<QLabel*>(child))
        QCOMPARE(arrow->grab().toImage().pixel(place.width() / 2, place.height() / 2), qRgb(255, 0, 0));
}

void TargetWindowTest::aShotLoadsTheWindowHiddenAndCentredAndShowLaterShowsThatWindow()
{
    TargetRig rig;
    rig.run([&] { rig.s.f.Основа.click(); });
    QPointer<QWidget> hidden = rig.window();
    QVERIFY(hidden);
    QVERIFY(hidden->isHidden());
    const QPoint offCentre =
        hidden->geometry().center() - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY(offCentre.manhattanLength() <= 1);

    rig.run([&] { rig.s.proverka.Show(); });
    QCOMPARE(rig.window(), hidden.data());
    QVERIFY(hidden->isVisible());
}

void TargetWindowTest::marksAreDrawnWhereTheModelPutsThem()
{
    TargetRig rig;
    rig.run([&] {
        rig.s.proverka.Show();
        rig.s.proverka.controls().dum(1) = {range::markCentreLeft, range::markCentreTop, 1.99f, 1.99f, true};
        rig.s.proverka.controls().dum(2) = {-1, 10, 1.99f, 1.99f, true};
        rig.s.proverka.controls().dum(3) = {120, 30, 1.99f, 1.99f, false};
        rig.s.proverka.controls().dum(4) = {-352, 73.5f, 1.99f, 1.99f, true};
    });
    const QPoint centre = pixelOf(range::faceCentreLeft, range::faceCentreTop);
    QCOMPARE(rig.shownAt(centre), qRgb(0, 0, 0));
    QCOMPARE(rig.shownAt(centre + QPoint(6, 0)), facePixel(centre + QPoint(6, 0)));
    QCOMPARE(rig.shownAt(pixelOf(0, 11)), qRgb(0, 0, 0));                  // the part inside the window
    QCOMPARE(rig.shownAt(pixelOf(121, 31)), facePixel(pixelOf(121, 31)));  // a hidden mark

    rig.run([&] { rig.s.proverka.controls().dum(1).Visible = false; });
    QCOMPARE(rig.shownAt(centre), facePixel(centre));
}

// Up and right of a mark the label's tag shows white, which the face has nowhere near its centre.
void TargetWindowTest::aMarksLabelStandsOnAWhiteTagBesideIt()
{
    TargetRig rig;
    rig.run([&] {
        rig.s.proverka.Show();
        rig.s.proverka.controls().dum(1) = {range::markCentreLeft, range::markCentreTop, 1.99f, 1.99f, true};
    });
    const QPoint centre = pixelOf(range::faceCentreLeft, range::faceCentreTop);
    const auto whiteAboveRight = [&] {
        const QImage shown = rig.window()->grab().toImage();
        int white = 0;
        for (int y = centre.y() - 20; y < centre.y(); ++y)
            for (int x = centre.x(); x < centre.x() + 20; ++x)
                white += shown.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
        return white;
    };
    QCOMPARE(whiteAboveRight(), 0);

    rig.run([&] { rig.s.proverka.controls().markLabel(1) = "П3"; });
    QVERIFY(whiteAboveRight() > 20);
}

void TargetWindowTest::theDarkFrameRunsAlongTheEdges()
{
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    const QRgb frame = qRgb(64, 64, 64);
    QCOMPARE(rig.shownAt({4, 200}), frame);
    QCOMPARE(rig.shownAt({300, 2}), frame);
    QCOMPARE(rig.shownAt({593, 300}), frame);
    QCOMPARE(rig.shownAt({300, 524}), frame);
    for (QPoint outside : {QPoint(0, 200), QPoint(9, 200), QPoint(300, 8), QPoint(598, 300), QPoint(300, 529)})
        QCOMPARE(rig.shownAt(outside), facePixel(outside));
}

void TargetWindowTest::unloadRemovesTheWindowAndTheNextLoadIsFresh()
{
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    QPointer<QWidget> first = rig.window();
    rig.scrollBar("Horizont")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(rig.s.windage, 10);

    rig.run([&] { rig.s.proverka.Unload(); });
    QVERIFY(!rig.window());
    QVERIFY(!first || first->isHidden());
    deleteWhatWasLeft();
    QVERIFY(!first);

    rig.run([&] { rig.s.proverka.Show(); });
    QWidget* second = rig.window();
    QVERIFY(second && second->isVisible());
    QCOMPARE(rig.scrollBar("Horizont")->value(), 100);
    QCOMPARE(rig.textBox("tHorizont")->text(), QStringLiteral("Text1"));

    // Unloaded and loaded again within one event: a fresh window all the same.
    QPointer<QWidget> before = second;
    rig.run([&] {
        rig.s.proverka.controls().tbi.setText("9");
        rig.s.proverka.Unload();
        rig.s.proverka.Show();
    });
    QVERIFY(rig.window() && rig.window() != before.data());
    QCOMPARE(rig.textBox("tbi")->text(), QString());
}

void TargetWindowTest::aClickWithEitherButtonOnTheFaceOrAMarkIsTheFormClick()
{
    TargetRig rig;
    rig.run([&] {
        rig.s.proverka.Show();
        rig.s.proverka.controls().dum(1) = {range::markCentreLeft, range::markCentreTop, 1.99f, 1.99f, true};
    });
    for (auto [button, where] : {std::pair{Qt::LeftButton, QPoint(200, 300)},
                                 {Qt::RightButton, QPoint(400, 150)},
                                 {Qt::LeftButton, pixelOf(range::faceCentreLeft, range::faceCentreTop)},
                                 {Qt::RightButton, QPoint(3, 100)}}) {
        rig.run([&] { rig.s.proverka.Show(); });
        QVERIFY(rig.s.proverka.raiseSerial() > rig.s.f.raiseSerial());
        QTest::mouseClick(rig.window(), button, {}, where);
        QVERIFY2(rig.s.f.raiseSerial() > rig.s.proverka.raiseSerial(), "the main window comes to the front");
        QCOMPARE(rig.s.proverka.state(), WindowState::Shown);
    }
}

void TargetWindowTest::aClickOnAChildIsNotTheFormClick_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"tbi", "tHorizont", "tVertikal", "Horizont", "Vertikal", "Picture1", "Picture2", "Picture3", "Picture4"})
        QTest::newRow(name) << name;
}

void TargetWindowTest::aClickOnAChildIsNotTheFormClick()
{
    QFETCH(QString, name);
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    const std::uint64_t mainRaised = rig.s.f.raiseSerial();
    auto* child = rig.window()->findChild<QWidget*>(name);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        QTest::mouseClick(child, button, {}, child->rect().center());
    QCOMPARE(rig.s.f.raiseSerial(), mainRaised);
}

void TargetWindowTest::movingABarRunsItsHandler()
{
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    QScrollBar* horizont = rig.scrollBar("Horizont");
    QScrollBar* vertikal = rig.scrollBar("Vertikal");
    horizont->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(rig.s.windage, 1);
    QCOMPARE(rig.textBox("tHorizont")->text(), QStringLiteral("1"));
    vertikal->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(rig.s.elevation, -100);
    QCOMPARE(rig.textBox("tVertikal")->text(), QStringLiteral("-100"));
    vertikal->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(rig.s.elevation, -90);

    rig.run([&] { rig.s.proverka.controls().Horizont.setValue(37); });
    QCOMPARE(horizont->value(), 37);
    QCOMPARE(rig.s.windage, -63);
}

void TargetWindowTest::aWheelNotchOrAKeyMovesABarByOneOfItsSteps_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Horizont") << "Horizont";
    QTest::newRow("Vertikal") << "Vertikal";
}

void TargetWindowTest::aWheelNotchOrAKeyMovesABarByOneOfItsSteps()
{
    QFETCH(QString, name);
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    QVERIFY(QTest::qWaitForWindowExposed(rig.window()));
    QScrollBar* bar = rig.scrollBar(name.toLatin1().constData());
    const auto movedBy = [bar](const std::function<void()>& act) {
        const int before = bar->value();
        act();
        return bar->value() - before;
    };

    // Away from the user, or to the left, is towards the top and the left end.
    QCOMPARE(movedBy([&] { turnWheel(bar, {0, 120}); }), -1);
    QCOMPARE(movedBy([&] { turnWheel(bar, {0, -120}); }), 1);
    QCOMPARE(movedBy([&] { turnWheel(bar, {120, 0}); }), -1);
    // A finer wheel's half notches add up to one step.
    QCOMPARE(movedBy([&] { turnWheel(bar, {0, -60}); }), 0);
    QCOMPARE(movedBy([&] { turnWheel(bar, {0, -60}); }), 1);

    bar->setFocus();
    for (auto [key, steps] : {std::pair{Qt::Key_Right, 1},
                              {Qt::Key_Left, -1},
                              {Qt::Key_Down, 1},
                              {Qt::Key_Up, -1},
                              {Qt::Key_PageDown, 10},
                              {Qt::Key_PageUp, -10}}) {
        const int moved = movedBy([&] { QTest::keyClick(bar, key); });
        QVERIFY2(moved == steps, qPrintable(QStringLiteral("%1 moved the bar by %2, not %3")
                                                .arg(QKeySequence(key).toString())
                                                .arg(moved)
                                                .arg(steps)));
    }
}

void TargetWindowTest::typingIntoATextBoxSetsTheModelText()
{
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    QTest::keyClicks(rig.textBox("tbi"), QStringLiteral("12"));
    QCOMPARE(rig.s.proverka.controls().tbi.text(), "12");
}

void TargetWindowTest::closingByTheWindowManagerUnloads()
{
    TargetRig rig;
    rig.run([&] { rig.s.proverka.Show(); });
    QPointer<QWidget> w = rig.window();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    w->close();
    QCOMPARE(rig.s.proverka.state(), WindowState::NotLoaded);
    QVERIFY(!rig.window());
    deleteWhatWasLeft();
    QVERIFY(!w);
}

QTEST_MAIN(TargetWindowTest)
#include "target_window_test.moc"
