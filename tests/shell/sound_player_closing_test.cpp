#include "shell/sound/pulse_sound_player.h"
#include "sound_fixtures.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// What the player gives itself to close before it leaves its threads behind.
constexpr qint64 closingDeadlineMilliseconds = 2000;

}  // namespace

// The player closed at every moment of its first 60 ms, with a sound asked for as it opens: while
// it connects to the server, while it reads the file and arms its voices, and while the sound
// plays. The moments are narrow at full speed and wide under valgrind, where tests/valgrind/run
// runs this again.
class SoundPlayerClosingTest : public QObject {
    Q_OBJECT

private slots:
    void closingAtAnyMomentOfTheStartFinishesInTime();
};

void SoundPlayerClosingTest::closingAtAnyMomentOfTheStartFinishesInTime()
{
    QTemporaryDir dir;
    const QString sound = dir.filePath("AK.wav");
    QVERIFY(fixtures::writeWav(sound, fixtures::tone(0.3, 0.2), 1, 44100));
    for (int after = 0; after <= 60; ++after) {
        auto player = std::make_unique<PulseSoundPlayer>();
        player->play(sound.toStdString());
        QTest::qWait(after);
        QElapsedTimer clock;
        clock.start();
        player.reset();
        QVERIFY2(clock.elapsed() < closingDeadlineMilliseconds,
                 qPrintable(QString("closed %1 ms after opening, the player's threads were left behind").arg(after)));
    }
}

QTEST_GUILESS_MAIN(SoundPlayerClosingTest)
#include "sound_player_closing_test.moc"
