#include "platform/qt/sound/pulse_sound_player.h"
#include "private_sound_server.h"
#include "sound_fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <memory>

// What the player leaves on its sound server: the output kept awake and in short periods while it
// is open, so that no shot waits for a suspended sound card or a long period; its sounds again on
// a server that came back; and no sample of its own once it has closed.
class SoundPlayerServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsTheOutputAwakeAndQuickWhileOpen();
    void playsAgainOnceItsServerIsBack();
    void takesItsSamplesAlongWhenItCloses();

private:
    QStringList ownSamples()
    {
        return m_server->sampleNames().filter(QString("strelbishte-%1-").arg(getpid()));
    }
    // The properties of the voice playing a sample, or none while it does not play.
    QMap<QString, QString> playing(const QString& sample)
    {
        for (const PrivateSoundServer::Listed& input : m_server->list("sink-inputs"))
            if (input.properties.value("event.id") == sample)
                return input.properties;
        return {};
    }
    QString writeTone(const char* name, double seconds)
    {
        const QString path = m_dir.filePath(name);
        return fixtures::writeWav(path, fixtures::tone(seconds, 0.2), 1, 44100) ? path : QString();
    }

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

void SoundPlayerServerTest::playsAgainOnceItsServerIsBack()
{
    const QString sound = writeTone("AK.wav", 1.0);
    auto player = std::make_unique<PulseSoundPlayer>();
    player->play(sound.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(ownSamples().size(), 1, 5000);
    const QString sample = ownSamples().front();

    m_server->kill();
    // To no server: dropped.
    player->play(sound.toStdString());
    m_server->start();
    QVERIFY(m_server->running());
    // Taken up again unasked, so that the next shot plays at once.
    QTRY_COMPARE_WITH_TIMEOUT(ownSamples(), QStringList{sample}, 2000);
    QVERIFY(playing(sample).isEmpty());
    player->play(sound.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!playing(sample).isEmpty(), 1000);
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
