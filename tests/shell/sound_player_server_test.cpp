#include "private_sound_server.h"
#include "shell/sound/pulse_sound_player.h"
#include "sound_fixtures.h"

#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <chrono>
#include <memory>

// What the player leaves on its sound server: the output kept awake and in short periods while a
// shot may come, so that no shot waits for a suspended sound card or a long period, and at rest
// otherwise; the program's name, icon and role on what it plays; its sounds armed again on a server
// that came back; and nothing once it has closed.
class SoundPlayerServerTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keepsTheOutputAwakeAndQuickWhileReady();
    void restsUntilAskedAndOnceNotAskedForItsTime();
    void showsItsNameIconAndRoleOnItsClientAndItsPlays();
    void playsAgainOnceItsServerIsBack();
    void armsAVoiceOfEachSoundWhileReadyAndLeavesNothingBehind();

private:
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
    // The properties of a voice of the sound file `name` that plays, or none while none does.
    QMap<QString, QString> playing(const QString& name)
    {
        for (const PrivateSoundServer::Listed& input : m_server->list("sink-inputs"))
            if (input.properties.value("media.name") == name && !input.corked)
                return input.properties;
        return {};
    }
    int voices(const QString& name, bool corked)
    {
        int found = 0;
        for (const PrivateSoundServer::Listed& input : m_server->list("sink-inputs"))
            found += input.properties.value("media.name") == name && input.corked == corked;
        return found;
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
    QMap<QString, QString> voice;
    QTRY_VERIFY_WITH_TIMEOUT(!(voice = playing("AK.wav")).isEmpty(), 5000);
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
    // Long enough to be listed while it plays, however busy the machine.
    const QString sound = writeTone("AK.wav", 2.0);
    auto player = std::make_unique<PulseSoundPlayer>();
    player->play(sound.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!playing("AK.wav").isEmpty(), 5000);

    m_server->kill();
    // To no server: dropped.
    player->play(sound.toStdString());
    m_server->start();
    QVERIFY(m_server->running());
    // Armed again unasked, so that the next shot plays at once.
    QTRY_COMPARE_WITH_TIMEOUT(voices("AK.wav", true), 1, 2000);
    QVERIFY(playing("AK.wav").isEmpty());
    player->play(sound.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!playing("AK.wav").isEmpty(), 2000);
}

// A voice armed for the next shot, one for each sound, while a shot may come; none at rest; and
// none at all, nor anything in the server's cache, once the player has closed.
void SoundPlayerServerTest::armsAVoiceOfEachSoundWhileReadyAndLeavesNothingBehind()
{
    const QString first = m_dir.filePath("AK.wav");
    const QString second = m_dir.filePath("AK2.wav");
    QVERIFY(fixtures::writeWav(first, fixtures::tone(1.5, 0.2), 1, 44100));
    QVERIFY(fixtures::writeWav(second, fixtures::tone(2.0, 0.2), 2, 48000));
    auto player = std::make_unique<PulseSoundPlayer>(std::chrono::seconds(2));
    player->play(first.toStdString());
    player->play(second.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!playing("AK2.wav").isEmpty(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(voices("AK.wav", true) + voices("AK2.wav", true), 2, 2000);
    QTRY_COMPARE_WITH_TIMEOUT(voices("AK.wav", true) + voices("AK2.wav", true), 0, 4000);

    player->play(first.toStdString());
    player->play(second.toStdString());
    QTRY_VERIFY_WITH_TIMEOUT(!playing("AK2.wav").isEmpty(), 2000);
    // Closed while both still play.
    player.reset();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->list("sink-inputs").size(), 0, 2000);
    QCOMPARE(m_server->sampleNames(), QStringList());
}

QTEST_GUILESS_MAIN(SoundPlayerServerTest)
#include "sound_player_server_test.moc"
