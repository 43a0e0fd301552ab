#include "shell/sound/playable_sound.h"

#include <QTest>

#include <vector>

// A file's sound made ready for a playback stream: its samples as they are, in 32-bit float at
// the file's rate, its channels in WAV order, 50 ms of silence after it; and nothing for what no
// stream plays.
class PlayableSoundTest : public QObject {
    Q_OBJECT

private slots:
    void keepsTheSamplesAndAddsFiftyMillisecondsOfSilence_data();
    void keepsTheSamplesAndAddsFiftyMillisecondsOfSilence();
    void placesTheChannelsInWavOrder();
    void givesNothingForWhatNoStreamPlays_data();
    void givesNothingForWhatNoStreamPlays();
};

void PlayableSoundTest::keepsTheSamplesAndAddsFiftyMillisecondsOfSilence_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("silentFrames");
    QTest::newRow("mono, 44100 Hz") << 44100 << 1 << 2205;
    QTest::newRow("stereo, 48000 Hz") << 48000 << 2 << 2400;
    QTest::newRow("32 channels, 8000 Hz") << 8000 << 32 << 400;
    QTest::newRow("384000 Hz") << 384000 << 1 << 19200;
}

void PlayableSoundTest::keepsTheSamplesAndAddsFiftyMillisecondsOfSilence()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, silentFrames);
    // Three frames of steps: 0.25, 0.5 and -0.75 on every channel.
    std::vector<float> samples;
    for (float level : {0.25f, 0.5f, -0.75f})
        samples.insert(samples.end(), static_cast<std::size_t>(channels), level);
    const auto sound = playableSound(DecodedSound{rate, channels, samples});
    QVERIFY(sound);
    QCOMPARE(sound->sampling.format, PA_SAMPLE_FLOAT32NE);
    QCOMPARE(sound->sampling.rate, static_cast<std::uint32_t>(rate));
    QCOMPARE(int{sound->sampling.channels}, channels);
    QCOMPARE(int{sound->channels.channels}, channels);
    const auto frames = static_cast<std::size_t>(3 + silentFrames);
    QCOMPARE(sound->samples.size(), frames * static_cast<std::size_t>(channels));
    QCOMPARE(sound->bytes(), frames * static_cast<std::size_t>(channels) * 4);
    const std::vector<float> kept(sound->samples.begin(), sound->samples.begin() + 3 * channels);
    QCOMPARE(kept, samples);
    const std::vector<float> after(sound->samples.begin() + 3 * channels, sound->samples.end());
    QCOMPARE(after, std::vector<float>(static_cast<std::size_t>(silentFrames * channels), 0.0f));
}

void PlayableSoundTest::placesTheChannelsInWavOrder()
{
    const auto sound = playableSound(DecodedSound{44100, 6, std::vector<float>(6, 0.5f)});
    QVERIFY(sound);
    const std::vector<pa_channel_position_t> positions(sound->channels.map, sound->channels.map + 6);
    QCOMPARE(positions,
             (std::vector<pa_channel_position_t>{PA_CHANNEL_POSITION_FRONT_LEFT, PA_CHANNEL_POSITION_FRONT_RIGHT,
                                                 PA_CHANNEL_POSITION_FRONT_CENTER, PA_CHANNEL_POSITION_LFE,
                                                 PA_CHANNEL_POSITION_REAR_LEFT, PA_CHANNEL_POSITION_REAR_RIGHT}));
}

void PlayableSoundTest::givesNothingForWhatNoStreamPlays_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("33 channels") << 44100 << 33;
    QTest::newRow("257 channels, one once cut to a byte") << 44100 << 257;
    QTest::newRow("8 MHz, beyond every libpulse's rates") << 8000000 << 1;
}

void PlayableSoundTest::givesNothingForWhatNoStreamPlays()
{
    QFETCH(int, rate);
    QFETCH(int, channels);
    QVERIFY(!playableSound(DecodedSound{rate, channels, std::vector<float>(static_cast<std::size_t>(channels), 0.5f)}));
}

QTEST_GUILESS_MAIN(PlayableSoundTest)
#include "playable_sound_test.moc"
