#include "shell/sound/pulse_sound_player.h"
#include "sound_fixtures.h"
#include "sound_recording.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

// What the null sink may hold back before a sound shows in its monitor, and what a test waits
// after its last request.
constexpr int hearingMilliseconds = 1500;

std::vector<float> steady(double seconds, double level)
{
    return std::vector<float>(static_cast<std::size_t>(seconds * 44100), static_cast<float>(level));
}

QString describe(const std::vector<Plateau>& heard)
{
    QString text;
    for (const Plateau& p : heard)
        text += QString(" %1 s at %2;").arg(p.seconds, 0, 'f', 3).arg(p.level, 0, 'f', 3);
    return text.isEmpty() ? QString("silence") : text;
}

}  // namespace

// The player on the real audio output: requests return at once, sounds play over each other and
// to their ends, and a file that cannot be played costs only its own sound. The recordings come
// from the test sink's monitor; without a sound server only the returning is checked.
class SoundPlayerTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    // First, while the process has not yet talked to any sound server.
    void nothingIsPrintedWithoutASoundServer();
    void aForkedProcessGetsNoConnectionAndStaysSilent();
    void requestsReturnAtOnceAndBadFilesCostOnlyTheirSound_data();
    void requestsReturnAtOnceAndBadFilesCostOnlyTheirSound();
    void twoSoundsOverlapAndBothPlayToTheirEnds();
    void aSoundRequestedAgainOverlapsItself();
    void shortSoundsAndTailsAreHeardWhole();
    void aMissingFileIsLookedForAgainAtItsNextRequest();
    void aPreparedSoundIsReadAheadAndPlaysOnlyWhenAskedFor();
    void aPlayStillWaitingWhenTheOutputRestsIsDropped();

private:
    QString write(const char* name, const std::vector<float>& samples)
    {
        const QString path = m_dir->filePath(name);
        return fixtures::writeWav(path, samples, 1, 44100) ? path : QString();
    }
    // A player, with the time its making held the calling thread noted.
    std::unique_ptr<PulseSoundPlayer> openPlayer()
    {
        QElapsedTimer clock;
        clock.start();
        auto player = std::make_unique<PulseSoundPlayer>();
        m_worstOpeningNs = std::max(m_worstOpeningNs, clock.nsecsElapsed());
        return player;
    }
    void closePlayer(std::unique_ptr<PulseSoundPlayer>& player)
    {
        QElapsedTimer clock;
        clock.start();
        player.reset();
        m_worstClosingNs = std::max(m_worstClosingNs, clock.nsecsElapsed());
    }
    void play(PulseSoundPlayer& player, const QString& path)
    {
        QElapsedTimer clock;
        clock.start();
        player.play(path.toStdString());
        m_worstRequestNs = std::max(m_worstRequestNs, clock.nsecsElapsed());
    }
    static bool serverAbsent() { return qgetenv("PULSE_SERVER").startsWith("unix:/nonexistent"); }

    std::unique_ptr<QTemporaryDir> m_dir;  // a fresh folder for every test and row
    qint64 m_worstRequestNs = 0;
    qint64 m_worstOpeningNs = 0;
    qint64 m_worstClosingNs = 0;
};

void SoundPlayerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SoundPlayerTest::cleanupTestCase()
{
    qInfo("worst time the calling thread was held: request %.3f ms, making the player %.3f ms, closing it %.3f ms",
          static_cast<double>(m_worstRequestNs) / 1e6, static_cast<double>(m_worstOpeningNs) / 1e6,
          static_cast<double>(m_worstClosingNs) / 1e6);
}

void SoundPlayerTest::requestsReturnAtOnceAndBadFilesCostOnlyTheirSound_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "folder", "garbage", "cut header", "valid"})
        QTest::newRow(kind) << QString(kind);
}

void SoundPlayerTest::requestsReturnAtOnceAndBadFilesCostOnlyTheirSound()
{
    QFETCH(QString, kind);
    const QString path = m_dir->filePath("AK.wav");
    if (kind == "folder") {
        QVERIFY(QDir(m_dir->path()).mkdir("AK.wav"));
    } else if (kind == "garbage") {
        QVERIFY(fixtures::writeBytes(path, QByteArray("\x01\xfe garbage, not a sound ", 22).repeated(500)));
    } else if (kind == "cut header") {
        QVERIFY(!write("AK.wav", steady(0.3, 0.2)).isEmpty());
        QVERIFY(fixtures::truncateTo(path, 30));
    }
    const QString valid = write("valid.wav", steady(0.3, 0.1));

    SinkRecording recording;
    {
        auto player = openPlayer();
        // The same request five times in one go: a bad path stays silent every time; a good one
        // starts five voices together, heard as one sound five times as loud.
        const int wait = recording.running() ? hearingMilliseconds : 200;
        for (int k = 0; k < 5; ++k)
            play(*player, kind == "valid" ? valid : path);
        QTest::qWait(wait);
        if (kind != "valid")
            play(*player, valid);
        QTest::qWait(wait);
        closePlayer(player);
    }
    if (!recording.running())
        QSKIP("no sound server: only the returning of the requests is checked");

    const std::vector<double> recorded = recording.stop();
    const std::vector<Plateau> heard = plateaus(recorded);
    if (kind == "valid") {
        // Five voices of 0.3 s at 0.1, all together at some moment.
        QVERIFY2(std::abs(loudest(heard) - 0.5) < 0.002, qPrintable(describe(heard)));
        QVERIFY2(std::abs(area(recorded) - 0.15) < 0.0003, qPrintable(QString::number(area(recorded))));
        return;
    }
    QVERIFY2(heard.size() == 1, qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[0].seconds - 0.3) < 0.002 && std::abs(heard[0].level - 0.1) < 0.002,
             qPrintable(describe(heard)));
}

void SoundPlayerTest::twoSoundsOverlapAndBothPlayToTheirEnds()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    const QString first = write("AK.wav", steady(0.35, 0.2));
    const QString second = write("AK2.wav", steady(0.75, 0.1));
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        play(*player, first);
        play(*player, second);
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<double> recorded = recording.stop();
    const std::vector<Plateau> heard = plateaus(recorded);
    // Both together, and each whole: 0.35 s at 0.2 and 0.75 s at 0.1.
    QVERIFY2(std::abs(loudest(heard) - 0.3) < 0.002, qPrintable(describe(heard)));
    QVERIFY2(std::abs(area(recorded) - 0.145) < 0.0003, qPrintable(QString::number(area(recorded))));
}

void SoundPlayerTest::aSoundRequestedAgainOverlapsItself()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    const QString sound = write("AK.wav", steady(0.35, 0.2));
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        play(*player, sound);
        QTest::qWait(100);
        play(*player, sound);
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<Plateau> heard = plateaus(recording.stop());
    // Alone, then twice as loud while both voices play, then the second alone: never cut short.
    QVERIFY2(heard.size() == 3, qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[1].level - 0.4) < 0.002 && std::abs(heard[2].level - 0.2) < 0.002,
             qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[0].seconds + heard[1].seconds - 0.35) < 0.002, qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[1].seconds + heard[2].seconds - 0.35) < 0.002, qPrintable(describe(heard)));
}

void SoundPlayerTest::shortSoundsAndTailsAreHeardWhole()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    std::vector<float> tailed = steady(0.3, 0.1);
    const std::vector<float> tail = steady(0.15, 0.3);
    tailed.insert(tailed.end(), tail.begin(), tail.end());
    const QString blip = write("blip.wav", steady(0.05, 0.2));
    const QString withTail = write("tail.wav", tailed);
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        play(*player, blip);
        QTest::qWait(400);
        play(*player, withTail);
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<Plateau> heard = plateaus(recording.stop());
    QVERIFY2(heard.size() == 3, qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[0].seconds - 0.05) < 0.002 && std::abs(heard[0].level - 0.2) < 0.002,
             qPrintable(describe(heard)));
    QVERIFY2(std::abs(heard[1].seconds - 0.3) < 0.002 && std::abs(heard[2].seconds - 0.15) < 0.002 &&
                 std::abs(heard[2].level - 0.3) < 0.002,
             qPrintable(describe(heard)));
}

void SoundPlayerTest::aMissingFileIsLookedForAgainAtItsNextRequest()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    const QString path = m_dir->filePath("AK.wav");
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        play(*player, path);
        QTest::qWait(300);
        QVERIFY(fixtures::writeWav(path, steady(0.2, 0.2), 1, 44100));
        play(*player, path);
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<Plateau> heard = plateaus(recording.stop());
    QVERIFY2(heard.size() == 1 && std::abs(heard[0].seconds - 0.2) < 0.002, qPrintable(describe(heard)));
}

// The file is read at the preparing: gone by the play, it is heard all the same, and only once.
void SoundPlayerTest::aPreparedSoundIsReadAheadAndPlaysOnlyWhenAskedFor()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    const QString path = write("signal_start.wav", steady(0.2, 0.2));
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        player->prepare(path.toStdString());
        QTest::qWait(hearingMilliseconds);
        QVERIFY(QFile::remove(path));
        play(*player, path);
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<Plateau> heard = plateaus(recording.stop());
    QVERIFY2(heard.size() == 1 && std::abs(heard[0].seconds - 0.2) < 0.002, qPrintable(describe(heard)));
}

// A play asked for just before the window is minimised, its file still being read, is not heard
// the next time a shot may come.
void SoundPlayerTest::aPlayStillWaitingWhenTheOutputRestsIsDropped()
{
    if (serverAbsent())
        QSKIP("needs the sound server");
    const QString path = write("AK.wav", steady(0.2, 0.2));
    SinkRecording recording;
    QVERIFY(recording.running());
    {
        auto player = openPlayer();
        play(*player, path);
        player->rest();
        QTest::qWait(300);
        player->keepReady();
        QTest::qWait(hearingMilliseconds);
        closePlayer(player);
    }
    const std::vector<Plateau> heard = plateaus(recording.stop());
    QVERIFY2(heard.empty(), qPrintable(describe(heard)));
}

// The program drops Qt's own messages; nothing else, the sound library included, may write to
// the program's output when there is no server to talk to.
void SoundPlayerTest::nothingIsPrintedWithoutASoundServer()
{
    if (!serverAbsent())
        QSKIP("runs where PULSE_SERVER points nowhere");
    const QString valid = write("valid.wav", steady(0.3, 0.1));
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    fflush(stdout);
    fflush(stderr);
    const int savedOut = dup(1), savedErr = dup(2);
    dup2(pipeEnds[1], 1);
    dup2(pipeEnds[1], 2);
    {
        auto player = openPlayer();
        play(*player, valid);
        play(*player, m_dir->filePath("missing.wav"));
        // Long enough for the player to look for its server twice more.
        QTest::qWait(1200);
        closePlayer(player);
    }
    fflush(stdout);
    fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(pipeEnds[1]);
    qInstallMessageHandler(previous);
    QByteArray printed;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, n);
    close(pipeEnds[0]);
    close(savedOut);
    close(savedErr);
    QCOMPARE(printed, QByteArray());
}

// The sound library refuses a connection to a process forked after it was first used. The player
// there stays silent, prints nothing, looks for its server again and closes as anywhere else.
void SoundPlayerTest::aForkedProcessGetsNoConnectionAndStaysSilent()
{
    const QString valid = write("valid.wav", steady(0.3, 0.1));
    std::make_unique<PulseSoundPlayer>().reset();
    int pipeEnds[2];
    QCOMPARE(pipe(pipeEnds), 0);
    fflush(stdout);
    fflush(stderr);
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        dup2(pipeEnds[1], 1);
        dup2(pipeEnds[1], 2);
        {
            PulseSoundPlayer player;
            player.keepReady();
            player.play(valid.toStdString());
            // Long enough for the player to look for its server twice more.
            std::this_thread::sleep_for(std::chrono::milliseconds(1200));
            player.play(valid.toStdString());
            player.rest();
        }
        _exit(0);
    }
    close(pipeEnds[1]);
    QByteArray printed;
    char buffer[256];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, n);
    close(pipeEnds[0]);
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status) && WEXITSTATUS(status) == 0,
             qPrintable(QString("the child ended with status %1: %2").arg(status).arg(QString::fromUtf8(printed))));
    QCOMPARE(printed, QByteArray());
}

QTEST_GUILESS_MAIN(SoundPlayerTest)
#include "sound_player_test.moc"
