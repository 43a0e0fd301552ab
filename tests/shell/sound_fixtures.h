#pragma once

#include <sndfile.h>

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

// Sound files written for the tests: tones and ramps in any WAV sample format.
namespace fixtures {

// Writes interleaved samples (full scale 1.0) as a WAV file in the given subformat.
inline bool writeWav(const QString& path, const std::vector<float>& samples, int channels, int rate,
                     int subformat = SF_FORMAT_PCM_16)
{
    SF_INFO info{};
    info.channels = channels;
    info.samplerate = rate;
    info.format = SF_FORMAT_WAV | subformat;
    SNDFILE* file = sf_open(path.toStdString().c_str(), SFM_WRITE, &info);
    if (!file)
        return false;
    const auto frames = static_cast<sf_count_t>(samples.size()) / channels;
    const bool whole = sf_writef_float(file, samples.data(), frames) == frames;
    return sf_close(file) == 0 && whole;
}

// A sine tone of `seconds` at `amplitude` of full scale, the same on every channel.
inline std::vector<float> tone(double seconds, double amplitude, int channels = 1, int rate = 44100,
                               double frequency = 441)
{
    const auto frames = static_cast<std::size_t>(std::lround(seconds * rate));
    std::vector<float> samples;
    samples.reserve(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        const auto value =
            static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * frequency * static_cast<double>(i) / rate));
        for (int c = 0; c < channels; ++c)
            samples.push_back(value);
    }
    return samples;
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The first `keep` bytes of a file, as a download cut short leaves it.
inline bool truncateTo(const QString& path, qint64 keep)
{
    QFile file(path);
    return file.resize(keep);
}

}  // namespace fixtures
