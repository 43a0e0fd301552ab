#include "platform/qt/sound/qt_sound_player.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>

namespace {

// What the player gives its audio thread to close before it leaves the thread behind.
constexpr qint64 closingDeadlineMilliseconds = 2000;

}  // namespace

// The player closed at every moment of its first 60 ms: while its sink opens, while the sink asks
// for its first sound, and once it plays. Qt's PulseAudio sink, deleted while active, answers a
// request for sound still posted to it after its stream has gone, and aborts the program. That
// moment is narrow at full speed and wide under valgrind, where tests/valgrind/run runs this again.
class SoundPlayerClosingTest : public QObject {
    Q_OBJECT

private slots:
    void closingAtAnyMomentOfTheStartFinishesTheAudioThread();
};

void SoundPlayerClosingTest::closingAtAnyMomentOfTheStartFinishesTheAudioThread()
{
    for (int after = 0; after <= 60; ++after) {
        auto player = std::make_unique<QtSoundPlayer>();
        QTest::qWait(after);
        QElapsedTimer clock;
        clock.start();
        player.reset();
        QVERIFY2(clock.elapsed() < closingDeadlineMilliseconds,
                 qPrintable(QString("closed %1 ms after opening, the audio thread was left behind").arg(after)));
    }
}

QTEST_GUILESS_MAIN(SoundPlayerClosingTest)
#include "sound_player_closing_test.moc"
