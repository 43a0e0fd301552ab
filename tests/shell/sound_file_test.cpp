#include "platform/qt/sound/sound_file.h"
#include "sound_fixtures.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

// Reading a file into the mixer's format: what plays, what gives nothing, and what never blocks.
class SoundFileTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void givesNothingForWhatIsNoSound_data();
    void givesNothingForWhatIsNoSound();
    void doublesAMonoFileSampleForSample();
    void keepsTheLengthAndLevelOfEverySampleFormat_data();
    void keepsTheLengthAndLevelOfEverySampleFormat();
    void resamplesOtherRatesToTheOutputRate_data();
    void resamplesOtherRatesToTheOutputRate();
    void clipsFloatSamplesBeyondFullScale();
    void readsWhatATruncatedFileHolds();
    void readsOnlyTheFirstThirtySeconds();

private:
    QString pathOf(const char* name) const { return m_dir->filePath(QString::fromUtf8(name)); }
    static std::size_t frames(const SharedSound& sound) { return sound ? sound->size() / 2 : 0; }
    static int peak(const SharedSound& sound)
    {
        int p = 0;
        for (std::int16_t s : *sound)
            p = std::max(p, std::abs(static_cast<int>(s)));
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
    QVERIFY(readSoundFile(path.toStdString()) == nullptr);
}

void SoundFileTest::doublesAMonoFileSampleForSample()
{
    const QString path = pathOf("ramp.wav");
    std::vector<float> ramp;
    for (int i = -500; i < 500; ++i)
        ramp.push_back(static_cast<float>(i * 32) / 32768.0f);
    QVERIFY(fixtures::writeWav(path, ramp, 1, 44100));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(sound), ramp.size());
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        const auto expected = static_cast<std::int16_t>((static_cast<int>(i) - 500) * 32);
        QCOMPARE((*sound)[2 * i], expected);
        QCOMPARE((*sound)[2 * i + 1], expected);
    }
}

void SoundFileTest::keepsTheLengthAndLevelOfEverySampleFormat_data()
{
    QTest::addColumn<int>("subformat");
    QTest::addColumn<int>("channels");
    QTest::newRow("8-bit unsigned") << int{SF_FORMAT_PCM_U8} << 1;
    QTest::newRow("16-bit stereo") << int{SF_FORMAT_PCM_16} << 2;
    QTest::newRow("24-bit") << int{SF_FORMAT_PCM_24} << 1;
    QTest::newRow("32-bit") << int{SF_FORMAT_PCM_32} << 2;
    QTest::newRow("float, six channels") << int{SF_FORMAT_FLOAT} << 6;
}

void SoundFileTest::keepsTheLengthAndLevelOfEverySampleFormat()
{
    QFETCH(int, subformat);
    QFETCH(int, channels);
    const QString path = pathOf("tone.wav");
    QVERIFY(fixtures::writeWav(path, fixtures::tone(0.5, 0.5, channels), channels, 44100, subformat));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QVERIFY2(std::abs(static_cast<long>(frames(sound)) - 22050) <= 1024, std::to_string(frames(sound)).c_str());
    QVERIFY2(std::abs(peak(sound) - 16384) < 400, std::to_string(peak(sound)).c_str());
}

void SoundFileTest::resamplesOtherRatesToTheOutputRate_data()
{
    QTest::addColumn<int>("rate");
    QTest::newRow("8000") << 8000;
    QTest::newRow("22050") << 22050;
    QTest::newRow("48000") << 48000;
    QTest::newRow("96000") << 96000;
}

void SoundFileTest::resamplesOtherRatesToTheOutputRate()
{
    QFETCH(int, rate);
    const QString path = pathOf("tone.wav");
    QVERIFY(fixtures::writeWav(path, fixtures::tone(0.4, 0.5, 2, rate, 200), 2, rate));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(sound), std::size_t{17640});
    QVERIFY2(std::abs(peak(sound) - 16384) < 200, std::to_string(peak(sound)).c_str());
}

void SoundFileTest::clipsFloatSamplesBeyondFullScale()
{
    const QString path = pathOf("loud.wav");
    QVERIFY(fixtures::writeWav(path, {1.5f, -1.5f, 0.25f}, 1, 44100, SF_FORMAT_FLOAT));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(sound), std::size_t{3});
    QCOMPARE((*sound)[0], std::int16_t{32767});
    QCOMPARE((*sound)[2], std::int16_t{-32768});
    QCOMPARE((*sound)[4], std::int16_t{8192});
}

void SoundFileTest::readsWhatATruncatedFileHolds()
{
    const QString path = pathOf("cut.wav");
    QVERIFY(fixtures::writeWav(path, fixtures::tone(1.0, 0.5), 1, 44100));
    QVERIFY(fixtures::truncateTo(path, 44 + 2 * 4410));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(sound), std::size_t{4410});
}

void SoundFileTest::readsOnlyTheFirstThirtySeconds()
{
    const QString path = pathOf("long.wav");
    QVERIFY(fixtures::writeWav(path, std::vector<float>(static_cast<std::size_t>(8000 * 45), 0.1f), 1, 8000));
    const SharedSound sound = readSoundFile(path.toStdString());
    QVERIFY(sound);
    QCOMPARE(frames(sound), std::size_t{30 * 44100});
}

QTEST_GUILESS_MAIN(SoundFileTest)
#include "sound_file_test.moc"
