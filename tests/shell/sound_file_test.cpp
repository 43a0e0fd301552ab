#include "shell/sound/sound_file.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

// Reading a sound file as it is: what plays, what gives nothing, and what never blocks.
class SoundFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void givesNothingForWhatIsNoSound_data();
    void givesNothingForWhatIsNoSound();
    void readsA16BitFileSampleForSample();
    void keepsTheLengthAndLevelOfEverySampleFormat_data();
    void keepsTheLengthAndLevelOfEverySampleFormat();
    void readsWhatATruncatedFileHolds();
    void readsOnlyTheFirstThirtySeconds();

private:
    QString pathOf(const char* name) const { return m_dir->filePath(QString::fromUtf8(name)); }
    static std::size_t frames(const DecodedSound& sound)
    {
        return sound.samples.size() / static_cast<std::size_t>(sound.channels);
    }
    static float peak(const DecodedSound& sound)
    {
        float p = 0;
        for (float s : sound.samples)
            p = std::max(p, std::abs(s));
        return p;
    }

    std::unique_ptr<QTemporaryDir> m_dir;  // a fresh folder for every test and row
};

void SoundFileTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void SoundFileTest::givesNothingForWhatIsNoSound_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "folder", "empty", "text", "pipe", "device", "header only", "cut header"})
        QTest::newRow(kind) << QString::fromUtf8(kind);
}

void SoundFileTest::givesNothingForWhatIsNoSound()
{
    QFETCH(QString, kind);
    QString path = pathOf("sound.wav");
    if (kind == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir("sound.wav"));
    else if (kind == "empty")
        QVERIFY(fixtures::writeBytes(path, {}));
    else if (kind == "text")
        QVERIFY(fixtures::writeBytes(path, QByteArray("RIFF? not at all, just some words\n").repeated(100)));
    else if (kind == "pipe")  // opening it for reading would wait for a writer for ever
        QCOMPARE(mkfifo(path.toLocal8Bit().constData(), 0600), 0);
    else if (kind == "device")
        path = "/dev/zero";
    else if (kind == "header only")
        QVERIFY(fixtures::writeWav(path, {}, 1, 44100));
    else if (kind == "cut header") {
        QVERIFY(fixtures::writeWav(path, fixtures::tone(0.2, 0.5), 1, 44100));
        QVERIFY(fixtures::truncateTo(path, 20));
    }
    QVERIFY(!readSoundFile(path.toStdString()));
}

void SoundFileTest::readsA16BitFileSampleForSample()
{
    const QString path = pathOf("ramp.wav");
    std::vector<float> ramp;
    for (int i = -500; i < 500; ++i) {
        ramp.push_back(static_cast<float>(i * 32) / 32768.0f);
        ramp.push_back(static_cast<float>(-i * 32) / 32768.0f);
    }
    QVERIFY(fixtures::writeWav(path, ramp, 2, 22050));
    const auto sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(sound->rate, 22050);
    QCOMPARE(sound->channels, 2);
    QCOMPARE(sound->samples.size(), ramp.size());
    QCOMPARE(sound->samples, ramp);
}

void SoundFileTest::keepsTheLengthAndLevelOfEverySampleFormat_data()
{
    QTest::addColumn<int>("subformat");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::newRow("8-bit unsigned, 8000 Hz") << int{SF_FORMAT_PCM_U8} << 1 << 8000;
    QTest::newRow("16-bit stereo") << int{SF_FORMAT_PCM_16} << 2 << 44100;
    QTest::newRow("24-bit, 96000 Hz") << int{SF_FORMAT_PCM_24} << 1 << 96000;
    QTest::newRow("32-bit, 48000 Hz") << int{SF_FORMAT_PCM_32} << 2 << 48000;
    QTest::newRow("float, six channels") << int{SF_FORMAT_FLOAT} << 6 << 44100;
}

void SoundFileTest::keepsTheLengthAndLevelOfEverySampleFormat()
{
    QFETCH(int, subformat);
    QFETCH(int, channels);
    QFETCH(int, rate);
    const QString path = pathOf("tone.wav");
    QVERIFY(fixtures::writeWav(path, fixtures::tone(0.5, 0.5, channels, rate, 200), channels, rate, subformat));
    const auto sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(sound->rate, rate);
    QCOMPARE(sound->channels, channels);
    QCOMPARE(frames(*sound), static_cast<std::size_t>(rate / 2));
    QVERIFY2(std::abs(peak(*sound) - 0.5f) < 0.01f, std::to_string(peak(*sound)).c_str());
}

void SoundFileTest::readsWhatATruncatedFileHolds()
{
    const QString path = pathOf("cut.wav");
    QVERIFY(fixtures::writeWav(path, fixtures::tone(1.0, 0.5), 1, 44100));
    QVERIFY(fixtures::truncateTo(path, 44 + 2 * 4410));
    const auto sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(*sound), std::size_t{4410});
}

void SoundFileTest::readsOnlyTheFirstThirtySeconds()
{
    const QString path = pathOf("long.wav");
    QVERIFY(fixtures::writeWav(path, std::vector<float>(static_cast<std::size_t>(8000 * 45), 0.1f), 1, 8000));
    const auto sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(*sound), std::size_t{30 * 8000});
}

QTEST_GUILESS_MAIN(SoundFileTest)
#include "sound_file_test.moc"
