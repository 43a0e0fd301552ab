#include "platform/qt/sound/pulse_sound_player.h"
#include "private_sound_server.h"
#include "sound_fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <memory>

// What the player leaves on its sound server: the output kept awake and in short periods while it
// is open, so that no shot waits for a suspended sound card or a long period, and no sample of its
// own once it has closed.
class SoundPlayerServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsTheOutputAwakeAndQuickWhileOpen();
    void takesItsSamplesAlongWhenItCloses();

private:
    QStringList ownSamples() { return m_server->sampleNames().filter(QString("strelbishte-%1-").arg(getpid())); }

    QTemporaryDir m_dir;
    std::unique_ptr<PrivateSoundServer> m_server;
};

void SoundPlayerServerTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_server = std::make_unique<PrivateSoundServer>(m_dir.path());
    QVERIFY2(m_server->running(), "no PulseAudio of the test's own");
    qputenv("PULSE_SERVER", m_server->address().toUtf8());
}

void SoundPlayerServerTest::keepsTheOutputAwakeAndQuickWhileOpen()
{
    QTRY_COMPARE_WITH_TIMEOUT(m_server->sinkState(), QString("SUSPENDED"), 5000);
    auto player = std::make_unique<PulseSoundPlayer>();
    QTest::qWait(2500);
    QCOMPARE_NE(m_server->sinkState(), QString("SUSPENDED"));
    const int latency = m_server->configuredLatency();
    QVERIFY2(latency > 0 && latency <= 10000, qPrintable(QString("%1 us").arg(latency)));
    player.reset();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->sinkState(), QString("SUSPENDED"), 5000);
}

void SoundPlayerServerTest::takesItsSamplesAlongWhenItCloses()
{
    const QString first = m_dir.filePath("AK.wav");
    const QString second = m_dir.filePath("AK2.wav");
    QVERIFY(fixtures::writeWav(first, fixtures::tone(0.3, 0.2), 1, 44100));
    QVERIFY(fixtures::writeWav(second, fixtures::tone(0.5, 0.2), 2, 48000));
    auto player = std::make_unique<PulseSoundPlayer>();
    player->play(first.toStdString());
    player->play(second.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(ownSamples().size(), 2, 5000);
    // Closed while both still play.
    player.reset();
    QCOMPARE(ownSamples(), QStringList());
}

QTEST_GUILESS_MAIN(SoundPlayerServerTest)
#include "sound_player_server_test.moc"
