#include "platform/qt/sound/pulse_sound_player.h"
#include "private_sound_server.h"
#include "sound_fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <chrono>
#include <memory>

// What the player leaves on its sound server: the output kept awake and in short periods while a
// shot may come, so that no shot waits for a suspended sound card or a long period, and at rest
// otherwise; the program's name, icon and role on what it plays; its sounds again on a server
// that came back; and no sample of its own once it has closed, nor of a player that was killed.
class SoundPlayerServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsTheOutputAwakeAndQuickWhileReady();
    void restsUntilAskedAndOnceNotAskedForItsTime();
    void showsItsNameIconAndRoleOnItsClientAndItsPlays();
    void playsAgainOnceItsServerIsBack();
    void removesTheSamplesOfPlayersNoLongerRunning();
    void takesItsSamplesAlongWhenItCloses();

private:
    QStringList ownSamples() { return m_server->sampleNames().filter(QString("strelbishte-%1-").arg(getpid())); }
    // The sink inputs of the stream that keeps the output awake; plays are sink inputs too.
    QList<int> keepAwakeStreams()
    {
        QList<int> found;
        for (const PrivateSoundServer::Listed& input : m_server->list("sink-inputs"))
            if (input.properties.value("media.name") == "Изстрели")
                found << input.index;
        return found;
    }
    // The properties of the client that a process connected, or none.
    QMap<QString, QString> clientOf(qint64 process)
    {
        for (const PrivateSoundServer::Listed& client : m_server->list("clients"))
            if (client.properties.value("application.process.id") == QString::number(process))
                return client.properties;
        return {};
    }
    // The properties of the voice playing a sample, or none while it does not play: PulseAudio
    // names the sample in event.id, PipeWire in media.name.
    QMap<QString, QString> playing(const QString& sample)
    {
        for (const PrivateSoundServer::Listed& input : m_server->list("sink-inputs"))
            if (input.properties.value("event.id") == sample || input.properties.value("media.name") == sample)
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

void SoundPlayerServerTest::keepsTheOutputAwakeAndQuickWhileReady()
{
    QTRY_COMPARE_WITH_TIMEOUT(m_server->sinkState(), QString("SUSPENDED"), 5000);
    auto player = std::make_unique<PulseSoundPlayer>();
    player->keepReady();
    QTest::qWait(2500);
    QCOMPARE_NE(m_server->sinkState(), QString("SUSPENDED"));
    const int latency = m_server->configuredLatency();
    QVERIFY2(latency > 0 && latency <= 10000, qPrintable(QString("%1 us").arg(latency)));
    player->rest();
    QTRY_COMPARE_WITH_TIMEOUT(keepAwakeStreams().size(), 0, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->sinkState(), QString("SUSPENDED"), 5000);
}

void SoundPlayerServerTest::restsUntilAskedAndOnceNotAskedForItsTime()
{
    const QString sound = writeTone("AK.wav", 0.1);
    auto player = std::make_unique<PulseSoundPlayer>(std::chrono::seconds(1));
    QTRY_VERIFY_WITH_TIMEOUT(!clientOf(getpid()).isEmpty(), 3000);
    QTest::qWait(300);
    QCOMPARE(keepAwakeStreams(), QList<int>());

    player->keepReady();
    QTRY_COMPARE_WITH_TIMEOUT(keepAwakeStreams().size(), 1, 2000);
    const QList<int> opened = keepAwakeStreams();
    // Asked again and again for two and a half times its second: the same stream all along.
    for (int k = 0; k < 12; ++k) {
        QTest::qWait(200);
        player->keepReady();
    }
    QCOMPARE(keepAwakeStreams(), opened);
    QTRY_COMPARE_WITH_TIMEOUT(keepAwakeStreams(), QList<int>(), 3000);

    player->play(sound.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(keepAwakeStreams().size(), 1, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(keepAwakeStreams(), QList<int>(), 3000);
}

void SoundPlayerServerTest::showsItsNameIconAndRoleOnItsClientAndItsPlays()
{
    const QString sound = writeTone("AK.wav", 2.0);
    auto player = std::make_unique<PulseSoundPlayer>();
    player->play(sound.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(ownSamples().size(), 1, 5000);
    QMap<QString, QString> voice;
    QTRY_VERIFY_WITH_TIMEOUT(!(voice = playing(ownSamples().front())).isEmpty(), 2000);
    QCOMPARE(voice.value("media.role"), QString("game"));
    QCOMPARE(voice.value("application.name"), QString("Стрелбище"));
    QCOMPARE(voice.value("application.icon_name"), QString("bg.strelbishte.strelbishte"));

    const QMap<QString, QString> client = clientOf(getpid());
    QCOMPARE(client.value("application.name"), QString("Стрелбище"));
    QCOMPARE(client.value("application.icon_name"), QString("bg.strelbishte.strelbishte"));
    QCOMPARE(client.value("media.role"), QString("game"));
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

// A player's samples are named after its process: those of a process that has ended go when a
// player connects, those of one still connected stay, and so does any other program's.
void SoundPlayerServerTest::removesTheSamplesOfPlayersNoLongerRunning()
{
    const QString sound = writeTone("AK.wav", 0.1);
    QProcess ended;
    ended.start("true", {});
    QVERIFY(ended.waitForFinished(3000));
    QProcess running;
    running.start("pactl", {"subscribe"});
    QVERIFY(running.waitForStarted(3000));
    QTRY_VERIFY_WITH_TIMEOUT(!clientOf(running.processId()).isEmpty(), 3000);
    const QString stillRunning = QString("strelbishte-%1-1").arg(running.processId());
    const QString others = "bell-window-system";
    const QString left = QString("strelbishte-%1-1").arg(ended.processId());
    for (const QString& name : {stillRunning, others, left})
        m_server->pactl({"upload-sample", sound, name});
    QCOMPARE(m_server->sampleNames().size(), 3);

    auto player = std::make_unique<PulseSoundPlayer>();
    QTRY_VERIFY_WITH_TIMEOUT(!m_server->sampleNames().contains(left), 3000);
    QVERIFY(m_server->sampleNames().contains(stillRunning));
    QVERIFY(m_server->sampleNames().contains(others));

    running.kill();
    running.waitForFinished(3000);
    for (const QString& name : {stillRunning, others})
        m_server->pactl({"remove-sample", name});
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
